#pragma once
// A PNG encoder for opaque pictures: 8-bit RGB, every row with the "Up" filter, deflated at a
// low level. Charts are large plain areas and thin lines, which this compresses nearly as well
// as the library's adaptive filtering at a fraction of its time.

#include <QIODevice>
#include <QImage>

namespace zv {

// Writes the picture (its alpha channel ignored) to the device; false on a write error.
bool PngSchreiben(const QImage& bild, QIODevice& ziel);

}  // namespace zv
