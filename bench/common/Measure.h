#pragma once

// Figures the benchmarks take of a process: clocks, processor time and
// resident memory (Linux). Header only, so that each bench_ program
// includes it without a library of its own.

#include <sys/resource.h>
#include <time.h>

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <fstream>
#include <string>
#include <vector>

namespace bench {

// CLOCK_MONOTONIC in nanoseconds: the same clock in every process, so a
// time printed by a child compares with one taken here.
inline std::int64_t monotonicNs() {
    timespec t{};
    clock_gettime(CLOCK_MONOTONIC, &t);
    return static_cast<std::int64_t>(t.tv_sec) * 1000000000LL + t.tv_nsec;
}

inline double wallSeconds() {
    return static_cast<double>(monotonicNs()) / 1e9;
}

// Processor time of this process, every thread, user and system.
inline double cpuSeconds() {
    timespec t{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_nsec) / 1e9;
}

// User and system time of a finished child, as wait4 reports it.
inline double processorSeconds(const rusage& usage) {
    return static_cast<double>(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
           static_cast<double>(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

// Peak resident memory of a finished child, in MB.
inline double peakMegabytes(const rusage& usage) {
    return static_cast<double>(usage.ru_maxrss) / 1024.0;
}

// A kB figure of /proc/self/status ("VmRSS:", "VmHWM:"), or -1.
inline long statusKb(const char* field) {
    std::ifstream in("/proc/self/status");
    std::string line;
    const std::size_t n = std::strlen(field);
    while (std::getline(in, line))
        if (line.compare(0, n, field) == 0) return std::stol(line.substr(n + 1));
    return -1;
}

inline long residentKb() {
    return statusKb("VmRSS:");
}

// The most this process has held resident so far.
inline long peakResidentKb() {
    return statusKb("VmHWM:");
}

inline double median(std::vector<double> v) {
    if (v.empty()) return 0;
    std::sort(v.begin(), v.end());
    const std::size_t n = v.size();
    return n % 2 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2;
}

}  // namespace bench
