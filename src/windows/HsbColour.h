// HsbColour.h: the back-colour dialog's conversions between colour values and hue/saturation/brightness.
#pragma once

struct HsbValue {
    int hue = 0; // 0 .. 359
    int saturation = 0; // 0 .. 100
    int brightness = 0; // 0 .. 100

    friend bool operator==(const HsbValue&, const HsbValue&) = default;
};

// Hue, saturation and brightness of a colour (components 0 .. 255; values outside are clamped).
// A grey has hue 0 and saturation 0, so a grey swatch tints patterns in red tones.
HsbValue RgbToHsb(int red, int green, int blue);
// The same for a colour value red + 256 * green + 65536 * blue.
HsbValue RgbToHsb(int colourValue);

// The colour value of hue, saturation (0 .. 100) and brightness (0 .. 100). A hue of 360 or
// more, or below 0, counts as 0; saturation and brightness outside 0 .. 100 are clamped.
int HsbToRgb(int hue, int saturation, int brightness);
