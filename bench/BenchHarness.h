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
// each batch gives one sample of the time per iteration.
#pragma once

#include <QString>
#include <QStringList>
#include <QTextStream>

namespace Bench {

using Body = void (*)();

// Adds a benchmark to the table; made by QUARRY_BENCH.
struct Registration
{
    Registration(const char* name, const char* goal, Body body);
};

// Runs the benchmarks as the command line asks (see usage()); returns the exit status.
int run(const QStringList& args, QTextStream& out, QTextStream& err);

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
