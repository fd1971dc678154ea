#pragma once
// The chart of the report tool: drawn into a file without a window.

#include <functional>
#include <string>

#include "charts/Diagrammzeichnung.h"

namespace zv {

// Draws the chart of the given kind breite x hoehe pixels large into the file at pfad, PNG or
// PDF by its extension. Starts the toolkit where no application runs yet, on the offscreen
// platform unless one was chosen, so that no display is needed. Returns the empty text, or
// one German line saying why no file was written.
std::string DiagrammdateiSchreiben(const Diagrammdaten& daten, Diagrammart art, int breite,
                                   int hoehe, const std::string& pfad);

// Runs arbeit inside the toolkit: directly where an application runs already, else in one
// started for it on the offscreen platform (unless a platform was chosen), with the toolkit's
// notes kept off the error stream. Returns what arbeit returns.
std::string MitWerkzeugAnwendung(const std::function<std::string()>& arbeit);

}  // namespace zv
