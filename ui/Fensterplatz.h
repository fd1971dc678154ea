#pragma once
// Where a window that opens beside the main window goes, given in outer frames (title bar and
// border included) and screen pixels.

#include <QRect>
#include <QSize>
#include <vector>

// The frame of a window of the given outer size beside the main window's frame haupt, inside
// the screen's available area flaeche:
// - right of the main window if it fits there, else left of it, with its top at the main
//   window's top as far as the area allows;
// - where neither side has room for its width, on the side with more room, made as narrow as
//   that room if it is at least as wide as kleinste;
// - else at its size or at the size kleinste, wherever it covers least of the areas to keep
//   free (the main window's inputs, list and buttons); of equal ones the larger, then the one
//   covering least of the main window, the right first.
// Never larger than the area and always inside it.
QRect PlatzDaneben(const QRect& haupt, QSize groesse, QSize kleinste, const QRect& flaeche,
                   const std::vector<QRect>& freihalten);
