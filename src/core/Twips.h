// Twips.h: layout units. Window geometry is kept in twips (1/1440 inch); drawing is in pixels.
// The factor follows the screen's logical DPI (15 twips per pixel at 96 dpi).
#pragma once

namespace Twips {

// Twips per pixel of the primary screen (1440 / logical dpi); 15 when there is no screen.
double perPixel();

// Tests and the benchmark may pin the factor; 0 returns to the screen's value.
void overridePerPixel(double twipsPerPixel);

double toPixels(double twips);
double fromPixels(double pixels);
// Whole pixels, rounded half to even.
int toPixelsInt(double twips);
int fromPixelsInt(double pixels);

} // namespace Twips
