#pragma once
// A legend entry of text alone, for values that have no mark of their own (the correlation
// coefficients, "kein Modus gefunden"), aligned with the texts of the entries with a symbol.

#include <qcustomplot.h>

#include <QString>

namespace zv {

class Textlegende : public QCPAbstractLegendItem {
  public:
    Textlegende(QCPLegend* legende, const QString& text);
    const QString& Text() const { return text_; }

  protected:
    void draw(QCPPainter* maler) override;
    QSize minimumOuterSizeHint() const override;

  private:
    QRect Textrahmen(const QFontMetrics& metrik) const;
    QString text_;
};

}  // namespace zv
