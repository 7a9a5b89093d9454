// RandomSource.h: the one uniform random source of a run, passed to everything that draws.
//
// The program uses SystemRandom; tests and quarry-inspect use ScriptedRandom to pin the
// values a worked example needs.
#pragma once

#include <QList>

#include <cstdint>
#include <functional>

class RandomSource
{
public:
    virtual ~RandomSource() = default;
    // Next value, uniform on [0, 1).
    virtual double next() = 0;
    // Mix the clock into the current state before a procedure draws.
    virtual void reseed() = 0;

    // Integer part of u * n: a whole number 0 .. n - 1.
    int below(int n);
    // "random m..n": integer part of u * (n - m + 1) + m.
    int between(int m, int n);
};

// xoshiro256** seeded from the clock; reseed() mixes a fresh clock reading into the current
// state, so two reseeds within one clock tick still continue different sequences.
class SystemRandom : public RandomSource
{
public:
    using ClockReader = std::function<std::uint64_t()>;
    explicit SystemRandom(ClockReader clock = {});
    double next() override;
    void reseed() override;

private:
    std::uint64_t nextBits();
    void mix(std::uint64_t value);
    ClockReader m_clock;
    std::uint64_t m_state[4] = {};
};

// Passes another source's values on and keeps a copy of each, so that what was built from
// them can be built again with a ScriptedRandom over drawn().
class RecordingRandom : public RandomSource
{
public:
    explicit RecordingRandom(RandomSource& source) : m_source(source) { }
    double next() override
    {
        const double value = m_source.next();
        m_values.append(value);
        return value;
    }
    void reseed() override { m_source.reseed(); }
    const QList<double>& drawn() const { return m_values; }

private:
    RandomSource& m_source;
    QList<double> m_values;
};

// Hands out a fixed list of values in order and starts over at the end of the list; reseeds
// change nothing. An empty list gives 0.
class ScriptedRandom : public RandomSource
{
public:
    explicit ScriptedRandom(QList<double> values = {});
    void setValues(QList<double> values);
    double next() override;
    void reseed() override;
    int drawn() const { return m_drawn; }
    int reseeds() const { return m_reseeds; }

private:
    QList<double> m_values;
    int m_drawn = 0;
    int m_reseeds = 0;
};
