// GameRecord.h: one played game as the records file keeps it, and its text line.
//
// The records file (DataFile::Records, "records.txt" in the player's data folder) is UTF-8 text,
// one line per entry, lines ended by LF (a CR before the LF is ignored when reading):
//
//   QuarryRecords 2
//   R1 2026-12-07T12:34:56Z L done b3 g4 r0 s1 63 57 17799
//   R1 2026-12-07T12:40:02Z J done f3a7b...e9:My%20cat.png l6401:64:0 r1 s0 245 63 24347
//   R1 2026-12-07T15:00:00Z L timeout b0 g5 r0 s0 9999 312 0
//   R2 2026-12-07T15:20:00Z L done b4 g3 r0 s0 40 31 17699 h2
//
// The first line names the format and its version (1 or 2). Every record line starts with its
// own version tag, "R1" or "R2", then these fields, separated by one space:
//   1. when the game ended, UTC, ISO 8601 "yyyy-MM-ddTHH:mm:ssZ"
//   2. the game: L (Logic puzzle) or J (Jigsaw puzzle)
//   3. the outcome: done (completed) or timeout (the clock reached 9999 s: not finished)
//   4. the picture: bN for built-in picture N (0 .. 99), or f<hash>:<name> for the player's own
//      picture: the SHA-1 of its bytes in 40 lower-case hex digits, then its file name
//      percent-encoded (no spaces, no line ends)
//   5. the size: gN for a Logic grid of N x N (3 .. 10), or lCODE:PIECES:FAMILY for a jigsaw
//      level code, its piece count and its shape family
//   6. rotation: r0 off, r1 on (always r0 for the Logic puzzle)
//   7. swap mode: s0 off, s1 on
//   8. seconds on the clock
//   9. steps (Logic) or joins (Jigsaw)
//  10. the score as the completion message shows it (it may be negative)
//  11. (R2 only) hN: the number of hints the player asked for (an R1 line: none)
// Version 2 added the R2 line. A record without hints is still written as an R1 line, and the
// header stays "QuarryRecords 1" while the file holds no R2 line, so such a file still reads
// in a program that knows version 1 only; the first R2 line raises the header to 2.
// Blank lines and lines starting with '#' are ignored. Any other line that does not read as
// above (a damaged or truncated line, a foreign file, lines of a later version) is not lost: the
// reader sets it aside in "records.txt.bad" (see RecordStore).
#pragma once

#include <QDateTime>
#include <QString>

#include <optional>

enum class RecordGame { Logic, Jigsaw };

struct GameRecord
{
    static constexpr int FormatVersion = 2;
    static constexpr int TimeEndSeconds = 9999;

    QDateTime when;            // UTC, whole seconds
    RecordGame game = RecordGame::Logic;
    bool finished = true;      // false: the clock ran out
    int builtInPicture = -1;   // 0 .. 99; -1 for the player's own picture
    QString pictureHash;       // the player's picture: SHA-1 of its bytes, 40 lower-case hex digits
    QString pictureFile;       // the player's picture: its file name as opened
    int gridSize = 0;          // Logic
    int levelCode = 0;         // Jigsaw
    int pieceCount = 0;        // Jigsaw
    int shapeFamily = 0;       // Jigsaw
    bool rotation = false;
    bool swapMode = false;
    int seconds = 0;
    int moves = 0;             // steps (Logic) or joins (Jigsaw)
    qint64 score = 0;
    int hints = 0;             // hints asked for (Logic)

    // The picture and size a best result belongs to: "L b3 g4 r0".
    QString boardKey() const;
    // "b3" or "f<hash>:<encoded name>"
    QString pictureField() const;
    // "g4" or "l6401:64:0"
    QString sizeField() const;

    // The record's line, without its line end.
    QString toLine() const;
    // The record of a line (without its line end); nothing when the line does not read.
    static std::optional<GameRecord> fromLine(QStringView line);

    // The version of the record's line: 2 when it counts hints, else 1.
    int lineVersion() const { return hints > 0 ? 2 : 1; }
    // The file's first line for a version: "QuarryRecords 1".
    static QString headerLine(int version);
    // True for a header line of this version or an earlier one.
    static bool isKnownHeader(QStringView line);

    // The SHA-1 of a picture's bytes, as the picture field keeps it.
    static QString hashOf(const QByteArray& bytes);

    // Better result for the same board: higher score, then shorter time, then the earlier game.
    bool beats(const GameRecord& other) const;

    bool operator==(const GameRecord& other) const = default;
};
