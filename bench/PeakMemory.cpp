// PeakMemory.cpp: peak resident growth from /proc on Linux; "not measured" elsewhere.
#include "PeakMemory.h"

#if defined(__linux__)
#include <fstream>
#include <string>
#if defined(__GLIBC__)
#include <malloc.h>
#endif
#endif

namespace Bench {

namespace {

#if defined(__linux__)
// A "Name:   1234 kB" line of /proc/self/status, in KiB; -1 when missing.
long long statusKiB(const char* name)
{
    std::ifstream status("/proc/self/status");
    std::string line;
    const std::string key = std::string(name) + ':';
    while (std::getline(status, line)) {
        if (line.compare(0, key.size(), key) == 0)
            return std::stoll(line.substr(key.size()));
    }
    return -1;
}

bool resetPeak()
{
    std::ofstream clear("/proc/self/clear_refs");
    clear << "5";
    clear.flush();
    return bool(clear);
}
#endif

} // namespace

PeakMemory::PeakMemory()
{
#if defined(__linux__)
#if defined(__GLIBC__)
    malloc_trim(0);
#endif
    if (!resetPeak())
        return;
    const long long resident = statusKiB("VmRSS");
    // A reset the kernel ignored leaves an older, higher peak: the growth is then not known.
    if (resident >= 0 && statusKiB("VmHWM") <= resident + 256)
        m_startKiB = resident;
#endif
}

long long PeakMemory::grownBytes() const
{
#if defined(__linux__)
    if (m_startKiB < 0)
        return -1;
    const long long peak = statusKiB("VmHWM");
    if (peak < 0)
        return -1;
    return (peak > m_startKiB ? peak - m_startKiB : 0) * 1024;
#else
    return -1;
#endif
}

} // namespace Bench
