// FavRewriteModel.h: an independent statement of how the preferences file is rewritten, for the
// fuzz target (and its corpus replay) to check the real rewrite against.
#pragma once

#include <QByteArray>
#include <QList>
#include <QRegularExpression>
#include <QString>

// Every line end (CR LF, CR or LF) becomes one LF, blank lines go, the game's lines (those
// starting with tag) are passed through change, and each line is ended by CR LF. firstGameLine,
// when given, receives the first game line as rewritten.
template <typename Change>
QByteArray expectedRewriteBy(
    QByteArray bytes, const QByteArray& tag, Change change, QByteArray* firstGameLine)
{
    bytes.replace("\r\n", "\n").replace('\r', '\n');
    QByteArray out;
    for (QByteArray line : bytes.split('\n')) {
        if (line.isEmpty())
            continue;
        if (line.startsWith(tag)) {
            change(line);
            if (firstGameLine && firstGameLine->isNull())
                *firstGameLine = line;
        }
        out += line + "\r\n";
    }
    return out;
}

// The rewrite that replaces every `from` of the game's lines by `to`.
inline QByteArray expectedRewrite(const QByteArray& bytes, const QByteArray& tag, const QByteArray& from,
    const QByteArray& to, QByteArray* firstGameLine = nullptr)
{
    return expectedRewriteBy(
        bytes, tag,
        [&](QByteArray& line) {
            if (!from.isEmpty())
                line.replace(from, to);
        },
        firstGameLine);
}

// The rewrite that sets a field: the number after the first letter of each game line (a sign,
// digits and a fraction with at least one digit, or nothing) becomes value; a line without the
// letter gets letter, value and a comma at its end, after a comma of its own.
inline QByteArray expectedFieldRewrite(const QByteArray& bytes, const QByteArray& tag, char letter,
    const QByteArray& value, QByteArray* firstGameLine = nullptr)
{
    static const QRegularExpression number(QStringLiteral("^[+-]?([0-9]+\\.?[0-9]*|\\.[0-9]+)"));
    return expectedRewriteBy(
        bytes, tag,
        [&](QByteArray& line) {
            const qsizetype at = line.indexOf(letter);
            if (at < 0) {
                line += (line.endsWith(',') ? "" : ",") + QByteArray(1, letter) + value + ',';
                return;
            }
            const QRegularExpressionMatch match = number.match(QString::fromLatin1(line.mid(at + 1)));
            line.replace(at + 1, match.hasMatch() ? match.capturedLength() : 0, value);
        },
        firstGameLine);
}
