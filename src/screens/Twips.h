#pragma once

#include <QRect>
#include <QSize>

// Window geometry is designed in twips, 1/1440 inch: 15 twips are one device-independent pixel.
// Qt scales device-independent pixels for high-density screens by itself.
constexpr int twipsToPixels(int twips) {
    return (twips * 2 + 15) / 30;
}

constexpr QRect twipsRect(int left, int top, int width, int height) {
    return {twipsToPixels(left), twipsToPixels(top), twipsToPixels(width), twipsToPixels(height)};
}

constexpr QSize twipsSize(int width, int height) {
    return {twipsToPixels(width), twipsToPixels(height)};
}
