// WaveWriter.h: writes 16-bit mono PCM samples as a RIFF wave file.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

// Returns false when the file cannot be written.
bool writeWave(const std::string& path, const std::vector<std::int16_t>& samples, int sampleRate);
