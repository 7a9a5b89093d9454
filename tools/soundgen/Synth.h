// Synth.h: a tiny additive synthesiser for the game's effects, jingles and fanfares.
//
// Sounds are mixed in doubles on a fixed-length track and written as 16-bit PCM at the end.
// Every voice starts and stops with a smooth envelope, so nothing clicks.
#pragma once

#include <cstdint>
#include <vector>

namespace Synth {

constexpr int SampleRate = 44100;

// Equal-tempered frequency of a MIDI note number (69 = A4 = 440 Hz).
double hz(int midiNote);

// One sine component of a voice.
struct Partial
{
    double ratio; // frequency as a multiple of the note's
    double amplitude;
    double decay; // exponential decay rate per second; 0 holds the level
    double lag = 0; // extra fade-in time in seconds (brass brightens as it speaks)
};

struct Voice
{
    std::vector<Partial> partials;
    double attack = 0.004; // raised-cosine fade-in, seconds
    double release = 0.03; // raised-cosine fade-out at the end of the note, seconds
    double vibratoDepth = 0; // fraction of the frequency
    double vibratoRate = 5.5; // Hz
    double vibratoDelay = 0.12; // seconds before vibrato sets in
};

// The instruments.
Voice marimba();
Voice kalimba();
Voice woodblock();
Voice glockenspiel();
Voice electricPiano();
Voice brass();
Voice pad();

class Track
{
public:
    explicit Track(double seconds);

    // A note of voice starting at start seconds, lasting duration seconds, scaled by gain.
    void note(const Voice& voice, double start, int midiNote, double duration, double gain);
    void tone(const Voice& voice, double start, double frequency, double duration, double gain);
    // Noise through a band-pass whose centre glides from fromHz to toHz, shaped by a sine hump.
    void swoosh(double start, double duration, double fromHz, double toHz, double gain);
    // A feedback echo, for a little room around the music.
    void echo(double delay, double feedback, double mix);

    // Scales to peak, fades the very ends and converts to 16-bit samples.
    std::vector<std::int16_t> finish(double peak) const;

    double seconds() const { return double(m_samples.size()) / SampleRate; }

private:
    std::vector<double> m_samples;
    std::uint32_t m_noise = 0x2545F491u; // fixed seed: the files come out the same on every build
};

} // namespace Synth
