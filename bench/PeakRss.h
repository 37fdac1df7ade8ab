#pragma once
// Peak resident memory of this process as getrusage reports it, and a way to
// start a new peak, so that one benchmark's peak is not another's.
#include <sys/resource.h>

#include <fstream>

namespace peak_rss {

// Lowers the peak to the memory resident now (Linux; without it the peak
// stays that of the whole run, which only overstates).
inline void restart()
{
    std::ofstream("/proc/self/clear_refs") << "5";
}

inline double mebibytes()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return (double)usage.ru_maxrss / 1024.0; // ru_maxrss is in KiB
}

} // namespace peak_rss
