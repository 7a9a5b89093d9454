// WaveFile.h: what the header of a RIFF wave file says (format, rate, size, duration).
#pragma once

#include <QString>

#include <optional>

struct WaveInfo
{
    int formatTag = 0; // 1 = integer PCM
    int channels = 0;
    int sampleRate = 0;
    int bitsPerSample = 0;
    int blockAlign = 0;
    qint64 dataOffset = 0; // first byte of the sample data
    qint64 dataBytes = 0; // sample bytes actually present in the file

    qint64 frames() const { return blockAlign > 0 ? dataBytes / blockAlign : 0; }
    // Whole milliseconds, rounded down.
    qint64 durationMs() const { return sampleRate > 0 ? frames() * 1000 / sampleRate : 0; }
};

namespace WaveFile {

// Reads the chunk headers of path (not the samples). Empty when the file is missing, is not a
// RIFF WAVE file, or lacks a usable "fmt " or "data" chunk. A data chunk that claims more bytes
// than the file holds counts only the bytes present.
std::optional<WaveInfo> readInfo(const QString& path);

} // namespace WaveFile
