#pragma once

#include <QFont>

// The plain sans-serif face of the windows: Liberation Sans (Arial's metrics) where installed,
// else the desktop's sans-serif, at the given size and weight.
QFont screenFont(qreal points, bool bold);
