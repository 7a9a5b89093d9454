// Fields.h: reading numbers out of record texts and shape strings.
//
// A field is found by the first occurrence of its letter; its value is the leading number
// of the text that follows. A leading number is an optional sign, digits and an optional
// decimal fraction; reading stops at the first character that cannot continue it, and no
// number at all reads as 0. Huge numbers saturate instead of overflowing.
#pragma once

#include <QString>
#include <QStringView>

namespace Fields {

// Leading number of text (sign, digits, optional fraction). Returns 0 when there is none.
double leadingNumber(QStringView text);

// Like leadingNumber, starting at pos; if end is given it receives the index just past the number
// (or pos when no number was read).
double leadingNumberAt(QStringView text, qsizetype pos, qsizetype* end = nullptr);

// The value after the first occurrence of letter in record (0 when the letter is absent).
double fieldValue(QStringView record, QChar letter);

// fieldValue truncated toward zero and clamped to the 32-bit range.
int fieldInt(QStringView record, QChar letter);

// A double truncated toward zero and clamped to the 32-bit range (NaN gives 0).
int toInt(double value);

} // namespace Fields
