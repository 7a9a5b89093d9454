// JigsawBenchGame.h: a jigsaw window over a temporary data folder, driven as the player drives it
// (mouse events sent to the piece windows), with its pieces' paints watched.
#pragma once

#include "AppContext.h"
#include "BuiltInPictures.h"
#include "Frm_EyesGame.h"
#include "MessageBoxes.h"
#include "PaintWatch.h"
#include "RandomSource.h"

#include <QList>
#include <QPointF>
#include <QTemporaryDir>

#include <memory>

// 120 dpi while a jigsaw benchmark runs: with the large window below, the play area then takes a
// 667 x 500 picture and the largest shape board has 101 pieces. The other modules' benchmarks see
// the screen's own factor.
class TwipsAt120Dpi {
public:
    TwipsAt120Dpi();
    ~TwipsAt120Dpi();
    TwipsAt120Dpi(const TwipsAt120Dpi&) = delete;
    TwipsAt120Dpi& operator=(const TwipsAt120Dpi&) = delete;
};

class JigsawBenchGame {
public:
    // A game that lives until the application goes: windows must not outlive it, so they are
    // not left to the destructors of statics, which run after main has returned. record is the
    // jigsaw line of the preferences file.
    static JigsawBenchGame& make(const QByteArray& record);

    // Rewrites the jigsaw line; the next game reads it.
    void setRecord(const QByteArray& record);

    // A new picture game with the random values given (the first picks the picture, the next two
    // redraw M and D of the record), returning once every piece window shown has painted. Every
    // game is on the largest built-in picture, chosen as the New game dialog chooses it (a random
    // picture is never the one just played), so the picture's value is not drawn.
    void newGame(QList<double> values);

    // A new game on the picture file at path (values as for newGame, without the picture's),
    // returning once every piece window shown has painted.
    void openPicture(const QString& path, QList<double> values);

    // Mouse events on piece window k, at pixels inside it.
    void press(int k, QPointF pixels);
    void move(int k, QPointF pixels);
    void release(int k, QPointF pixels);

    // Drags unit k with the left button so that it lands at target (twips).
    void dropAt(int k, QPointF target);
    // Drops unit k so that it stands at its home offset relative to unit ref.
    void dropBeside(int ref, int k);

    // The piece windows on show.
    QList<QWidget*> shownPieces() const;

    // The window of a second start over the same data folder: shown, exposed, not yet activated.
    void reopen();

    ScriptedRandom random;
    std::unique_ptr<Frm_EyesGame> window;
    PaintWatch paints;

private:
    explicit JigsawBenchGame(const QByteArray& record);
    void sendMouse(int k, int type, Qt::MouseButton button, QPointF pixels);

    QTemporaryDir m_dir;
    ScriptedMessageBoxes m_messages;
    BuiltInPictures m_pictures;
    AppContext m_context;
};

// The picture, M and D draws, then well spread values for the levels' own draws and the scatter,
// so that no two pieces land on the same place. m is the M draw: below 0.5 the catalogue, from
// 0.5 the shape board; D is drawn as 2, the largest levels.
QList<double> largestLevelDraws(double m);
