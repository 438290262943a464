#pragma once

#include <QtGlobal>

#include <ctime>

// Nanoseconds on the system's monotonic clock, which every process reads alike: a parent can
// subtract the moment it started a child from a moment the child reports.
inline qint64 monotonicNanoseconds() {
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return qint64(now.tv_sec) * 1'000'000'000 + now.tv_nsec;
}
