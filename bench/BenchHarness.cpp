// BenchHarness.cpp: registry, timing loop, statistics and the result table of quarry-bench.
#include "BenchHarness.h"

#include <QCoreApplication>

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <optional>
#include <vector>

namespace Bench {

namespace {

struct Entry
{
    QString name;
    QString goal;
    Body body;
    Sampling sampling;
    int samples = 0; // exactly this many when above 0
    MemoryBody memory = nullptr;
};

std::vector<Entry>& registry()
{
    static std::vector<Entry> entries;
    return entries;
}

struct Options
{
    double seconds = 1.0;
    QStringList filters;
    bool list = false;
    bool once = false;
};

// The shortest batch worth timing: far above the clock's resolution and the cost of reading it.
constexpr std::int64_t MinBatchNs = 200'000;
// Every benchmark gets at least this many samples, however slow; fast ones stop at the maximum.
constexpr std::size_t MinSamples = 5;
constexpr std::size_t MaxSamples = 1000;

using Clock = std::chrono::steady_clock;

std::int64_t nowNs()
{
    return std::chrono::duration_cast<std::chrono::nanoseconds>(Clock::now().time_since_epoch()).count();
}

// Time spent under Bench::Untimed guards since the program started.
std::int64_t g_untimedNs = 0;

std::int64_t timeBatch(Body body, std::int64_t iterations)
{
    const std::int64_t untimedBefore = g_untimedNs;
    const std::int64_t start = nowNs();
    for (std::int64_t i = 0; i < iterations; ++i)
        body();
    const std::int64_t elapsed = nowNs() - start - (g_untimedNs - untimedBefore);
    return std::max<std::int64_t>(elapsed, 0);
}

// Iterations per sample: doubled (or scaled by the shortfall) until one batch is long enough.
std::int64_t calibrate(Body body)
{
    std::int64_t batch = 1;
    std::int64_t elapsed = timeBatch(body, batch);
    while (elapsed < MinBatchNs && batch < (std::int64_t(1) << 40)) {
        const std::int64_t factor = std::clamp<std::int64_t>(MinBatchNs * 5 / 4 / std::max<std::int64_t>(elapsed, 1), 2, 100);
        batch *= factor;
        elapsed = timeBatch(body, batch);
    }
    return batch;
}

struct Stats
{
    double median = 0;
    double p25 = 0;
    double p75 = 0;
    double p95 = 0;
    double min = 0;
    double max = 0;
    std::size_t samples = 0;
    std::int64_t batch = 0;
};

// Linear interpolation between the closest ranks of a sorted list.
double quantile(const std::vector<double>& sorted, double q)
{
    const double position = q * double(sorted.size() - 1);
    const std::size_t low = std::size_t(position);
    const std::size_t high = std::min(low + 1, sorted.size() - 1);
    return sorted[low] + (sorted[high] - sorted[low]) * (position - double(low));
}

Stats summary(std::vector<double> samples, Stats stats);

Stats measure(const Entry& entry, double seconds, bool once)
{
    const Body body = entry.body;
    body(); // warm-up and set-up, untimed
    Stats stats;
    stats.batch = once || entry.sampling == Sampling::Each ? 1 : calibrate(body);
    const auto budget = std::int64_t(seconds * 1e9);
    std::int64_t spent = 0;
    std::vector<double> samples;
    const std::size_t minSamples = once ? 1 : entry.samples > 0 ? std::size_t(entry.samples) : MinSamples;
    const std::size_t maxSamples = entry.samples > 0 ? minSamples : MaxSamples;
    while (samples.size() < minSamples || (!once && spent < budget && samples.size() < maxSamples)) {
        const std::int64_t ns = timeBatch(body, stats.batch);
        spent += ns;
        samples.push_back(double(ns) / double(stats.batch));
    }
    return summary(std::move(samples), stats);
}

// Every call of a memory row is one sample, in bytes, the first included: a first use is what a
// player pays (the body makes its set-up before it starts measuring). Nothing is measured when
// one call could not measure.
std::optional<Stats> measureMemory(const Entry& entry, bool once)
{
    std::vector<double> samples;
    while (samples.size() < (once ? 1 : MinSamples)) {
        const long long bytes = entry.memory();
        if (bytes < 0)
            return std::nullopt;
        samples.push_back(double(bytes));
    }
    Stats stats;
    stats.batch = 1;
    return summary(std::move(samples), stats);
}

Stats summary(std::vector<double> samples, Stats stats)
{
    std::sort(samples.begin(), samples.end());
    stats.median = quantile(samples, 0.5);
    stats.p25 = quantile(samples, 0.25);
    stats.p75 = quantile(samples, 0.75);
    stats.p95 = quantile(samples, 0.95);
    stats.min = samples.front();
    stats.max = samples.back();
    stats.samples = samples.size();
    return stats;
}

// Three significant digits in the largest unit that keeps the rounded number at 1 or more.
QString formatTime(double ns)
{
    static const struct
    {
        double scale;
        const char* unit;
    } units[] = {{1e9, "s"}, {1e6, "ms"}, {1e3, "us"}, {1, "ns"}};
    for (const auto& u : units) {
        if (ns >= u.scale * 0.9995 || u.scale == 1)
            return QString::number(ns / u.scale, 'g', 3) + QLatin1Char(' ') + QLatin1String(u.unit);
    }
    return {};
}

QString range(double low, double high) { return formatTime(low) + QStringLiteral(" - ") + formatTime(high); }

// Three significant digits, in MiB from 1 MiB up, else in KiB.
QString formatBytes(double bytes)
{
    const bool mib = bytes >= 1024.0 * 1024.0;
    return QString::number(bytes / (mib ? 1024.0 * 1024.0 : 1024.0), 'g', 3) + (mib ? QStringLiteral(" MiB") : QStringLiteral(" KiB"));
}

int usage(QTextStream& err)
{
    err << "usage: quarry-bench [--seconds S | --once] [--filter TEXT]... [--list]\n"
           "  --seconds S    time to spend on each benchmark (default 1; at least 5 samples are taken)\n"
           "  --once         time each benchmark once: a check that all of them run, not a measurement\n"
           "  --filter TEXT  run only benchmarks whose name contains TEXT (may be repeated)\n"
           "  --list         print the names and goals of the benchmarks and stop\n";
    err.flush();
    return 2;
}

bool parse(const QStringList& args, Options& options)
{
    for (qsizetype i = 0; i < args.size(); ++i) {
        const QString& arg = args[i];
        if (arg == u"--list") {
            options.list = true;
        } else if (arg == u"--once") {
            options.once = true;
        } else if ((arg == u"--seconds" || arg == u"--filter") && i + 1 < args.size()) {
            const QString& value = args[++i];
            if (arg == u"--filter") {
                options.filters << value;
                continue;
            }
            bool ok = false;
            options.seconds = value.toDouble(&ok);
            if (!ok || !(options.seconds >= 0 && options.seconds <= 3600))
                return false;
        } else {
            return false;
        }
    }
    return true;
}

bool selected(const Entry& entry, const QStringList& filters)
{
    if (filters.isEmpty())
        return true;
    return std::any_of(filters.cbegin(), filters.cend(),
                       [&](const QString& f) { return entry.name.contains(f, Qt::CaseInsensitive); });
}

} // namespace

Registration::Registration(const char* name, const char* goal, Body body, Sampling sampling, int samples)
{
    registry().push_back({QString::fromUtf8(name), QString::fromUtf8(goal), body, sampling, samples});
}

Registration::Registration(const char* name, const char* goal, MemoryBody body)
{
    registry().push_back({QString::fromUtf8(name), QString::fromUtf8(goal), nullptr, Sampling::Each, 0, body});
}

Untimed::Untimed()
    : m_start(nowNs())
{
}

Untimed::~Untimed() { g_untimedNs += nowNs() - m_start; }

QString runtimeDir() { return QCoreApplication::applicationDirPath(); }

namespace {
// Written on every keepAlive; read at exit so that no compiler may call the writes useless.
const void* volatile g_sink = nullptr;
struct SinkReader
{
    ~SinkReader()
    {
        const void* last = g_sink;
        Q_UNUSED(last);
    }
} g_sinkReader;
} // namespace

void keepAlive(const void* value) { g_sink = value; }

int run(const QStringList& args, QTextStream& out, QTextStream& err, const QString& nameSuffix)
{
    Options options;
    if (!parse(args, options))
        return usage(err);
    std::vector<Entry> chosen;
    for (const Entry& entry : registry()) {
        if (selected(entry, options.filters))
            chosen.push_back(entry);
    }
    std::sort(chosen.begin(), chosen.end(), [](const Entry& a, const Entry& b) { return a.name < b.name; });
    if (chosen.empty()) {
        err << "quarry-bench: no benchmark matches\n";
        return usage(err);
    }
    if (options.list) {
        for (const Entry& entry : chosen)
            out << entry.name << "  " << entry.goal << '\n';
        return 0;
    }

    // Wide enough for the longest name with a suffix such as "_ratio2", so that the tables of
    // several runs line up.
    qsizetype nameWidth = 9;
    for (const Entry& entry : registry())
        nameWidth = std::max(nameWidth, entry.name.size() + std::max<qsizetype>(nameSuffix.size(), 7));
    // tools/bench prints its rows (start-up, memory) in the same columns: keep the two in step.
    const auto row = [&](const QString& name, const QString& median, const QString& iqr, const QString& extremes,
                         const QString& p95, const QString& samples, const QString& goal) {
        out << name.leftJustified(nameWidth + 2) << median.leftJustified(11) << iqr.leftJustified(22)
            << extremes.leftJustified(22) << p95.leftJustified(11) << samples.leftJustified(12) << goal << '\n';
        out.flush();
    };
    row(QStringLiteral("benchmark"), QStringLiteral("median"), QStringLiteral("p25 - p75"),
        QStringLiteral("min - max"), QStringLiteral("p95"), QStringLiteral("samples"), QStringLiteral("goal"));
    for (const Entry& entry : chosen) {
        if (entry.memory) {
            const std::optional<Stats> m = measureMemory(entry, options.once);
            const QString none = QStringLiteral("-");
            if (!m)
                row(entry.name + nameSuffix, QStringLiteral("not measured"), none, none, none, none, entry.goal);
            else
                row(entry.name + nameSuffix, formatBytes(m->median), formatBytes(m->p25) + " - " + formatBytes(m->p75),
                    formatBytes(m->min) + " - " + formatBytes(m->max), formatBytes(m->p95),
                    QStringLiteral("%1x1").arg(m->samples), entry.goal);
            continue;
        }
        const Stats s = measure(entry, options.seconds, options.once);
        row(entry.name + nameSuffix, formatTime(s.median), range(s.p25, s.p75), range(s.min, s.max),
            formatTime(s.p95), QStringLiteral("%1x%2").arg(s.samples).arg(s.batch), entry.goal);
    }
    return 0;
}

} // namespace Bench
