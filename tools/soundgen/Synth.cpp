// Synth.cpp: voices, notes, noise and the final conversion to 16-bit samples.
#include "Synth.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace Synth {

namespace {
constexpr double TwoPi = 2 * std::numbers::pi;
// Components above this fraction of the sample rate are left out instead of folding back.
constexpr double HighestFraction = 0.45;
// Fade applied to the first and last samples of every file.
constexpr double EdgeFadeIn = 0.002;
constexpr double EdgeFadeOut = 0.012;

// 0 → 1 along half a cosine: no corner at either end.
double smoothRise(double x)
{
    if (x <= 0)
        return 0;
    if (x >= 1)
        return 1;
    return 0.5 - 0.5 * std::cos(std::numbers::pi * x);
}
} // namespace

double hz(int midiNote) { return 440.0 * std::pow(2.0, (midiNote - 69) / 12.0); }

Voice marimba() { return { { { 1, 1, 9 }, { 3.93, 0.32, 28 }, { 9.2, 0.07, 60 } }, 0.003, 0.03 }; }

Voice kalimba() { return { { { 1, 1, 11 }, { 5.95, 0.22, 38 }, { 2.0, 0.08, 18 } }, 0.003, 0.03 }; }

Voice woodblock() { return { { { 1, 1, 26 }, { 2.45, 0.45, 45 }, { 4.1, 0.18, 70 } }, 0.002, 0.025 }; }

Voice glockenspiel()
{
    return { { { 1, 1, 6 }, { 2.76, 0.42, 12 }, { 5.40, 0.22, 20 }, { 8.93, 0.09, 32 } }, 0.002, 0.04 };
}

Voice electricPiano()
{
    return { { { 1, 1, 2.4 }, { 2, 0.32, 4.5 }, { 3, 0.12, 7 }, { 4, 0.05, 10 } }, 0.006, 0.08 };
}

Voice brass()
{
    Voice voice;
    for (int n = 1; n <= 8; ++n)
        voice.partials.push_back({ double(n), 1.0 / std::pow(n, 1.15), 0.35, 0.012 * (n - 1) });
    voice.attack = 0.03;
    voice.release = 0.09;
    voice.vibratoDepth = 0.004;
    return voice;
}

Voice pad()
{
    Voice voice { { { 1, 1, 0.5 }, { 1.003, 0.6, 0.5 }, { 2, 0.18, 0.8 } }, 0.12, 0.35 };
    return voice;
}

Track::Track(double seconds)
    : m_samples(static_cast<std::size_t>(seconds * SampleRate), 0.0)
{
}

void Track::note(const Voice& voice, double start, int midiNote, double duration, double gain)
{
    tone(voice, start, hz(midiNote), duration, gain);
}

void Track::tone(const Voice& voice, double start, double frequency, double duration, double gain)
{
    const auto first = static_cast<std::size_t>(std::max(0.0, start) * SampleRate);
    const auto count = static_cast<std::size_t>(duration * SampleRate);
    const double release = std::min(voice.release, duration / 2);
    for (const Partial& partial : voice.partials) {
        const double partialHz = frequency * partial.ratio;
        if (partialHz >= HighestFraction * SampleRate)
            continue;
        double phase = 0;
        for (std::size_t i = 0; i < count && first + i < m_samples.size(); ++i) {
            const double t = double(i) / SampleRate;
            const double vibrato = t > voice.vibratoDelay
                ? voice.vibratoDepth * smoothRise((t - voice.vibratoDelay) / 0.2)
                    * std::sin(TwoPi * voice.vibratoRate * t)
                : 0.0;
            phase += TwoPi * partialHz * (1 + vibrato) / SampleRate;
            const double envelope = smoothRise(t / voice.attack) * smoothRise((duration - t) / release)
                * (partial.lag > 0 ? smoothRise(t / partial.lag) : 1.0) * std::exp(-partial.decay * t);
            m_samples[first + i] += gain * partial.amplitude * envelope * std::sin(phase);
        }
    }
}

void Track::swoosh(double start, double duration, double fromHz, double toHz, double gain)
{
    const auto first = static_cast<std::size_t>(start * SampleRate);
    const auto count = static_cast<std::size_t>(duration * SampleRate);
    // Two state-variable band-pass stages over white noise: a soft, airy band, not a hiss.
    double low1 = 0, band1 = 0, low2 = 0, band2 = 0;
    const double damping = 0.6;
    for (std::size_t i = 0; i < count && first + i < m_samples.size(); ++i) {
        const double x = double(i) / count;
        m_noise = m_noise * 1664525u + 1013904223u;
        const double white = double(m_noise >> 8) / double(1u << 24) * 2 - 1;
        const double centre = fromHz * std::pow(toHz / fromHz, x);
        const double f = 2 * std::sin(std::numbers::pi * centre / SampleRate);
        low1 += f * band1;
        band1 += f * (white - low1 - damping * band1);
        low2 += f * band2;
        band2 += f * (band1 - low2 - damping * band2);
        const double hump = std::pow(std::sin(std::numbers::pi * x), 2);
        m_samples[first + i] += gain * hump * band2;
    }
}

void Track::echo(double delay, double feedback, double mix)
{
    const auto lag = static_cast<std::size_t>(delay * SampleRate);
    std::vector<double> wet(m_samples.size(), 0.0);
    for (std::size_t i = lag; i < m_samples.size(); ++i)
        wet[i] = (m_samples[i - lag] + wet[i - lag]) * feedback;
    for (std::size_t i = 0; i < m_samples.size(); ++i)
        m_samples[i] += mix * wet[i];
}

std::vector<std::int16_t> Track::finish(double peak) const
{
    double loudest = 0;
    for (double s : m_samples)
        loudest = std::max(loudest, std::abs(s));
    const double scale = loudest > 0 ? peak / loudest : 0;
    const double total = seconds();
    std::vector<std::int16_t> out(m_samples.size());
    for (std::size_t i = 0; i < m_samples.size(); ++i) {
        const double t = double(i) / SampleRate;
        const double edge = smoothRise(t / EdgeFadeIn) * smoothRise((total - t) / EdgeFadeOut);
        const double value = std::clamp(m_samples[i] * scale * edge, -1.0, 1.0);
        out[i] = static_cast<std::int16_t>(std::lround(value * 32767));
    }
    return out;
}

} // namespace Synth
