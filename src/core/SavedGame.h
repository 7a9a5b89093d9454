// SavedGame.h: the saved game of one puzzle, a JSON document written whole and read back checked.
//
// One file per game in the data folder (DataFile::LogicSave, DataFile::JigsawSave). Format
// "quarry-saved-game", version 1, one UTF-8 JSON object:
//
//   {
//     "format":  "quarry-saved-game",
//     "version": 1,
//     "game":    "logic" | "jigsaw",
//     "picture": { "builtIn": 3 }                            a built-in picture, or
//                { "path": "/home/ann/cat.png",              the player's file,
//                  "sha256": "<hex of the file's bytes>",    to notice a changed file,
//                  "png": "<base64 PNG of the working picture>" } used when the file is gone
//                                                            or no longer the same,
//     "clock":   { "seconds": 0..9999, "paused": bool },
//     "level":   { ... }     the game's size or level (see SlidingSave.h, JigsawSave.h),
//     "state":   { ... }     every tile or piece (same headers)
//   }
//
// A reader refuses, with a reason for the player, anything that is not such a document: too
// large, not JSON, another format, a later version, another game, fields of the wrong type or out
// of range. Nothing is applied to a game before the whole document has been checked.
#pragma once

#include <QByteArray>
#include <QImage>
#include <QJsonObject>
#include <QString>

namespace SavedGame {

inline constexpr char FormatName[] = "quarry-saved-game";
inline constexpr int Version = 1;
// A saved 101-piece game is far below this; anything larger is not ours.
inline constexpr qint64 MaxBytes = 64LL * 1024 * 1024;

enum class Game { Logic, Jigsaw };
QString gameName(Game game);

// Where the picture came from; the saved working picture stands in when the file is gone.
struct Picture {
    int builtIn = -1; // 0.. a built-in picture; -1: the player's file
    QString path;
    QByteArray sha256; // hex
    QImage working; // the working picture (the player's file only)
};

struct Document {
    Game game = Game::Logic;
    Picture picture;
    int seconds = 0;
    bool paused = false;
    QJsonObject level;
    QJsonObject state;
};

struct ReadResult {
    bool ok = false;
    QString problem; // why the document was refused (empty when ok)
    Document document;
};

// The whole document as bytes.
QByteArray encode(const Document& document);
// Checks and decodes bytes; game is the game the caller expects.
ReadResult decode(const QByteArray& bytes, Game game);

// Atomic write (QSaveFile, every write checked). False and problem set when it failed; the
// previous save is then left as it was.
bool write(const QString& path, const Document& document, QString* problem = nullptr);
// Reads and decodes path (at most MaxBytes).
ReadResult read(const QString& path, Game game);
// Moves a save that cannot be read aside as path + ".bad" (replacing an older one).
bool moveAside(const QString& path);
bool remove(const QString& path);

// Hex SHA-256 of a file's bytes, empty when it cannot be read.
QByteArray fileHash(const QString& path);

// Field helpers for the games' own parts: each returns false (and sets problem) when key is
// missing, of another type, or out of range.
bool readInt(const QJsonObject& object, const QString& key, int low, int high, int* value, QString* problem);
bool readBool(const QJsonObject& object, const QString& key, bool* value, QString* problem);
bool readDouble(const QJsonObject& object, const QString& key, double low, double high, double* value,
    QString* problem);
bool readString(const QJsonObject& object, const QString& key, qsizetype maxLength, QString* value,
    QString* problem);

} // namespace SavedGame
