// LabelContrast.h: the clock and step labels show the back colour as their text, on a plate that
// keeps it readable whatever that colour is.
#pragma once

#include <QColor>

namespace LabelContrast {

// Contrast the text needs on its plate (WCAG level AA for normal text).
constexpr double Readable = 4.5;
// The plate the labels have by design.
inline const QColor DesignPlate { 236, 233, 216 };

// WCAG relative luminance, 0 (black) to 1 (white).
double relativeLuminance(const QColor& colour);
// (lighter + 0.05) / (darker + 0.05): 1 for equal luminances, 21 for black on white.
double ratio(const QColor& first, const QColor& second);

// The plate under text: the design plate while it is readable, otherwise black or white,
// whichever contrasts more (one of them always gives at least 4.58 : 1).
QColor plateFor(const QColor& text);

} // namespace LabelContrast
