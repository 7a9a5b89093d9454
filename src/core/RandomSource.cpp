// RandomSource.cpp: the system generator and the scripted one used by tests.
#include "RandomSource.h"

#include <QDateTime>
#include <QElapsedTimer>

#include <algorithm>

int RandomSource::below(int n)
{
    if (n <= 0)
        return 0;
    return std::clamp(static_cast<int>(next() * n), 0, n - 1);
}

int RandomSource::between(int m, int n)
{
    if (n < m)
        return m;
    return std::clamp(static_cast<int>(next() * (n - m + 1) + m), m, n);
}

namespace {
std::uint64_t splitmix(std::uint64_t& x)
{
    std::uint64_t z = (x += 0x9E3779B97F4A7C15ULL);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
    return z ^ (z >> 31);
}
std::uint64_t rotl(std::uint64_t x, int k) { return (x << k) | (x >> (64 - k)); }

std::uint64_t defaultClock()
{
    return static_cast<std::uint64_t>(QDateTime::currentMSecsSinceEpoch()) * 1000003ULL
        ^ static_cast<std::uint64_t>(QElapsedTimer::clockType());
}
} // namespace

SystemRandom::SystemRandom(ClockReader clock)
    : m_clock(clock ? std::move(clock) : ClockReader(defaultClock))
{
    std::uint64_t seed = m_clock();
    for (auto& word : m_state)
        word = splitmix(seed);
}

std::uint64_t SystemRandom::nextBits()
{
    const std::uint64_t result = rotl(m_state[1] * 5, 7) * 9;
    const std::uint64_t t = m_state[1] << 17;
    m_state[2] ^= m_state[0];
    m_state[3] ^= m_state[1];
    m_state[1] ^= m_state[2];
    m_state[0] ^= m_state[3];
    m_state[2] ^= t;
    m_state[3] = rotl(m_state[3], 45);
    return result;
}

double SystemRandom::next() { return static_cast<double>(nextBits() >> 11) * 0x1.0p-53; }

void SystemRandom::mix(std::uint64_t value)
{
    // The state is advanced as well as mixed, so an unchanged clock still moves the sequence on.
    std::uint64_t seed = value ^ nextBits();
    for (auto& word : m_state)
        word ^= splitmix(seed);
    if ((m_state[0] | m_state[1] | m_state[2] | m_state[3]) == 0)
        m_state[0] = 1;
}

void SystemRandom::reseed() { mix(m_clock()); }

ScriptedRandom::ScriptedRandom(QList<double> values)
    : m_values(std::move(values))
{
}

void ScriptedRandom::setValues(QList<double> values)
{
    m_values = std::move(values);
    m_drawn = 0;
}

double ScriptedRandom::next()
{
    if (m_values.isEmpty())
        return 0.0;
    const double value = m_values[m_drawn % m_values.size()];
    ++m_drawn;
    return value;
}

void ScriptedRandom::reseed() { ++m_reseeds; }
