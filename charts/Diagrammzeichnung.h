#pragma once
// Draws the data of a chart into a QCustomPlot: every value and label comes from the chart
// data, nothing is computed here but drawn coordinates. German captions, the report's decimal
// separator on the ticks, colours of the Okabe-Ito palette, and marks that differ in shape or
// line style as well.

#include <qcustomplot.h>

#include <QString>

#include "chartdata/Diagrammarten.h"

namespace zv {

// The ranges the axes got when the chart was drawn, to return to them.
struct Ansicht {
    QCPRange X;
    QCPRange Y;
};

// Draws the chart of the given kind into a plot that shows nothing yet, by the kind's draw
// routine. residuen: the
// residuals of the scatter chart are shown. A chart the data do not hold (the lists could not
// be read, or another mode) is drawn as its title with the report's line beneath. The texts
// are fitted to the plot's size so that none runs out of the chart or over another: for a
// plot without a parent widget (a picture; resize it first) at once, for a plot in a window
// each time it is drawn at a new size.
Ansicht Zeichnen(QCustomPlot& plot, const Diagrammdaten& daten, Diagrammart art, bool residuen);

// Puts the axes back to the ranges they had when drawn.
void AnsichtHerstellen(QCustomPlot& plot, const Ansicht& ansicht);

// Mouse wheel zooms and dragging pans both axes; a range that could no longer be drawn
// (overflowing or too narrow for the tick arithmetic) is refused and the previous one kept.
void BedienbarMachen(QCustomPlot& plot);

// The locale whose decimal separator is the report's, without group separators.
QLocale Zahlenformat(const std::string& dezimal);

}  // namespace zv
