// WaveBuilder.cpp: assembles RIFF wave bytes chunk by chunk.
#include "WaveBuilder.h"

#include "LittleEndian.h"

using TestSupport::put;

QByteArray buildWave(const WaveSpec& spec)
{
    const int blockAlign = spec.channels * spec.bitsPerSample / 8;
    QByteArray body("WAVE");
    body.append("fmt ");
    put<quint32>(body, 16);
    put<quint16>(body, 1);
    put<quint16>(body, quint16(spec.channels));
    put<quint32>(body, quint32(spec.sampleRate));
    put<quint32>(body, quint32(spec.sampleRate * blockAlign));
    put<quint16>(body, quint16(blockAlign));
    put<quint16>(body, quint16(spec.bitsPerSample));
    if (!spec.chunkBeforeData.isEmpty()) {
        const QByteArray content = spec.chunkBeforeData.mid(4);
        body.append(spec.chunkBeforeData.left(4));
        put<quint32>(body, quint32(content.size()));
        body.append(content);
        if (content.size() % 2)
            body.append('\0');
    }
    body.append("data");
    put<quint32>(body, quint32((spec.frames + spec.claimedExtraFrames) * blockAlign));
    body.append(QByteArray(spec.frames * blockAlign, '\0'));

    QByteArray file("RIFF");
    put<quint32>(file, quint32(body.size()));
    return file + body;
}

QByteArray silentWave(int channels, int sampleRate, int bitsPerSample, qint64 frames)
{
    return buildWave({ channels, sampleRate, bitsPerSample, frames, {}, 0 });
}
