// JigsawSave.h: the jigsaw's part of a saved game.
//
// The cut is not stored: the level is built again from the record it was built from and the
// random values its build drew, which gives the same pieces and the same seams. Then every piece
// gets back its turn, its unit and its place.
//
//   "level": { "record":   "G1,BE0132768,D0,R1,M0,S1,P0,"   the jigsaw record of the build,
//              "draws":    [ 0.31, 0.77, ... ]             every random value the build drew,
//              "code":     level code (shape board: level index),
//              "pieces":   piece count, checked against the rebuilt table,
//              "family":   0 catalogue, 1 shape board,
//              "rotation": bool,
//              "picture":  [w, h]   the working picture's size (pixels) }
//   "state": { "pieces": [ one object per piece 1..n:
//                { "turn": 0|90|180|270, "home": [left, top] (picture pixels),
//                  "group": "P7P3" (the unit's members, survivor first), "neighbours": "P2_P4_",
//                  "at": [left, top] (twips), "size": [w, h] (pixels), "shown": bool,
//                  "locked": bool (a figure snapped into the board) } ],
//              "record0":  record 0's neighbour list,
//              "stack":    [ piece numbers, bottom first ],
//              "joins":    the join counter }
//
// The state must describe a game of the rebuilt level: every piece in exactly one shown unit
// whose members share its turn, the board never turned, moved into a unit or locked, locks only
// on shape boards, the join counter matching the units, the stacking a permutation.
#pragma once

#include "JigsawPlay.h"
#include "SavedGame.h"

#include <QImage>
#include <QList>
#include <QStringView>

class RandomSource;

namespace JigsawSave {

struct Level {
    QString record;
    QList<double> draws;
    int levelCode = 0;
    int pieceCount = 0;
    int shapeFamily = JigsawPlay::Catalogue;
    bool rotation = false;
    QSize picture; // the working picture's size: the cut depends on it
};

// Builds a new level for record over working (which receives the seams) into table, drawing
// from random; the result says how to build it again.
Level buildNew(QStringView record, QImage& working, PieceTable& table, RandomSource& random);
// Builds level again. False (problem set) when the rebuilt table is not the saved level's.
bool rebuild(const Level& level, QImage& working, PieceTable& table, QString* problem);

// The level and the state of play (a drag under way must have been ended first).
SavedGame::Document capture(const JigsawPlay& play, const Level& level, int seconds, bool paused);

bool readLevel(const SavedGame::Document& document, Level* level, QString* problem);
// Checks the saved state against built, the level as built (nothing turned, nothing joined),
// and only when all of it is sound adopts it: table becomes the saved table and play resumes
// over it (paused when saved paused). False with problem set otherwise, table and play untouched.
// built and table may be the same table.
bool restore(const SavedGame::Document& document, const Level& level, const PieceTable& built,
    QSize workingPicture, PieceTable& table, JigsawPlay& play, QString* problem);

// The picture at the size a level was cut on (the same scaling a new game makes).
QImage fitted(const QImage& source, QSize size);

// The whole resume of a checked document over the puzzle picture source: the level read and
// built again, its state restored. On success fittedPicture (without seams), working (with
// them), table, play and level hold the resumed game; otherwise none of them changed.
bool resume(const SavedGame::Document& document, const QImage& source, QImage& fittedPicture, QImage& working,
    PieceTable& table, JigsawPlay& play, Level* level, QString* problem);

} // namespace JigsawSave
