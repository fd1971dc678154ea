#include "charts/Textlegende.h"

#include <algorithm>

namespace zv {

Textlegende::Textlegende(QCPLegend* legende, const QString& text)
    : QCPAbstractLegendItem(legende), text_(text) {}

QRect Textlegende::Textrahmen(const QFontMetrics& metrik) const {
    return metrik.boundingRect(0, 0, 0, mParentLegend->iconSize().height(), Qt::TextDontClip,
                               text_);
}

void Textlegende::draw(QCPPainter* maler) {
    maler->setFont(mFont);
    maler->setPen(QPen(mTextColor));
    const QSize symbol = mParentLegend->iconSize();
    const QRect rahmen = Textrahmen(maler->fontMetrics());
    const int x = mRect.x() + mMargins.left() + symbol.width() + mParentLegend->iconTextPadding();
    const int y = mRect.y() + mMargins.top() + std::max(0, symbol.height() - rahmen.height()) / 2;
    maler->drawText(x, y, rahmen.width(), rahmen.height(), Qt::TextDontClip, text_);
}

QSize Textlegende::minimumOuterSizeHint() const {
    const QSize symbol = mParentLegend->iconSize();
    const QRect rahmen = Textrahmen(QFontMetrics(mFont));
    return {symbol.width() + mParentLegend->iconTextPadding() + rahmen.width() + mMargins.left() +
                mMargins.right(),
            std::max(symbol.height(), rahmen.height()) + mMargins.top() + mMargins.bottom()};
}

}  // namespace zv
