// BackgroundField.h: the background field body of a preferences record ("F0132768"), the
// back-colour dialog's input and output text.
#pragma once

#include <QString>

struct BackgroundField {
    enum class Game { Sliding, Jigsaw };

    static constexpr int PatternCount = 16;

    Game game = Game::Sliding;
    int pattern = 0; // 0 .. 15
    int colour = 0; // red + 256 * green + 65536 * blue

    // Character 1: "F" is the sliding game, anything else the jigsaw. Characters 2-3: the
    // pattern index (an index outside 0 .. 15 selects pattern 0). Character 4 on: the colour
    // value (clamped into 0 .. 0xFFFFFF).
    static BackgroundField parse(const QString& body);

    // "F" or "E", the pattern index in two digits, the colour in decimal: "F0132768".
    QString format() const;

    // The tile file of the game: "bakdatal" (sliding) or "bakdatae" (jigsaw), in the data folder.
    QString tileFileName() const;
    static QString tileFileName(Game game);

    friend bool operator==(const BackgroundField&, const BackgroundField&) = default;
};

namespace BackColourResult {
// What the dialog returns when Cancel is pressed.
inline QString cancel()
{
    return QStringLiteral("cancel");
}
// True for the Cancel result in any letter case: the game window then changes nothing.
inline bool isCancel(const QString& result)
{
    return result.compare(cancel(), Qt::CaseInsensitive) == 0;
}
} // namespace BackColourResult
