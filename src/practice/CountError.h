#pragma once

#include "core/MODULE11.h"

#include <limits>

// One more error in the pass. The count is 16 bits wide: it stops at 32767 rather than wrap round
// to a negative number of errors.
inline void countError(MODULE11& shared) {
    if (shared.ErrorCount < std::numeric_limits<qint16>::max())
        ++shared.ErrorCount;
}
