// FavRecord.h: the preferences file fav.dll, one record line per game, read with random redraws
// and rewritten one change at a time.
//
// A record text is a Latin-1 view of the stored line: one character per byte, so every byte of a
// line, whatever it is, maps to one character and back. Fields are read from it with Fields.h or
// the rules in FavFields.h.
#pragma once

#include <QString>

#include <optional>

class RandomSource;

enum class Game { Sliding, Jigsaw };

// Folder + "fav.dll".
QString favFilePath(const QString& dataFolder);

// "G0" for the sliding game, "G1" for the jigsaw: the start of the game's line.
QString favTag(Game game);

// The record used when the file or the game's line is missing.
QString defaultFavRecord(Game game);

// The game's line as stored: the first line that starts with its tag. Nothing when the file is
// missing, is not a regular file, is over 256 MiB (no preferences file is), cannot be read, or
// holds no such line. Lines end at CR LF, a lone CR or a lone LF.
std::optional<QString> storedFavRecord(const QString& dataFolder, Game game);

// The game's record for a window that (re)applies its preferences: the stored line with the
// random redraws (sliding: the character after the first "D" becomes below(8); jigsaw: the
// character after the first "M" becomes below(2), then the one after the first "D" below(3)).
// The default record, without drawing, when there is no stored line. Never changes the file.
QString ReadFavRecord(const QString& dataFolder, Game game, RandomSource& random);

// The letters a game's line holds a number for that may be set with FavChange::field: the
// sliding game's D, M, L, K, S and the jigsaw's D, R, M, S, P. G names the line and B holds a
// body, not a number; neither is one of them.
QString favFieldLetters(Game game);

// One change to a game's line.
struct FavChange
{
    enum class Kind { Background, Sound, Field };
    Kind kind = Kind::Sound;
    QString body; // the new background body, for Kind::Background; the new value for Kind::Field
    QChar letter; // the field, for Kind::Field

    // "B" + old body becomes "B" + newBody; the old body is the one of the current record.
    static FavChange background(const QString& newBody) { return {Kind::Background, newBody, {}}; }
    // "S1" becomes "S0" when the current record's S is non-zero, otherwise "S0" becomes "S1".
    static FavChange sound() { return {Kind::Sound, {}, {}}; }
    // The number after the first letter (as a field is read: sign, digits, fraction, or none)
    // becomes value; a line without the letter gets letter + value + "," at its end.
    static FavChange field(QChar letter, const QString& value) { return {Kind::Field, value, letter}; }
};

// Whether change may be made to game's line: a field change needs one of favFieldLetters(game)
// and a value of decimal digits only (a non-negative integer).
bool favChangeValid(Game game, const FavChange& change);

// record with change applied as UpdateFavRecord applies it to the game's line; record unchanged
// when the change cannot be stored (FavSave::Rejected).
QString applyFavChange(const QString& record, const FavChange& change);

// What became of fav.dll in an UpdateFavRecord call.
enum class FavSave {
    Saved,    // the folder now holds the rewritten file
    NoFile,   // there is no fav.dll (or it is not a regular file): nothing is created
    NotRead,  // the file could not be read to the end (or is over 256 MiB): it is left as it is
    ReadOnly, // the file is read-only: it is left as it is (see UpdateFavRecord)
    Failed,   // writing the new file failed (a full disk, a folder without write access): the
              // old file is left whole
    Rejected, // the change cannot be stored (see below): nothing is done
};

// Applies change to every line of the game in fav.dll and rewrites the file: other lines are
// written back byte for byte and in order, blank lines are dropped, every line ends in CR LF.
// Returns the window's new current record: the first changed line (for the sound switch the text
// after "G0"/"G1"), or currentRecord unchanged when the file holds no line of the game.
//
// The rewrite is atomic: the new content is written whole beside the old file, flushed to disk,
// and only then replaces it, so the folder always holds either the old or the new complete file.
// This needs a writable folder; without one nothing is saved, because writing in place could
// leave half a file behind.
//
// A read-only fav.dll is one the user has frozen on purpose (or it lies on read-only media); it
// is never replaced, even where the process could do so (root, or a writable folder letting a
// rename replace the file). The change then still holds for the window's current record, but
// lasts only as long as the window. status, when given, tells what became of the file.
//
// Rejected also covers a new background body holding a comma, CR or LF, which would split the
// field or the line, and a field change favChangeValid refuses.
QString UpdateFavRecord(const QString& dataFolder, Game game, const QString& currentRecord,
                        const FavChange& change, FavSave* status = nullptr);
