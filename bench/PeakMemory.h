// PeakMemory.h: how far the process's resident memory rose above its level at a starting point,
// for the memory rows of quarry-bench.
//
// On Linux the kernel keeps the peak resident size (VmHWM in /proc/self/status) and lets a process
// reset it to the present size (writing 5 to /proc/self/clear_refs): the growth is the peak after
// the work less the resident size at the start. Memory the allocator kept from earlier work is
// handed back first, so that it does not hide the work's own growth. Elsewhere, or where the
// kernel refuses the reset, nothing is measured.
#pragma once

namespace Bench {

class PeakMemory
{
public:
    // Starts measuring from now.
    PeakMemory();
    // The peak resident growth since the start in bytes; negative when it cannot be measured.
    long long grownBytes() const;

private:
    long long m_startKiB = -1;
};

} // namespace Bench
