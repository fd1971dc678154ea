#pragma once
// Texts of the chart's frame that wrap at word boundaries to the width the plot has instead of
// widening it past its edge: the title and the lines under it, and the legend entries, with a
// symbol (a plottable's) or of text alone (the correlation coefficients, "kein Modus gefunden").
// The widths are taken when the plot lays itself out, so a resized window or a file of another
// size wraps anew.

#include <qcustomplot.h>

#include <QString>

namespace zv {

// The title or a line under it, centred, in as many lines as the plot's width needs.
class Umbruchtext : public QCPTextElement {
  public:
    Umbruchtext(QCustomPlot* plot, const QString& text, const QFont& schrift);

  protected:
    QSize minimumOuterSizeHint() const override;
    QSize maximumOuterSizeHint() const override;

  private:
    QSize Textgroesse() const;
};

// A legend entry of text alone, aligned with the texts of the entries with a symbol.
class Textlegende : public QCPAbstractLegendItem {
  public:
    Textlegende(QCPLegend* legende, const QString& text);
    const QString& Text() const { return text_; }

  protected:
    void draw(QCPPainter* maler) override;
    QSize minimumOuterSizeHint() const override;

  private:
    QString text_;
};

// The legend entry of a plottable: its symbol, and its name wrapped to the legend's column.
class Legendeneintrag : public QCPPlottableLegendItem {
  public:
    Legendeneintrag(QCPLegend* legende, QCPAbstractPlottable* zeichnung);

  protected:
    void draw(QCPPainter* maler) override;
    QSize minimumOuterSizeHint() const override;
};

// The text broken into lines no wider than breite pixels in the font: at word boundaries, and
// inside a word only where the word alone is wider. Line breaks of its own are kept.
QString Umbrochen(const QString& text, const QFont& schrift, int breite);

// Replaces the legend's entries of plottables by entries that wrap, in the same order.
void LegendeUmbrechend(QCPLegend& legende);

}  // namespace zv
