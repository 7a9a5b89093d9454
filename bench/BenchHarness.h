// BenchHarness.h: a small timing harness. Benchmarks register themselves with QUARRY_BENCH;
// quarry-bench runs each body many times and prints one table row per benchmark.
//
//     QUARRY_BENCH(ReadFavRecord_default, "< 1 ms: every new game reads it")
//     {
//         static const QString folder = Bench::runtimeDir();  // set-up runs in the untimed warm-up
//         Bench::keep(ReadFavRecord(folder, Game::Sliding, random));
//     }
//
// The body is one iteration. Its first call is a warm-up outside the timing, so function-local
// statics are the place for set-up. Fast bodies are timed in batches long enough for the clock;
// each batch gives one sample of the time per iteration. A goal on single events (a 95th
// percentile of drag steps) is registered with QUARRY_BENCH_EACH: every iteration is then a
// sample of its own, however short. Work inside a body that is not part of what is measured
// (taking down the previous iteration's windows) runs under a Bench::Untimed guard.
// QUARRY_BENCH_SAMPLES takes exactly the given number of single-event samples (a goal over a
// fixed set of cases, each iteration one case).
//
// Memory goals are rows of their own: a QUARRY_BENCH_MEMORY body makes its set-up (statics), then
// does the work once and returns the bytes it measured (see PeakMemory.h), or a negative number
// where nothing can be measured; the row then says "not measured". Every call is a sample.
#pragma once

#include <QString>
#include <QStringList>
#include <QTextStream>

namespace Bench {

using Body = void (*)();
// Bytes measured by one call of a memory row; negative: not measured on this system.
using MemoryBody = long long (*)();

// How the iterations of a benchmark are grouped into samples.
enum class Sampling {
    Batched, // as many iterations per sample as the clock needs
    Each, // one iteration per sample: percentiles are those of single events
};

// Adds a benchmark to the table; made by QUARRY_BENCH and QUARRY_BENCH_EACH.
struct Registration
{
    Registration(const char* name, const char* goal, Body body, Sampling sampling = Sampling::Batched,
        int samples = 0);
    Registration(const char* name, const char* goal, MemoryBody body);
};

// While one lives, the clock of the current sample stands still.
class Untimed
{
public:
    Untimed();
    ~Untimed();
    Untimed(const Untimed&) = delete;
    Untimed& operator=(const Untimed&) = delete;

private:
    long long m_start;
};

// Runs the benchmarks as the command line asks (see usage()); returns the exit status. Every row's
// name ends in nameSuffix (filters see the names without it).
int run(const QStringList& args, QTextStream& out, QTextStream& err, const QString& nameSuffix = {});

// The folder of the executable: the program's data folder in a build or install tree.
QString runtimeDir();

// Keeps a computed value alive so the optimiser cannot drop the work that produced it.
void keepAlive(const void* value);
template <typename T>
void keep(const T& value)
{
    keepAlive(&value);
}

} // namespace Bench

#define QUARRY_BENCH(name, goal)                                                                                  \
    static void quarryBench_##name();                                                                             \
    static const Bench::Registration quarryBenchRegistration_##name(#name, goal, &quarryBench_##name);            \
    static void quarryBench_##name()

#define QUARRY_BENCH_SAMPLES(name, goal, samples)                                                                 \
    static void quarryBench_##name();                                                                             \
    static const Bench::Registration quarryBenchRegistration_##name(                                              \
        #name, goal, &quarryBench_##name, Bench::Sampling::Each, samples);                                        \
    static void quarryBench_##name()

#define QUARRY_BENCH_MEMORY(name, goal)                                                                           \
    static long long quarryBench_##name();                                                                        \
    static const Bench::Registration quarryBenchRegistration_##name(#name, goal, &quarryBench_##name);            \
    static long long quarryBench_##name()

#define QUARRY_BENCH_EACH(name, goal)                                                                             \
    static void quarryBench_##name();                                                                             \
    static const Bench::Registration quarryBenchRegistration_##name(                                              \
        #name, goal, &quarryBench_##name, Bench::Sampling::Each);                                                 \
    static void quarryBench_##name()
