// ToneTable.h: how a pattern pixel's brightness becomes the saturation and brightness of the tinted tile.
#pragma once

#include <array>

struct Tone {
    int saturation; // percent
    int brightness; // percent
};

constexpr int ToneTableSize = 101;

// 101 entries indexed by a brightness 0 .. 100: dark pattern pixels become dark and fairly
// saturated, light ones light and nearly grey.
const std::array<Tone, ToneTableSize>& ToneTable();

// The entry for brightness, clamped into 0 .. 100.
Tone toneFor(int brightness);
