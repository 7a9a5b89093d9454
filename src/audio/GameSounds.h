// GameSounds.h: every sound the start window and both games make, over the run's services.
//
// Each random choice of a file is preceded by a reseed and draws one value. Effects consult the
// sound switch, field S of the record passed in (non-zero = on); the jingles play regardless.
// Failures are silent: a missing file, device or service just means nothing is heard.
#pragma once

#include "Mmedia.h"

#include <QStringView>

#include <memory>

struct AppContext;

class GameSounds
{
public:
    // context is read at each call (its sound paths are set when the first window loads).
    // minute is handed to every media object made here; empty reads the local time.
    explicit GameSounds(const AppContext& context, Mmedia::MinuteClock minute = {});

    // A media object over the context's device layer (Wait false), for a window's jingle or fanfare.
    std::unique_ptr<Mmedia> makeMedia() const;

    // Field S of record is non-zero.
    static bool soundOn(QStringView record);

    // Window jingle: Wait false, reseed, d = below(4), open login<d>.wav on media, play.
    void playJingle(Mmedia& media);
    // Sliding move: when S is on, reseed, d = below(10), effect move<d>.wav. True when it started.
    bool playMove(QStringView record);
    // Jigsaw turn: when S is on, effect rotate.wav.
    bool playRotate(QStringView record);
    // Jigsaw join: when S is on, reseed, d = below(2), effect together<d>.wav.
    bool playJoin(QStringView record);
    // Jigsaw completion: when S is on, reseed, d = below(6), effect success<d>.wav, then close
    // jingle. Returns whether the effect started.
    bool playJigsawSuccess(QStringView record, Mmedia& jingle);
    // Sliding completion: when S is on, reseed, d = below(6), open success<d>.wav on fanfare (which
    // closes an earlier fanfare first, and plays with Wait false like a fresh object), play, then
    // close jingle.
    void playSlidingFanfare(QStringView record, Mmedia& fanfare, Mmedia& jingle);

private:
    int draw(int count) const;
    bool effect(const QString& file) const;

    const AppContext& m_context;
    Mmedia::MinuteClock m_minute;
};
