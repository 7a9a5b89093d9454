// WaveWriter.cpp: the canonical 44-byte header followed by little-endian samples.
#include "WaveWriter.h"

#include <fstream>

namespace {
void put32(std::string& out, std::uint32_t value)
{
    for (int i = 0; i < 4; ++i)
        out.push_back(static_cast<char>((value >> (8 * i)) & 0xff));
}
void put16(std::string& out, std::uint16_t value)
{
    out.push_back(static_cast<char>(value & 0xff));
    out.push_back(static_cast<char>(value >> 8));
}
} // namespace

bool writeWave(const std::string& path, const std::vector<std::int16_t>& samples, int sampleRate)
{
    const std::uint16_t channels = 1;
    const std::uint16_t bits = 16;
    const std::uint16_t blockAlign = channels * bits / 8;
    const auto dataBytes = static_cast<std::uint32_t>(samples.size() * blockAlign);

    std::string out;
    out.reserve(44 + dataBytes);
    out += "RIFF";
    put32(out, 36 + dataBytes);
    out += "WAVEfmt ";
    put32(out, 16);
    put16(out, 1); // integer PCM
    put16(out, channels);
    put32(out, static_cast<std::uint32_t>(sampleRate));
    put32(out, static_cast<std::uint32_t>(sampleRate) * blockAlign);
    put16(out, blockAlign);
    put16(out, bits);
    out += "data";
    put32(out, dataBytes);
    for (std::int16_t sample : samples)
        put16(out, static_cast<std::uint16_t>(sample));

    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file.write(out.data(), static_cast<std::streamsize>(out.size()));
    return static_cast<bool>(file);
}
