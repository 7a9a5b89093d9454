// WaveBuilder.cpp: assembles RIFF wave bytes chunk by chunk.
#include "WaveBuilder.h"

#include <QtEndian>

namespace {
template <typename T> void put(QByteArray& out, T value)
{
    char bytes[sizeof(T)];
    qToLittleEndian(value, bytes);
    out.append(bytes, sizeof(T));
}
void put32(QByteArray& out, quint32 value) { put(out, value); }
void put16(QByteArray& out, quint16 value) { put(out, value); }
} // namespace

QByteArray buildWave(const WaveSpec& spec)
{
    const int blockAlign = spec.channels * spec.bitsPerSample / 8;
    QByteArray body("WAVE");
    body.append("fmt ");
    put32(body, 16);
    put16(body, 1);
    put16(body, quint16(spec.channels));
    put32(body, quint32(spec.sampleRate));
    put32(body, quint32(spec.sampleRate * blockAlign));
    put16(body, quint16(blockAlign));
    put16(body, quint16(spec.bitsPerSample));
    if (!spec.chunkBeforeData.isEmpty()) {
        const QByteArray content = spec.chunkBeforeData.mid(4);
        body.append(spec.chunkBeforeData.left(4));
        put32(body, quint32(content.size()));
        body.append(content);
        if (content.size() % 2)
            body.append('\0');
    }
    body.append("data");
    put32(body, quint32((spec.frames + spec.claimedExtraFrames) * blockAlign));
    body.append(QByteArray(spec.frames * blockAlign, '\0'));

    QByteArray file("RIFF");
    put32(file, quint32(body.size()));
    return file + body;
}

QByteArray silentWave(int channels, int sampleRate, int bitsPerSample, qint64 frames)
{
    return buildWave({ channels, sampleRate, bitsPerSample, frames, {}, 0 });
}
