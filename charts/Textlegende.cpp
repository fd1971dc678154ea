#include "charts/Textlegende.h"

#include <QTextLayout>
#include <algorithm>

namespace zv {

namespace {

// Narrower than this no text is wrapped: a word or a number then still fits on its line.
constexpr int kSchmalsteZeile = 60;
constexpr int kUmbruch = Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap;

// The width of the plot as it is laid out now (the window's, or the file's while drawn).
int Plotbreite(const QCustomPlot* plot) {
    return plot->viewport().width();
}

// The width the text of a legend entry can take: its column's share of the plot, less the
// legend's margins, the spacing of the columns, the symbol and the entry's own margins.
int Eintragsbreite(const QCPLegend* legende, const QMargins& eigene) {
    const int spalten = std::max(1, legende->wrap());
    const QMargins rand = legende->margins();
    const int frei = Plotbreite(legende->parentPlot()) - rand.left() - rand.right() -
                     (spalten - 1) * legende->columnSpacing() - 2;
    return std::max(kSchmalsteZeile, frei / spalten - legende->iconSize().width() -
                                         legende->iconTextPadding() - eigene.left() -
                                         eigene.right());
}

QRect Eintragstext(const QCPLegend* legende, const QMargins& eigene, const QFont& schrift,
                   const QString& text) {
    return QFontMetrics(schrift).boundingRect(QRect(0, 0, Eintragsbreite(legende, eigene), 1 << 20),
                                              kUmbruch, text);
}

QSize Eintragsgroesse(const QCPLegend* legende, const QMargins& eigene, const QFont& schrift,
                      const QString& text) {
    const QSize symbol = legende->iconSize();
    const QRect rahmen = Eintragstext(legende, eigene, schrift, text);
    return {symbol.width() + legende->iconTextPadding() + rahmen.width() + eigene.left() +
                eigene.right(),
            std::max(symbol.height(), rahmen.height()) + eigene.top() + eigene.bottom()};
}

// The text beside the symbol: centred on it where it is lower, else from its top down.
void EintragZeichnen(QCPPainter* maler, const QCPLegend* legende, const QRect& innen,
                     const QMargins& eigene, const QFont& schrift, const QColor& farbe,
                     const QString& text) {
    maler->setFont(schrift);
    maler->setPen(QPen(farbe));
    const QSize symbol = legende->iconSize();
    const QRect rahmen = Eintragstext(legende, eigene, schrift, text);
    const int x = innen.x() + symbol.width() + legende->iconTextPadding();
    const int y = innen.y() + std::max(0, symbol.height() - rahmen.height()) / 2;
    maler->drawText(QRect(x, y, rahmen.width(), rahmen.height()), kUmbruch, text);
}

}  // namespace

Umbruchtext::Umbruchtext(QCustomPlot* plot, const QString& text, const QFont& schrift)
    : QCPTextElement(plot, text, schrift) {
    setTextFlags(Qt::AlignCenter | Qt::TextWordWrap);
}

QSize Umbruchtext::Textgroesse() const {
    const int breite =
        std::max(kSchmalsteZeile, Plotbreite(mParentPlot) - mMargins.left() - mMargins.right());
    const QRect rahmen =
        QFontMetrics(mFont).boundingRect(QRect(0, 0, breite, 1 << 20), mTextFlags, mText);
    return {rahmen.width() + mMargins.left() + mMargins.right(),
            rahmen.height() + mMargins.top() + mMargins.bottom()};
}

QSize Umbruchtext::minimumOuterSizeHint() const {
    return Textgroesse();
}

QSize Umbruchtext::maximumOuterSizeHint() const {
    return {QWIDGETSIZE_MAX, Textgroesse().height()};
}

Textlegende::Textlegende(QCPLegend* legende, const QString& text)
    : QCPAbstractLegendItem(legende), text_(text) {}

void Textlegende::draw(QCPPainter* maler) {
    EintragZeichnen(maler, mParentLegend, mRect, mMargins, mFont, mTextColor, text_);
}

QSize Textlegende::minimumOuterSizeHint() const {
    return Eintragsgroesse(mParentLegend, mMargins, mFont, text_);
}

Legendeneintrag::Legendeneintrag(QCPLegend* legende, QCPAbstractPlottable* zeichnung)
    : QCPPlottableLegendItem(legende, zeichnung) {}

void Legendeneintrag::draw(QCPPainter* maler) {
    // The base draws the symbol and the name on one line; only the symbol is let through.
    maler->save();
    maler->setClipRect(QRect(mRect.topLeft(), mParentLegend->iconSize()), Qt::IntersectClip);
    QCPPlottableLegendItem::draw(maler);
    maler->restore();
    EintragZeichnen(maler, mParentLegend, mRect, mMargins, getFont(), getTextColor(),
                    mPlottable->name());
}

QSize Legendeneintrag::minimumOuterSizeHint() const {
    return Eintragsgroesse(mParentLegend, mMargins, mFont, mPlottable->name());
}

QString Umbrochen(const QString& text, const QFont& schrift, int breite) {
    QStringList zeilen;
    QTextOption umbruch;
    umbruch.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    for (const QString& absatz : text.split(QLatin1Char('\n'))) {
        QTextLayout satz(absatz, schrift);
        satz.setTextOption(umbruch);
        satz.beginLayout();
        for (QTextLine zeile = satz.createLine(); zeile.isValid(); zeile = satz.createLine()) {
            zeile.setLineWidth(std::max(breite, 1));
            zeilen << absatz.mid(zeile.textStart(), zeile.textLength()).trimmed();
        }
        satz.endLayout();
    }
    return zeilen.join(QLatin1Char('\n'));
}

void LegendeUmbrechend(QCPLegend& legende) {
    std::vector<QCPAbstractLegendItem*> eintraege;
    for (int i = 0; i < legende.itemCount(); ++i) eintraege.push_back(legende.item(i));
    for (QCPAbstractLegendItem* eintrag : eintraege) legende.take(eintrag);
    legende.simplify();
    for (QCPAbstractLegendItem* eintrag : eintraege) {
        auto* alt = qobject_cast<QCPPlottableLegendItem*>(eintrag);
        if (alt == nullptr || dynamic_cast<Legendeneintrag*>(alt) != nullptr) {
            legende.addItem(eintrag);
            continue;
        }
        legende.addItem(new Legendeneintrag(&legende, alt->plottable()));
        delete alt;
    }
}

}  // namespace zv
