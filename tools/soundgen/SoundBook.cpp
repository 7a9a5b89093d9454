// SoundBook.cpp: the melodies and effects, written out note by note.
//
// Moves are single struck notes on a pentatonic scale, so any run of them sounds tuneful.
// Joins are rising bell chimes, the turn a swoosh over a ratchet, the jingles arpeggios on an
// electric piano over a soft pad, and the fanfares brass calls ending on a held chord.
#include "SoundBook.h"

using namespace Synth;

namespace {

struct Hit
{
    double at;
    int note;
    double length;
};

void play(Track& track, const Voice& voice, const std::vector<Hit>& hits, double gain)
{
    for (const Hit& hit : hits)
        track.note(voice, hit.at, hit.note, hit.length, gain);
}

void chord(Track& track, const Voice& voice, double at, std::initializer_list<int> notes, double length,
           double gain)
{
    for (int note : notes)
        track.note(voice, at, note, length, gain);
}

// ---- moves: one struck note each, ten pitches of C major pentatonic, four timbres.

Track move(Voice (*voice)(), int note)
{
    Track track(0.24);
    track.note(voice(), 0.0, note, 0.235, 1.0);
    return track;
}

// ---- joins: rising chimes.

Track together0()
{
    Track track(0.55);
    play(track, glockenspiel(), { { 0.00, 76, 0.54 }, { 0.08, 83, 0.46 }, { 0.16, 88, 0.38 } }, 0.8);
    return track;
}

Track together1()
{
    Track track(0.55);
    play(track, glockenspiel(), { { 0.00, 72, 0.54 }, { 0.06, 79, 0.48 }, { 0.12, 84, 0.42 }, { 0.18, 88, 0.36 } },
         0.7);
    return track;
}

// ---- turn: a short swoosh with a ratchet on top.

Track rotate()
{
    Track track(0.40);
    track.swoosh(0.0, 0.38, 450, 2600, 1.0);
    const double ticks[] = { 0.05, 0.11, 0.17, 0.23, 0.29 };
    for (int i = 0; i < 5; ++i)
        track.tone(woodblock(), ticks[i], 900 + 110 * i, 0.045, 0.5);
    return track;
}

// ---- start-up jingles.

Track login0()
{
    Track track(2.0);
    play(track, electricPiano(), { { 0.00, 72, 0.5 }, { 0.12, 76, 0.5 }, { 0.24, 79, 0.5 }, { 0.36, 84, 0.6 },
                                   { 0.52, 88, 1.3 } },
         0.5);
    track.note(glockenspiel(), 0.52, 100, 0.9, 0.12);
    chord(track, pad(), 0.50, { 60, 64, 67 }, 1.4, 0.18);
    track.echo(0.16, 0.3, 0.35);
    return track;
}

Track login1()
{
    Track track(2.0);
    play(track, electricPiano(), { { 0.00, 67, 0.4 }, { 0.10, 71, 0.4 }, { 0.20, 74, 0.4 }, { 0.30, 79, 0.5 },
                                   { 0.45, 83, 0.35 }, { 0.60, 79, 0.35 }, { 0.75, 86, 1.15 } },
         0.5);
    chord(track, pad(), 0.72, { 55, 59, 62 }, 1.2, 0.18);
    track.echo(0.15, 0.3, 0.3);
    return track;
}

Track login2()
{
    Track track(2.2);
    play(track, electricPiano(), { { 0.00, 77, 0.5 }, { 0.18, 81, 0.5 }, { 0.36, 84, 0.5 }, { 0.54, 81, 0.4 },
                                   { 0.72, 89, 1.35 } },
         0.5);
    track.note(glockenspiel(), 0.72, 101, 0.8, 0.1);
    chord(track, pad(), 0.70, { 53, 57, 60 }, 1.45, 0.18);
    track.echo(0.18, 0.28, 0.3);
    return track;
}

Track login3()
{
    Track track(2.0);
    play(track, kalimba(), { { 0.00, 74, 0.3 }, { 0.08, 76, 0.3 }, { 0.16, 78, 0.3 }, { 0.24, 81, 0.3 },
                             { 0.32, 83, 0.3 }, { 0.40, 86, 0.3 } },
         0.45);
    play(track, electricPiano(), { { 0.58, 86, 1.3 }, { 0.60, 90, 1.3 } }, 0.45);
    chord(track, pad(), 0.56, { 62, 66, 69 }, 1.4, 0.18);
    track.echo(0.12, 0.3, 0.3);
    return track;
}

// ---- completion fanfares.

Track success0()
{
    Track track(2.3);
    play(track, brass(), { { 0.00, 67, 0.11 }, { 0.14, 67, 0.11 }, { 0.28, 67, 0.11 }, { 0.42, 72, 1.6 } }, 0.5);
    chord(track, brass(), 0.42, { 64, 67 }, 1.6, 0.25);
    play(track, glockenspiel(), { { 0.42, 84, 0.8 }, { 0.52, 88, 0.8 }, { 0.62, 91, 0.8 }, { 0.72, 96, 1.0 } }, 0.15);
    track.echo(0.2, 0.25, 0.3);
    return track;
}

Track success1()
{
    Track track(2.2);
    play(track, brass(), { { 0.00, 60, 0.1 }, { 0.07, 64, 0.1 }, { 0.14, 67, 0.1 }, { 0.21, 72, 0.1 },
                           { 0.28, 76, 0.1 }, { 0.35, 79, 0.1 }, { 0.45, 84, 1.5 } },
         0.45);
    chord(track, brass(), 0.45, { 72, 76, 79 }, 1.5, 0.2);
    chord(track, pad(), 0.45, { 48, 55 }, 1.6, 0.2);
    track.echo(0.18, 0.25, 0.3);
    return track;
}

Track success2()
{
    Track track(2.4);
    play(track, brass(), { { 0.00, 72, 0.1 }, { 0.13, 72, 0.1 }, { 0.26, 72, 0.1 }, { 0.39, 76, 0.3 },
                           { 0.75, 74, 0.13 }, { 0.90, 79, 1.3 } },
         0.5);
    chord(track, brass(), 0.90, { 71, 74 }, 1.3, 0.22);
    chord(track, pad(), 0.88, { 43, 55 }, 1.4, 0.2);
    track.echo(0.2, 0.25, 0.3);
    return track;
}

Track success3()
{
    Track track(2.4);
    play(track, brass(), { { 0.00, 65, 0.25 }, { 0.30, 69, 0.1 }, { 0.42, 72, 0.25 }, { 0.72, 77, 1.5 } }, 0.5);
    chord(track, brass(), 0.72, { 69, 72 }, 1.5, 0.22);
    track.note(glockenspiel(), 0.72, 89, 1.0, 0.12);
    track.echo(0.22, 0.25, 0.3);
    return track;
}

Track success4()
{
    Track track(2.4);
    play(track, glockenspiel(), { { 0.00, 96, 0.5 }, { 0.12, 91, 0.5 }, { 0.24, 88, 0.5 }, { 0.36, 84, 0.5 },
                                  { 0.54, 84, 0.5 }, { 0.66, 88, 0.5 }, { 0.78, 91, 0.5 }, { 0.90, 96, 1.4 } },
         0.5);
    chord(track, glockenspiel(), 0.90, { 72, 76, 79 }, 1.4, 0.3);
    chord(track, pad(), 0.88, { 60, 67 }, 1.45, 0.15);
    track.echo(0.15, 0.3, 0.3);
    return track;
}

Track success5()
{
    Track track(2.2);
    play(track, brass(), { { 0.00, 70, 0.09 }, { 0.10, 74, 0.09 }, { 0.20, 77, 0.09 }, { 0.30, 82, 0.12 },
                           { 0.45, 77, 0.12 }, { 0.60, 82, 1.5 } },
         0.5);
    chord(track, brass(), 0.60, { 74, 77 }, 1.5, 0.22);
    chord(track, pad(), 0.58, { 46, 58 }, 1.55, 0.18);
    track.echo(0.2, 0.25, 0.3);
    return track;
}

} // namespace

const std::vector<SoundRecipe>& soundBook()
{
    static const std::vector<SoundRecipe> book = {
        { "login0", login0, 0.7 },
        { "login1", login1, 0.7 },
        { "login2", login2, 0.7 },
        { "login3", login3, 0.7 },
        { "move0", [] { return move(marimba, 72); }, 0.45 },
        { "move1", [] { return move(kalimba, 74); }, 0.45 },
        { "move2", [] { return move(woodblock, 76); }, 0.45 },
        { "move3", [] { return move(marimba, 79); }, 0.45 },
        { "move4", [] { return move(kalimba, 81); }, 0.45 },
        { "move5", [] { return move(woodblock, 84); }, 0.45 },
        { "move6", [] { return move(marimba, 86); }, 0.45 },
        { "move7", [] { return move(glockenspiel, 88); }, 0.45 },
        { "move8", [] { return move(kalimba, 91); }, 0.45 },
        { "move9", [] { return move(glockenspiel, 93); }, 0.45 },
        { "success0", success0, 0.7 },
        { "success1", success1, 0.7 },
        { "success2", success2, 0.7 },
        { "success3", success3, 0.7 },
        { "success4", success4, 0.7 },
        { "success5", success5, 0.7 },
        { "together0", together0, 0.55 },
        { "together1", together1, 0.55 },
        { "rotate", rotate, 0.55 },
    };
    return book;
}
