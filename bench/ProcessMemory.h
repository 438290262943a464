#pragma once

#include <QtGlobal>

// This process's memory as the kernel counts it, in bytes: what is resident now (VmRSS) and the
// most that has been resident at once (VmHWM). -1 where it cannot be read.
qint64 residentBytes();
qint64 peakResidentBytes();

// Hands memory that the allocator keeps spare back to the system, then lowers the peak to what is
// resident now, so that the next peak belongs to whatever runs next. False where the kernel does
// not allow the reset.
bool resetPeakResident();
