// Twips.cpp: the twips-per-pixel factor from the screen's logical DPI.
#include "Twips.h"

#include "Rounding.h"

#include <QGuiApplication>
#include <QScreen>

namespace Twips {

namespace {
double g_override = 0.0;
}

double perPixel()
{
    if (g_override > 0.0)
        return g_override;
    if (qobject_cast<QGuiApplication*>(QCoreApplication::instance())) {
        if (const QScreen* screen = QGuiApplication::primaryScreen()) {
            const double dpi = screen->logicalDotsPerInch();
            if (dpi > 0.0)
                return 1440.0 / dpi;
        }
    }
    return 15.0;
}

void overridePerPixel(double twipsPerPixel) { g_override = twipsPerPixel; }

double toPixels(double twips) { return twips / perPixel(); }
double fromPixels(double pixels) { return pixels * perPixel(); }
int toPixelsInt(double twips) { return Rounding::roundToInt(toPixels(twips)); }
int fromPixelsInt(double pixels) { return Rounding::roundToInt(fromPixels(pixels)); }

} // namespace Twips
