// WaveFile.cpp: walking the chunks of a RIFF wave file.
#include "WaveFile.h"

#include <QFile>

#include <algorithm>

namespace {
quint32 le32(const char* p)
{
    const auto* b = reinterpret_cast<const unsigned char*>(p);
    return quint32(b[0]) | quint32(b[1]) << 8 | quint32(b[2]) << 16 | quint32(b[3]) << 24;
}
quint16 le16(const char* p)
{
    const auto* b = reinterpret_cast<const unsigned char*>(p);
    return quint16(b[0] | b[1] << 8);
}

// A file with more chunks than this before its data is not one of ours to play.
constexpr int MaxChunks = 64;
// Size of the fields of a "fmt " chunk that are read.
constexpr int FormatFieldBytes = 16;
} // namespace

namespace WaveFile {

std::optional<WaveInfo> readInfo(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    const qint64 fileSize = file.size();
    char head[12];
    if (file.read(head, 12) != 12 || qstrncmp(head, "RIFF", 4) != 0 || qstrncmp(head + 8, "WAVE", 4) != 0)
        return std::nullopt;

    WaveInfo info;
    bool haveFormat = false;
    for (int chunk = 0; chunk < MaxChunks; ++chunk) {
        char header[8];
        if (file.read(header, 8) != 8)
            return std::nullopt;
        const qint64 size = le32(header + 4);
        const qint64 body = file.pos();
        if (qstrncmp(header, "fmt ", 4) == 0) {
            char fields[FormatFieldBytes];
            if (size < FormatFieldBytes || file.read(fields, FormatFieldBytes) != FormatFieldBytes)
                return std::nullopt;
            info.formatTag = le16(fields);
            info.channels = le16(fields + 2);
            info.sampleRate = static_cast<int>(std::min<quint32>(le32(fields + 4), 0x7fffffff));
            info.blockAlign = le16(fields + 12);
            info.bitsPerSample = le16(fields + 14);
            haveFormat = true;
        } else if (qstrncmp(header, "data", 4) == 0) {
            if (!haveFormat || info.channels == 0 || info.sampleRate == 0 || info.blockAlign == 0)
                return std::nullopt;
            info.dataOffset = body;
            info.dataBytes = std::min(size, fileSize - body);
            return info;
        }
        // Chunks are padded to an even length.
        if (!file.seek(body + size + (size & 1)))
            return std::nullopt;
    }
    return std::nullopt;
}

} // namespace WaveFile
