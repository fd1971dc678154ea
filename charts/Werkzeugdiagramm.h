#pragma once
// The chart of the report tool: drawn into a file without a window.

#include <string>

#include "charts/Diagrammzeichnung.h"

namespace zv {

// Draws the chart of the given kind breite x hoehe pixels large into the file at pfad, PNG or
// PDF by its extension. Starts the toolkit where no application runs yet, on the offscreen
// platform unless one was chosen, so that no display is needed. Returns the empty text, or
// one German line saying why no file was written.
std::string DiagrammdateiSchreiben(const Diagrammdaten& daten, Diagrammart art, int breite,
                                   int hoehe, const std::string& pfad);

}  // namespace zv
