// GameChoices.h: what the player chose for the next games in the "New game…" dialogs: the
// picture, and the size and level of each game. The choice holds for every later game (F2)
// until it is changed.
//
// A choice never changes what the preferences record means: it is laid over the record the game
// has just read (ReadFavRecord has already drawn its random fields), replacing only the fields the
// player fixed. "Random" leaves a field as the read gave it, so a choice of Random everywhere
// builds exactly the game the record alone would, from the same random values in the same order.
//
// The choice lives in its own small file in the data folder (JSON, versioned):
//   { "version": 1,
//     "logic":  { "picture": PICTURE, "size": 0 | 3..10 },
//     "jigsaw": { "picture": PICTURE, "family": -1 | 0 | 1, "pieces": -1 | 0 | 1 | 2,
//                 "cells": -1 | 0 | 1 | 2, "pattern": 0..11, "figure": 0..11, "rotation": -1 | 0 | 1 } }
//   PICTURE: "random" | { "builtIn": 0..9 } | { "file": absolute path }
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringView>

class RandomSource;

namespace GameChoices {

constexpr int Version = 1;
constexpr int Random = -1; // a field left as the preferences read drew it
constexpr qint64 MaxFileBytes = 64 * 1024;

struct Picture {
    enum class Kind { Random, BuiltIn, File };
    Kind kind = Kind::Random;
    int builtIn = 0; // Kind::BuiltIn: 0 .. count - 1
    QString path; // Kind::File: an absolute path
    bool operator==(const Picture&) const = default;
};

struct Logic {
    Picture picture;
    int size = 0; // 3 .. 10; 0: "Random each game" (the size the record drew)
    bool operator==(const Logic&) const = default;
};

struct Jigsaw {
    Picture picture;
    int family = Random; // 0 catalogue, 1 shape board (the M field)
    int pieces = Random; // catalogue: 0 → 16, 1 → 36, 2 → 64 pieces (the D field)
    int cells = Random; // shape board: 0 → mixed large cells, 1 → 70 × 50, 2 → 64 × 48 (the D field)
    int pattern = 0; // catalogue pattern 1 .. 11; 0: as the P field says (random by default)
    int figure = 0; // shape-board figure kind 1 .. 11; 0: as the P field says
    int rotation = Random; // 0 off, 1 on (the R field); Random: as the record says
    bool operator==(const Jigsaw&) const = default;
};

struct Choices {
    Logic logic;
    Jigsaw jigsaw;
    bool operator==(const Choices&) const = default;
};

// ---- The rules ----

// The sliding record with the chosen size in its D field (unchanged for "Random each game").
QString logicRecord(const Logic& choice, QStringView record);
// The jigsaw record with the chosen family (M), size (D: pieces for the catalogue, cells for the
// shape board, by the family the record ends up with), style (P) and rotation (R).
QString jigsawRecord(const Jigsaw& choice, QStringView record);
// The P value that selects catalogue pattern 1 .. 11 (the record's P maps 1 → 02 and 2 → 01).
int patternField(int pattern);

// The built-in picture of the next game: the chosen one, or a random one (integer part of
// random × count) that is never justPlayed: a draw that hits it is replaced by one more draw over
// the others. -1 when count is 0. A File choice is the window's to open; it falls back here.
int builtInPicture(const Picture& choice, int justPlayed, int count, RandomSource& random);

// ---- The file ----

// The choices a file's bytes hold. Anything this program did not write (bad JSON, another
// version, a value out of range) gives the defaults and sets problem.
Choices parse(const QByteArray& bytes, QString* problem = nullptr);
QByteArray format(const Choices& choices);

// Reads path; a missing file is the defaults without a problem.
Choices read(const QString& path, QString* problem = nullptr);
// Atomic write (QSaveFile, every write checked); false with error set when it failed.
bool write(const QString& path, const Choices& choices, QString* error = nullptr);

} // namespace GameChoices
