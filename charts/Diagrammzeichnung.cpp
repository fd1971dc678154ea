#include "charts/Diagrammzeichnung.h"

#include <QRegularExpression>
#include <algorithm>
#include <array>
#include <cmath>
#include <limits>
#include <memory>
#include <numeric>
#include <optional>

#include "base/Zahltext.h"
#include "chartdata/Achsen.h"
#include "charts/Textlegende.h"

namespace zv {

namespace {

// The Okabe-Ito palette: told apart with every common kind of colour blindness.
const QColor kSchwarz(0x00, 0x00, 0x00);
const QColor kOrange(0xE6, 0x9F, 0x00);
const QColor kHimmelblau(0x56, 0xB4, 0xE9);
const QColor kBlaugruen(0x00, 0x9E, 0x73);
const QColor kGelb(0xF0, 0xE4, 0x42);
const QColor kBlau(0x00, 0x72, 0xB2);
const QColor kZinnober(0xD5, 0x5E, 0x00);
const QColor kPurpur(0xCC, 0x79, 0xA7);

// The legend's line of the modes is cut beyond this many characters: with thousands of modes
// it could not be shown whole on any chart; the report has it whole.
constexpr int kLaengsteModuszeile = 400;
// Bars get their value written above them up to this many, where the values fit.
constexpr std::size_t kBeschriftetBis = 30;
constexpr std::size_t kBeschrifteteSpaltenBis = 40;
// Up to this many columns each is named on the axis.
constexpr int kBenannteSpaltenBis = 40;
constexpr std::size_t kGefuellteKreiseBis = 2000;
// Points on which several pairs fall get their number beside them up to this many points.
constexpr std::size_t kMehrfachBeschriftetBis = 50;
// Labels that overlap one to their left are lifted by a line at a time, up to this many lines.
constexpr int kHoechsteStufe = 3;
// The values outside the fences are listed in the boxplot's legend up to this many.
constexpr std::size_t kAusreisserGenanntBis = 8;
// Charts narrower than this show the legend in one column.
constexpr int kZweispaltigAb = 500;

QString Q(const std::string& text) {
    return QString::fromStdString(text);
}

QString Gekuerzt(const std::string& text) {
    QString t = Q(text);
    if (t.size() > kLaengsteModuszeile) t = t.left(kLaengsteModuszeile - 1) + QChar(0x2026);
    return t;
}

QColor Durchscheinend(QColor farbe, int deckung) {
    farbe.setAlpha(deckung);
    return farbe;
}

QPen Stift(const QColor& farbe, double breite, Qt::PenStyle art = Qt::SolidLine) {
    QPen stift(farbe, breite, art);
    stift.setCapStyle(Qt::FlatCap);
    return stift;
}

// The labels of an axis in one format: all in fixed point, or all with an exponent where the
// magnitudes reach 1E+06 or stay below 1E-04; with the fewest digits that give every value back.
QVector<QString> EinheitlicheTexte(const QVector<double>& werte, const QLocale& format) {
    double groesste = 0;
    for (double w : werte) groesste = std::max(groesste, std::fabs(w));
    const char art = groesste >= 1e6 || (groesste > 0 && groesste < 1e-4) ? 'E' : 'f';
    int stellen = 0;
    for (; stellen < 15; ++stellen) {
        const bool genau = std::all_of(werte.begin(), werte.end(), [&](double w) {
            return std::fabs(QString::number(w, art, stellen).toDouble() - w) <= groesste * 1e-9;
        });
        if (genau) break;
    }
    QVector<QString> texte;
    for (double w : werte) texte << format.toString(w == 0 ? 0.0 : w, art, stellen);
    return texte;
}

class Zahlenticker : public QCPAxisTicker {
  protected:
    QVector<QString> createLabelVector(const QVector<double>& werte, const QLocale& format, QChar,
                                       int) override {
        return EinheitlicheTexte(werte, format);
    }
};

// Whole-number tick steps, for counts.
class GanzzahlTicker : public Zahlenticker {
  protected:
    double getTickStep(const QCPRange& bereich) override {
        return std::max(1.0, std::round(QCPAxisTicker::getTickStep(bereich)));
    }
    int getSubTickCount(double schritt) override {
        return schritt > 1 ? QCPAxisTicker::getSubTickCount(schritt) : 0;
    }
};

// Columns b1, b2, ... at the keys 1, 2, ...; each named while they are few and not zoomed far
// out.
class SpaltenTicker : public QCPAxisTicker {
  public:
    explicit SpaltenTicker(int spalten) : spalten_(spalten) {}

  protected:
    double getTickStep(const QCPRange& bereich) override {
        if (spalten_ <= kBenannteSpaltenBis && bereich.size() <= 2.0 * kBenannteSpaltenBis)
            return 1;
        return std::max(1.0, std::round(QCPAxisTicker::getTickStep(bereich)));
    }
    QString getTickLabel(double wert, const QLocale&, QChar, int) override {
        const double j = std::round(wert);
        if (j != wert || j < 1 || j > spalten_) return {};
        return QString::fromStdString(Spaltenname(static_cast<long long>(j) - 1));
    }
    int getSubTickCount(double) override { return 0; }

  private:
    int spalten_;
};

// The font of the chart's texts: the plot's, somewhat smaller on a small picture drawn at the
// size it was given (a plot in a window keeps its font whatever its size).
QFont Grundschrift(const QCustomPlot& p) {
    QFont schrift = p.font();
    const double faktor = std::clamp(std::min(p.width() / 800.0, p.height() / 600.0), 0.7, 1.0);
    if (p.parentWidget() == nullptr && schrift.pointSizeF() > 0)
        schrift.setPointSizeF(schrift.pointSizeF() * faktor);
    return schrift;
}

// The frame every chart shares: the title on top, the lines of failed statistics beneath it,
// the axes, and the legend under the axes in two columns, in one on a narrow chart.
void Rahmen(QCustomPlot& p, const std::string& titel, const std::vector<std::string>& meldungen,
            const std::string& dezimal) {
    p.setLocale(Zahlenformat(dezimal));
    p.setAntialiasedElements(QCP::aePlottables | QCP::aeItems | QCP::aeLegendItems);
    const QFont schrift = Grundschrift(p);
    for (QCPAxis* achse : {p.xAxis, p.yAxis}) {
        achse->setTickLabelFont(schrift);
        achse->setLabelFont(schrift);
        achse->setTicker(QSharedPointer<QCPAxisTicker>(new Zahlenticker));
    }
    // The x axis's labels begin below the half line by which the lowest label of the y axis
    // reaches under the corner.
    p.xAxis->setTickLabelPadding(
        std::max(p.xAxis->tickLabelPadding(), QFontMetrics(schrift).height() / 2 + 2));

    QFont titelschrift = schrift;
    titelschrift.setPointSizeF(titelschrift.pointSizeF() * 1.3);
    titelschrift.setBold(true);
    p.plotLayout()->insertRow(0);
    p.plotLayout()->addElement(0, 0, new Umbruchtext(&p, Q(titel), titelschrift));
    if (!meldungen.empty()) {
        QStringList zeilen;
        for (const std::string& m : meldungen) zeilen << Q(m);
        auto* text = new Umbruchtext(&p, zeilen.join(QLatin1Char('\n')), schrift);
        text->setTextColor(kZinnober);
        p.plotLayout()->insertRow(1);
        p.plotLayout()->addElement(1, 0, text);
    }

    p.legend->setVisible(true);
    p.legend->setFont(schrift);
    p.axisRect()->insetLayout()->take(p.legend);
    const int zeile = p.plotLayout()->rowCount();
    p.plotLayout()->addElement(zeile, 0, p.legend);
    p.plotLayout()->setRowStretchFactor(zeile, 0.001);
    p.legend->setFillOrder(QCPLegend::foColumnsFirst);
    p.legend->setWrap(2);
    p.legend->setBorderPen(Qt::NoPen);
    p.legend->setMargins(QMargins(6, 2, 6, 4));
    p.legend->setRowSpacing(1);
    p.legend->setColumnSpacing(16);
    // The values written on the chart lie above its lines and bars.
    if (p.layer(QStringLiteral("beschriftung")) == nullptr)
        p.addLayer(QStringLiteral("beschriftung"), p.layer(QStringLiteral("main")),
                   QCustomPlot::limAbove);
}

void Bereiche(QCustomPlot& p, const Achse& x, const Achse& y) {
    p.xAxis->setRange(x.Unten, x.Oben);
    p.yAxis->setRange(y.Unten, y.Oben);
}

QCPCurve* Linienzug(QCustomPlot& p, const QVector<double>& x, const QVector<double>& y,
                    const QPen& stift, const QString& name) {
    auto* kurve = new QCPCurve(p.xAxis, p.yAxis);
    kurve->setData(x, y);
    kurve->setPen(stift);
    kurve->setName(name);
    return kurve;
}

QCPItemText* Wertetext(QCustomPlot& p, double x, double y, const QString& text, bool hochkant) {
    auto* t = new QCPItemText(&p);
    t->setLayer(QStringLiteral("beschriftung"));
    t->position->setType(QCPItemPosition::ptPlotCoords);
    t->position->setCoords(x, y);
    QFont schrift = p.legend->font();
    schrift.setPointSizeF(schrift.pointSizeF() * 0.85);
    t->setFont(schrift);
    t->setText(text);
    t->setClipToAxisRect(true);
    // A line passing behind it does not cross its digits.
    t->setBrush(QColor(255, 255, 255, 225));
    if (hochkant) {
        t->setRotation(-90);
        t->setPositionAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    } else {
        t->setPositionAlignment(Qt::AlignBottom | Qt::AlignHCenter);
    }
    t->setPadding(QMargins(2, 0, 2, 1));
    return t;
}

// ----- Placing texts once the plot's size is known ------------------------------------------

// A value written on the chart; Rang: the higher is given up first where values do not fit
// beside each other.
struct Wertbeschriftung {
    QCPItemText* Text;
    double X, Y;  // where it stands, in plot coordinates
    int Rang;
};

// Lays the plot out at its present size as drawing it would, so that the pixel places of its
// texts can be read before it is drawn.
void Auslegen(QCustomPlot& p) {
    p.setViewport(p.rect());
    for (const auto phase :
         {QCPLayoutElement::upPreparation, QCPLayoutElement::upMargins, QCPLayoutElement::upLayout})
        p.plotLayout()->update(phase);
}

QRectF Textrahmen(const QCPItemText* t) {
    QPolygonF ecken;
    for (const QCPItemAnchor* ecke : {t->topLeft, t->topRight, t->bottomRight, t->bottomLeft})
        ecken << ecke->pixelPosition();
    return ecken.boundingRect();
}

bool Ueberdeckt(const QRectF& a, const QRectF& b) {
    const QRectF schnitt = a.intersected(b);
    return schnitt.width() > 0.5 && schnitt.height() > 0.5;
}

bool EinerUeberdeckt(const QRectF& r, const std::vector<QRectF>& andere) {
    return std::any_of(andere.begin(), andere.end(),
                       [&](const QRectF& a) { return Ueberdeckt(r, a); });
}

// From left to right: a label that overlaps one placed before it is lifted by a line at a time;
// one that would need more than kHoechsteStufe lines is hidden.
void Stapeln(QCustomPlot& p, std::vector<Wertbeschriftung>& b) {
    const double zeile = QFontMetrics(b.front().Text->font()).height() + 1;
    const double jePixel = p.yAxis->range().size() / std::max(1, p.axisRect()->height());
    std::vector<QRectF> gesetzt;
    for (Wertbeschriftung& w : b) {
        w.Text->setVisible(true);
        for (int stufe = 0;; ++stufe) {
            w.Text->position->setCoords(w.X, w.Y + stufe * zeile * jePixel);
            const QRectF r = Textrahmen(w.Text);
            if (!EinerUeberdeckt(r, gesetzt)) {
                gesetzt.push_back(r);
                break;
            }
            if (stufe == kHoechsteStufe) {
                w.Text->setVisible(false);
                break;
            }
        }
    }
}

// Where shown labels overlap, the labels of the highest rank are hidden, then of the next.
void Ausduennen(std::vector<Wertbeschriftung>& b) {
    int hoechster = 0;
    for (Wertbeschriftung& w : b) {
        w.Text->position->setCoords(w.X, w.Y);
        w.Text->setVisible(true);
        hoechster = std::max(hoechster, w.Rang);
    }
    for (int rang = hoechster; rang >= 0; --rang) {
        std::vector<QRectF> gezeigt;
        bool ueberdeckt = false;
        for (const Wertbeschriftung& w : b) {
            if (!w.Text->visible()) continue;
            const QRectF r = Textrahmen(w.Text);
            ueberdeckt = ueberdeckt || EinerUeberdeckt(r, gezeigt);
            gezeigt.push_back(r);
        }
        if (!ueberdeckt) return;
        for (Wertbeschriftung& w : b)
            if (w.Rang == rang) w.Text->setVisible(false);
    }
}

// The end of a range beyond the value w that leaves `noetig` of the `pixel` pixels of the axis
// between w and that end, the other end kept where it is.
double Grenze(double w, double andere, double noetig, double pixel) {
    return (w * pixel - noetig * andere) / (pixel - noetig);
}

// Widens the axes where a shown label reaches out of the axis rect, so that it lies inside with
// two pixels to spare; a label that would need more than half of the rect is hidden. True if a
// range changed.
bool Freiraum(QCustomPlot& p, const std::vector<Wertbeschriftung>& b) {
    const QRect r = p.axisRect()->rect();
    QCPRange x = p.xAxis->range(), y = p.yAxis->range();
    const QCPRange vorher[] = {x, y};
    const auto noetig = [](double ueber) { return ueber > 0.5 ? ueber + 2 : 0.0; };
    for (const Wertbeschriftung& w : b) {
        if (!w.Text->visible()) continue;
        const QRectF rahmen = Textrahmen(w.Text);
        const QPointF punkt = w.Text->position->pixelPosition();
        const double links = noetig(punkt.x() - rahmen.left());
        const double rechts = noetig(rahmen.right() - punkt.x());
        const double oben = noetig(punkt.y() - rahmen.top());
        const double unten = noetig(rahmen.bottom() - punkt.y());
        if (std::max(links, rechts) > r.width() / 2.0 || std::max(oben, unten) > r.height() / 2.0) {
            w.Text->setVisible(false);
            continue;
        }
        const double k = w.Text->position->key(), v = w.Text->position->value();
        if (links > 0) x.lower = std::min(x.lower, Grenze(k, x.upper, links, r.width()));
        if (rechts > 0) x.upper = std::max(x.upper, Grenze(k, x.lower, rechts, r.width()));
        if (unten > 0) y.lower = std::min(y.lower, Grenze(v, y.upper, unten, r.height()));
        if (oben > 0) y.upper = std::max(y.upper, Grenze(v, y.lower, oben, r.height()));
    }
    p.xAxis->setRange(x);
    p.yAxis->setRange(y);
    return x != vorher[0] || y != vorher[1];
}

// Places the labels for the plot's present size: side by side, lifted (stapeln) or thinned out
// where they overlap, with room made for them; what still does not fit is hidden.
void BeschriftungenOrdnen(QCustomPlot& p, std::vector<Wertbeschriftung>& b, bool stapeln) {
    if (b.empty()) return;
    for (int runde = 0; runde < 4; ++runde) {
        Auslegen(p);
        if (stapeln)
            Stapeln(p, b);
        else
            Ausduennen(b);
        if (!Freiraum(p, b)) break;
    }
    Auslegen(p);
    std::vector<QRectF> gezeigt;
    const QRectF innen = QRectF(p.axisRect()->rect()).adjusted(-0.5, -0.5, 0.5, 0.5);
    for (Wertbeschriftung& w : b) {
        if (!w.Text->visible()) continue;
        const QRectF r = Textrahmen(w.Text);
        if (!innen.contains(r) || EinerUeberdeckt(r, gezeigt))
            w.Text->setVisible(false);
        else
            gezeigt.push_back(r);
    }
}

// Tick labels that do not stand clear of each other: fewer ticks on an axis of numbers, the
// labels of the x axis turned upright on the others.
void AchsentexteEinpassen(QCustomPlot& p) {
    for (QCPAxis* achse : {p.xAxis, p.yAxis}) {
        for (int versuch = 0; versuch < 3; ++versuch) {
            Auslegen(p);
            const QVector<double> ticks = achse->tickVector();
            const QVector<QString> texte = achse->tickVectorLabels();
            const QFontMetrics m(achse->tickLabelFont());
            const bool waagrecht = achse->orientation() == Qt::Horizontal;
            const bool quer = waagrecht && achse->tickLabelRotation() != 0;
            double abstand = std::numeric_limits<double>::infinity(), groesste = 0;
            for (int i = 0; i < ticks.size(); ++i) {
                if (texte.value(i).isEmpty()) continue;
                groesste = std::max<double>(groesste, waagrecht && !quer
                                                          ? m.horizontalAdvance(texte[i]) + 6
                                                          : m.height() + 2);
                if (i > 0)
                    abstand = std::min(abstand, std::fabs(achse->coordToPixel(ticks[i]) -
                                                          achse->coordToPixel(ticks[i - 1])));
            }
            if (groesste <= abstand) break;
            auto* zahlen = dynamic_cast<Zahlenticker*>(achse->ticker().data());
            if (zahlen != nullptr && zahlen->tickCount() > 2) {
                zahlen->setTickCount(std::max(2, zahlen->tickCount() - 2));
            } else if (waagrecht && !quer) {
                achse->setTickLabelRotation(-90);
            } else {
                break;
            }
        }
    }
}

// Where the x axis's labels end on the right, in pixels, as laid out last.
double RechtesEnde(const QCustomPlot& p) {
    const QFontMetrics m(p.xAxis->tickLabelFont());
    double rechts = 0;
    for (int i = 0; i < p.xAxis->tickVector().size(); ++i)
        if (const QString t = p.xAxis->tickVectorLabels().value(i); !t.isEmpty())
            rechts = std::max(rechts, p.xAxis->coordToPixel(p.xAxis->tickVector()[i]) +
                                          m.horizontalAdvance(t) / 2.0);
    return rechts;
}

// Room on the right for the x axis's last label, which stands out half its width beyond the
// axis's end.
void RandRechts(QCustomPlot& p) {
    QMargins rand = p.axisRect()->minimumMargins();
    rand.setRight(0);
    p.axisRect()->setMinimumMargins(rand);
    Auslegen(p);
    if (p.xAxis->tickLabelRotation() != 0) return;
    const double rechts = RechtesEnde(p) + 2;
    if (rechts <= p.width()) return;
    rand.setRight(p.width() - p.axisRect()->rect().right() + static_cast<int>(rechts) - p.width());
    p.axisRect()->setMinimumMargins(rand);
}

// The title without what it says in brackets, but for the power of ten the values are divided
// by: "Anzahl (absolute Häufigkeit)" becomes "Anzahl".
QString Kurztitel(const QString& titel) {
    static const QRegularExpression klammer(QStringLiteral(" \\((?!×)[^()]*\\)"));
    return QString(titel).remove(klammer);
}

// The width of the text's longest line.
int Zeilenbreite(const QString& text, const QFont& schrift) {
    int breite = 0;
    for (const QString& zeile : text.split(QLatin1Char('\n')))
        breite = std::max(breite, QFontMetrics(schrift).horizontalAdvance(zeile));
    return breite;
}

// An axis title longer than its axis is broken into lines, down to a few words a line; where
// even a word is longer, what it says in brackets is left out.
void AchsentitelEinpassen(QCustomPlot& p) {
    Auslegen(p);
    const QRect r = p.axisRect()->rect();
    for (QCPAxis* achse : {p.xAxis, p.yAxis}) {
        const int laenge = achse->orientation() == Qt::Horizontal ? r.width() : r.height();
        QString titel = Umbrochen(achse->label(), achse->labelFont(), std::max(laenge, 60));
        if (Zeilenbreite(titel, achse->labelFont()) > laenge)
            titel = Umbrochen(Kurztitel(achse->label()), achse->labelFont(), laenge);
        achse->setLabel(titel);
    }
}

// On a small chart the legend's symbols are made as low as a line of its text, then its font
// smaller, a step at a time down to two thirds of the chart's font, until the legend leaves the
// title and the axes two thirds of the height.
void LegendeEinpassen(QCustomPlot& p) {
    QFont schrift = Grundschrift(p);
    const double kleinste = schrift.pointSizeF() * 2 / 3;
    p.legend->setFont(schrift);
    p.legend->setIconSize(32, 18);
    auto passt = [&p] { return p.legend->minimumOuterSizeHint().height() <= p.height() / 3; };
    while (!passt()) {
        const int zeile = QFontMetrics(schrift).height();
        if (p.legend->iconSize().height() > zeile) {
            p.legend->setIconSize(std::min(32, zeile * 16 / 9), zeile);
            continue;
        }
        if (schrift.pointSizeF() * 0.9 < kleinste) break;
        schrift.setPointSizeF(schrift.pointSizeF() * 0.9);
        p.legend->setFont(schrift);
        p.legend->setIconSize(std::min(32, QFontMetrics(schrift).height() * 16 / 9),
                              std::min(18, QFontMetrics(schrift).height()));
    }
}

// What is set once the plot's size is known: the values written on the chart, the lines that
// reach the top of the value axis, and what the axes were drawn with.
struct Feinsatz {
    std::vector<Wertbeschriftung> Werte;
    bool Stapeln = false;            // lifted where they overlap, else thinned out
    std::vector<QCPCurve*> BisOben;  // their points at Oben and above follow the axis's top
    double Oben = 0;
    QCPRange X, Y;  // the ranges as drawn
    QString TitelX, TitelY;
    QSize Groesse;  // the size last set for, and the ranges then
    QCPRange GesetztX, GesetztY;
};

// Sets the chart's texts for the plot's present size, from the axes as drawn: the legend in one
// or two columns with entries that wrap, the axes' texts fitted, the values placed.
void Setzen(QCustomPlot& p, Feinsatz& f) {
    p.xAxis->setRange(f.X);
    p.yAxis->setRange(f.Y);
    p.xAxis->setLabel(f.TitelX);
    p.yAxis->setLabel(f.TitelY);
    for (QCPAxis* achse : {p.xAxis, p.yAxis}) {
        achse->setTickLabelRotation(0);
        if (auto* zahlen = dynamic_cast<Zahlenticker*>(achse->ticker().data()))
            zahlen->setTickCount(5);
    }
    p.legend->setWrap(p.width() < kZweispaltigAb ? 1 : 2);
    p.legend->setFillOrder(QCPLegend::foColumnsFirst, true);
    LegendeUmbrechend(*p.legend);
    LegendeEinpassen(p);
    AchsentexteEinpassen(p);
    RandRechts(p);
    AchsentitelEinpassen(p);
    BeschriftungenOrdnen(p, f.Werte, f.Stapeln);
    // Room made for the values on the right can bring a new last label of the x axis that
    // stands out of the chart: room for it, and the values placed anew.
    for (int runde = 0;
         runde < 2 && p.xAxis->tickLabelRotation() == 0 && RechtesEnde(p) > p.width(); ++runde) {
        RandRechts(p);
        BeschriftungenOrdnen(p, f.Werte, f.Stapeln);
    }
    const double oben = p.yAxis->range().upper;
    for (QCPCurve* kurve : f.BisOben)
        for (auto it = kurve->data()->begin(); it != kurve->data()->end(); ++it)
            if (it->value >= f.Oben) it->value = oben;
    f.Groesse = p.size();
    f.GesetztX = p.xAxis->range();
    f.GesetztY = p.yAxis->range();
}

// Sets the texts of a drawn chart: at once for a plot of its own, drawn into a file at the size
// it was given; for a plot in a window whenever it is drawn at a new size, and when its ranges
// are put back to those it was drawn with. Returns the ranges to put back to.
Ansicht Einpassen(QCustomPlot& p, Feinsatz f) {
    f.X = p.xAxis->range();
    f.Y = p.yAxis->range();
    f.TitelX = p.xAxis->label();
    f.TitelY = p.yAxis->label();
    if (p.parentWidget() == nullptr) {
        Setzen(p, f);
        return {p.xAxis->range(), p.yAxis->range()};
    }
    auto satz = std::make_shared<Feinsatz>(std::move(f));
    QObject::connect(&p, &QCustomPlot::beforeReplot, &p, [&p, satz] {
        const bool wieGezeichnet = p.xAxis->range() == satz->X && p.yAxis->range() == satz->Y;
        const bool ungesetzt = satz->GesetztX != satz->X || satz->GesetztY != satz->Y;
        if (p.size() != satz->Groesse || (wieGezeichnet && ungesetzt)) Setzen(p, *satz);
    });
    return {satz->X, satz->Y};
}

// ----- One-dimensional: the distribution ---------------------------------------------------

Ansicht VerteilungZeichnen(QCustomPlot& p, const Verteilungsdiagramm& v, const std::string& dez,
                           Feinsatz& f) {
    Rahmen(p, v.Titel, v.Meldungen, dez);
    if (v.Saeulen.empty()) return {};

    double kleinster = v.Saeulen.front().Von, groesster = v.Saeulen.back().Bis;
    if (v.Streuung) {
        kleinster = std::min(kleinster, v.Streuung->Von);
        groesster = std::max(groesster, v.Streuung->Bis);
    }
    Achse ax = AchseBilden(kleinster, groesster);

    // Bars: classes side by side, distinct values with gaps between them.
    QVector<double> mitten, anzahlen;
    long long hoechste = 1;
    for (const Saeule& s : v.Saeulen) {
        mitten << (v.Klassiert ? ax.Gezeichnet(s.Von) / 2 + ax.Gezeichnet(s.Bis) / 2
                               : ax.Gezeichnet(s.Von));
        anzahlen << static_cast<double>(s.Anzahl);
        hoechste = std::max(hoechste, s.Anzahl);
    }
    double breite = (ax.Oben - ax.Unten) * 0.05;
    if (v.Klassiert) {
        breite = ax.GezeichneteDifferenz(v.Saeulen.front().Von, v.Saeulen.back().Bis) /
                 static_cast<double>(v.Saeulen.size());
    } else if (mitten.size() > 1) {
        double luecke = mitten[1] - mitten[0];
        for (int i = 2; i < mitten.size(); ++i)
            luecke = std::min(luecke, mitten[i] - mitten[i - 1]);
        breite = luecke * 0.8;
    }
    if (!(breite > 0)) breite = (ax.Oben - ax.Unten) * 0.01;
    Einschliessen(ax, mitten.front() - breite / 2, mitten.back() + breite / 2);

    // Counts on the y axis; above the highest bar room for the mode marks and the range.
    const double stufe = static_cast<double>(hoechste) * 0.08;
    const double oben = static_cast<double>(hoechste) + 4 * stufe;
    const Achse ay{0, 0, oben};

    auto* balken = new QCPBars(p.xAxis, p.yAxis);
    balken->setName(v.Klassiert ? QStringLiteral("Anzahl der Werte je Klasse")
                                : QStringLiteral("Anzahl der Werte"));
    balken->setWidth(breite);
    balken->setData(mitten, anzahlen, true);
    balken->setPen(Stift(kBlau, 1));
    balken->setBrush(Durchscheinend(kHimmelblau, 170));
    std::vector<Wertbeschriftung>& werte = f.Werte;
    f.Stapeln = true;
    if (v.Saeulen.size() <= kBeschriftetBis)
        for (int i = 0; i < mitten.size(); ++i)
            werte.push_back(
                {Wertetext(p, mitten[i], anzahlen[i],
                           QString::fromStdString(GanzzahlText(v.Saeulen[i].Anzahl)), false),
                 mitten[i], anzahlen[i], 0});

    // The band and the lines reach the top of the axis, also once it is raised for the labels.
    std::vector<QCPCurve*>& bisOben = f.BisOben;
    f.Oben = oben;
    // The band lies behind the bars.
    if (v.Streuung) {
        const double a = ax.Gezeichnet(v.Streuung->Von), b = ax.Gezeichnet(v.Streuung->Bis);
        auto* band =
            Linienzug(p, {a, a, b, b, a}, {0, oben, oben, 0, 0}, Stift(kOrange, 1, Qt::DashDotLine),
                      QStringLiteral("Mittelwert ± s (%1)").arg(Q(v.Streuung->Text)));
        band->setBrush(Durchscheinend(kGelb, 90));
        band->setLayer(QStringLiteral("grid"));
        bisOben.push_back(band);
    }

    if (v.Mittelwert) {
        const double m = ax.Gezeichnet(v.Mittelwert->Wert);
        bisOben.push_back(
            Linienzug(p, {m, m}, {0, oben}, Stift(kZinnober, 2.5), Q(v.Mittelwert->Text)));
    }
    if (v.Median) {
        const double m = ax.Gezeichnet(v.Median->Wert);
        bisOben.push_back(
            Linienzug(p, {m, m}, {0, oben}, Stift(kBlau, 2.5, Qt::DashLine), Q(v.Median->Text)));
    }
    if (!v.Modi.empty()) {
        // A triangle above the middle of each bar that holds a mode, one for several.
        QVector<double> x, y;
        std::vector<bool> markiert(v.Saeulen.size(), false);
        for (const Marke& modus : v.Modi) {
            auto bis = std::upper_bound(v.Saeulen.begin(), v.Saeulen.end(), modus.Wert,
                                        [](double w, const Saeule& s) { return w < s.Von; });
            if (bis != v.Saeulen.begin()) --bis;
            const auto j = static_cast<std::size_t>(bis - v.Saeulen.begin());
            if (markiert[j]) continue;
            markiert[j] = true;
            x << mitten[static_cast<int>(j)];
            y << static_cast<double>(bis->Anzahl) + 1.4 * stufe;
        }
        auto* modi = new QCPGraph(p.xAxis, p.yAxis);
        modi->setData(x, y);
        modi->setLineStyle(QCPGraph::lsNone);
        modi->setScatterStyle(QCPScatterStyle(QCPScatterStyle::ssTriangleInverted,
                                              Stift(kPurpur, 1.5), QBrush(kPurpur), 11));
        modi->setName(Gekuerzt(v.ModusZeile));
    } else if (!v.ModusZeile.empty()) {
        p.legend->addItem(new Textlegende(p.legend, Gekuerzt(v.ModusZeile)));
    }
    if (v.Spannweite) {
        const double a = ax.Gezeichnet(v.Spannweite->Von), b = ax.Gezeichnet(v.Spannweite->Bis);
        const double h = static_cast<double>(hoechste) + 2.8 * stufe;
        Linienzug(
            p, {a, a, b, b}, {h - stufe * 0.6, h, h, h - stufe * 0.6}, Stift(kSchwarz, 1.5),
            QStringLiteral("Spannweite von Minimum bis Maximum (%1)").arg(Q(v.Spannweite->Text)));
    }

    p.xAxis->setLabel(QString::fromStdString(Achsentitel("Wert", ax.Exponent)));
    p.yAxis->setLabel(QStringLiteral("Anzahl (absolute Häufigkeit)"));
    p.yAxis->setTicker(QSharedPointer<QCPAxisTicker>(new GanzzahlTicker));
    // Classes have their limits on the axis, as the report rounds them.
    const bool grenzenLesbar =
        std::none_of(v.Grenzen.begin(), v.Grenzen.end(),
                     [](const std::string& g) { return g.find('E') != std::string::npos; });
    if (v.Klassiert && ax.Exponent == 0 && grenzenLesbar &&
        v.Grenzen.size() == v.Saeulen.size() + 1) {
        auto grenzen = QSharedPointer<QCPAxisTickerText>::create();
        for (std::size_t j = 0; j < v.Saeulen.size(); ++j)
            grenzen->addTick(ax.Gezeichnet(v.Saeulen[j].Von), Q(v.Grenzen[j]));
        grenzen->addTick(ax.Gezeichnet(v.Saeulen.back().Bis), Q(v.Grenzen.back()));
        p.xAxis->setTicker(grenzen);
    }
    Bereiche(p, ax, ay);
    return {p.xAxis->range(), p.yAxis->range()};
}

// ----- One-dimensional: the boxplot and the distribution function --------------------------

// A value axis without numbers: the boxplot's boxes lie across it.
void OhneZahlen(QCPAxis* achse) {
    achse->setTicker(QSharedPointer<QCPAxisTickerText>::create());
    achse->grid()->setVisible(false);
}

// Labels placed one after the other from left to right, as Stapeln lifts them.
void NachLinks(std::vector<Wertbeschriftung>& b) {
    std::stable_sort(b.begin(), b.end(), [](const Wertbeschriftung& a, const Wertbeschriftung& c) {
        return a.X < c.X;
    });
}

Ansicht BoxplotZeichnen(QCustomPlot& p, const Boxplotdiagramm& b, const std::string& dez,
                        Feinsatz& f) {
    Rahmen(p, b.Titel, b.Meldungen, dez);
    if (!b.Box) {
        // No quartiles: the title and the line saying why, as where there is no chart.
        p.legend->setVisible(false);
        p.xAxis->setVisible(false);
        p.yAxis->setVisible(false);
        return {p.xAxis->range(), p.yAxis->range()};
    }
    const Kasten& k = *b.Box;
    double kleinster = k.UntererWhisker.Wert, groesster = k.ObererWhisker.Wert;
    if (!k.Ausreisser.empty()) {
        kleinster = std::min(kleinster, k.Ausreisser.front().Wert);
        groesster = std::max(groesster, k.Ausreisser.back().Wert);
    }
    const Achse ax = AchseBilden(kleinster, groesster);
    // The box across the middle of a value axis from 0 to 2: 0,6 high, the whiskers' ends 0,3.
    constexpr double mitte = 1, halb = 0.3, kappe = 0.15;
    const Achse ay{0, 0, 2};
    const double q1 = ax.Gezeichnet(k.Q1.Wert), q3 = ax.Gezeichnet(k.Q3.Wert);
    const double median = ax.Gezeichnet(k.Median.Wert);
    const double links = ax.Gezeichnet(k.UntererWhisker.Wert);
    const double rechts = ax.Gezeichnet(k.ObererWhisker.Wert);

    const QString iqr = k.IQR ? QStringLiteral(" (%1)").arg(Q(*k.IQR)) : QString();
    auto* kasten = Linienzug(
        p, {q1, q1, q3, q3, q1},
        {mitte - halb, mitte + halb, mitte + halb, mitte - halb, mitte - halb}, Stift(kBlau, 1.5),
        QStringLiteral("Kasten von %1 bis %2%3").arg(Q(k.Q1.Text), Q(k.Q3.Text), iqr));
    kasten->setBrush(Durchscheinend(kHimmelblau, 170));
    Linienzug(p, {median, median}, {mitte - halb, mitte + halb}, Stift(kZinnober, 3),
              Q(k.Median.Text));
    // Each whisker from the box to its end, which is marked by a short upright line.
    Linienzug(p, {links, links, links, q1}, {mitte - kappe, mitte + kappe, mitte, mitte},
              Stift(kSchwarz, 1.5),
              QStringLiteral("Whisker bis zum kleinsten und größten Wert innerhalb der Zäune "
                             "(%1; %2)")
                  .arg(Q(k.UntererWhisker.Text), Q(k.ObererWhisker.Text)));
    Linienzug(p, {q3, rechts, rechts, rechts}, {mitte, mitte, mitte + kappe, mitte - kappe},
              Stift(kSchwarz, 1.5), QString())
        ->removeFromLegend();

    std::vector<Wertbeschriftung>& werte = f.Werte;
    f.Stapeln = true;
    // A whisker that ends at the box has its value written there already.
    for (const Marke* m : {&k.Q1, &k.Median, &k.Q3, &k.UntererWhisker, &k.ObererWhisker}) {
        const double x = ax.Gezeichnet(m->Wert);
        if ((m == &k.UntererWhisker && x == q1) || (m == &k.ObererWhisker && x == q3)) continue;
        werte.push_back({Wertetext(p, x, mitte + halb, Q(m->Text), false), x, mitte + halb, 0});
    }
    if (!k.Ausreisser.empty()) {
        QVector<double> x, y;
        QStringList genannt;
        for (const Marke& m : k.Ausreisser) {
            const double gx = ax.Gezeichnet(m.Wert);
            // Equal values share their point and its label.
            if (!x.isEmpty() && x.back() == gx) continue;
            x << gx;
            y << mitte;
            genannt << Q(m.Text);
        }
        auto* punkte = new QCPGraph(p.xAxis, p.yAxis);
        punkte->setData(x, y, true);
        punkte->setLineStyle(QCPGraph::lsNone);
        punkte->setScatterStyle(
            QCPScatterStyle(QCPScatterStyle::ssCircle, Stift(kPurpur, 2), QBrush(Qt::white), 9));
        punkte->setName(
            k.Ausreisser.size() <= kAusreisserGenanntBis
                ? QStringLiteral("Ausreißer außerhalb der Zäune (%1)").arg(genannt.join("; "))
                : QStringLiteral("Ausreißer außerhalb der Zäune (%1 Werte)")
                      .arg(k.Ausreisser.size()));
        if (x.size() <= static_cast<int>(kBeschriftetBis))
            for (int i = 0; i < x.size(); ++i)
                werte.push_back(
                    {Wertetext(p, x[i], mitte + kappe, genannt[i], false), x[i], mitte + kappe, 0});
    }
    NachLinks(werte);
    if (k.Zaeune) p.legend->addItem(new Textlegende(p.legend, Q(k.Zaeune->Text)));
    p.legend->addItem(new Textlegende(p.legend, Q(b.Definition)));

    p.xAxis->setLabel(QString::fromStdString(Achsentitel("Wert", ax.Exponent)));
    OhneZahlen(p.yAxis);
    Bereiche(p, ax, ay);
    return {p.xAxis->range(), p.yAxis->range()};
}

// A line on the chart from a point given in plot coordinates or, per direction, as a share of
// the axis rect (0 left or top, 1 right or bottom), so that it reaches the rect's edge however
// the ranges are widened.
QCPItemLine* Hilfslinie(QCustomPlot& p, QPointF von, bool vonAnteilX, bool vonAnteilY, QPointF bis,
                        const QPen& stift) {
    auto* linie = new QCPItemLine(&p);
    linie->start->setTypeX(vonAnteilX ? QCPItemPosition::ptAxisRectRatio
                                      : QCPItemPosition::ptPlotCoords);
    linie->start->setTypeY(vonAnteilY ? QCPItemPosition::ptAxisRectRatio
                                      : QCPItemPosition::ptPlotCoords);
    linie->start->setCoords(von);
    linie->end->setCoords(bis);
    linie->setPen(stift);
    return linie;
}

Ansicht SummenkurveZeichnen(QCustomPlot& p, const Summenkurve& s, const std::string& dez,
                            Feinsatz& f) {
    Rahmen(p, s.Titel, s.Meldungen, dez);
    if (s.Werte.empty() || s.Werte.size() != s.F.size()) return {};
    const Achse ax = AchseBilden(s.Werte.front(), s.Werte.back());
    const Achse ay{0, -0.04, 1.08};

    // From 0 up to F1 at the smallest value, then a step at each value; the points of a step
    // belong to its upper level.
    QVector<double> x{ax.Gezeichnet(s.Werte.front())}, y{0};
    for (std::size_t j = 0; j < s.Werte.size(); ++j) {
        x << ax.Gezeichnet(s.Werte[j]);
        y << s.F[j];
    }
    const QPen stift = Stift(kBlau, 2);
    auto* treppe = new QCPGraph(p.xAxis, p.yAxis);
    treppe->setData(x, y, true);
    treppe->setLineStyle(QCPGraph::lsStepLeft);
    treppe->setPen(stift);
    treppe->setName(QStringLiteral("F(x): Anteil der Werte ≤ x"));
    if (s.Werte.size() <= kBeschriftetBis) {
        auto* punkte = new QCPGraph(p.xAxis, p.yAxis);
        punkte->setData(x.mid(1), y.mid(1), true);
        punkte->setLineStyle(QCPGraph::lsNone);
        punkte->setScatterStyle(QCPScatterStyle(QCPScatterStyle::ssDisc, stift, QBrush(kBlau), 6));
        punkte->removeFromLegend();
    }
    // 0 before the smallest value, 1 from the largest on, to the edges of the chart.
    Hilfslinie(p, {0, 0}, true, false, {x[1], 0}, stift);
    Hilfslinie(p, {1, 1}, true, false, {x.back(), 1}, stift);

    const std::pair<const std::optional<Marke>*, double> abgelesen[] = {
        {&s.Q1, kQuartilsanteile[0]},
        {&s.Median, kQuartilsanteile[1]},
        {&s.Q3, kQuartilsanteile[2]}};
    QVector<double> qx, qy;
    QStringList texte;
    for (const auto& [marke, anteil] : abgelesen) {
        if (!*marke) continue;
        const double q = ax.Gezeichnet((*marke)->Wert);
        const QPen fuehrung = Stift(anteil == 0.5 ? kZinnober : kOrange, 1.5, Qt::DashLine);
        Hilfslinie(p, {0, anteil}, true, false, {q, anteil}, fuehrung);
        Hilfslinie(p, {q, 1}, false, true, {q, anteil}, fuehrung);
        qx << q;
        qy << anteil;
        texte << Q((*marke)->Text);
        // Right of the upright guide line, below the level: where the curve does not run.
        QCPItemText* t = Wertetext(p, q, anteil, Q((*marke)->Text), false);
        t->setPositionAlignment(Qt::AlignLeft | Qt::AlignTop);
        t->setPadding(QMargins(4, 2, 2, 1));
        f.Werte.push_back({t, q, anteil, 0});
    }
    f.Stapeln = true;
    if (!qx.isEmpty()) {
        auto* marken = new QCPGraph(p.xAxis, p.yAxis);
        marken->setData(qx, qy, true);
        marken->setLineStyle(QCPGraph::lsNone);
        marken->setScatterStyle(
            QCPScatterStyle(QCPScatterStyle::ssDiamond, Stift(kZinnober, 1.5), QBrush(kGelb), 10));
        marken->setName(QStringLiteral("%1: %2").arg(Q(s.Abgelesen), texte.join("; ")));
    }
    if (!s.Abweichung.empty()) p.legend->addItem(new Textlegende(p.legend, Q(s.Abweichung)));

    p.xAxis->setLabel(QString::fromStdString(Achsentitel("Wert", ax.Exponent)));
    p.yAxis->setLabel(QStringLiteral("Summenhäufigkeit F(x)"));
    auto anteile = QSharedPointer<QCPAxisTickerText>::create();
    const QVector<double> stufen{0, 0.25, 0.5, 0.75, 1};
    const QVector<QString> stufentexte = EinheitlicheTexte(stufen, Zahlenformat(dez));
    for (int i = 0; i < stufen.size(); ++i) anteile->addTick(stufen[i], stufentexte[i]);
    p.yAxis->setTicker(anteile);
    Bereiche(p, ax, ay);
    return {p.xAxis->range(), p.yAxis->range()};
}

// ----- Two-dimensional pairs: the scatter chart ---------------------------------------------

Ansicht StreudiagrammZeichnen(QCustomPlot& p, const Streudiagramm& s, const std::string& dez,
                              bool residuen, Feinsatz& f) {
    Rahmen(p, s.Titel, s.Meldungen, dez);
    const std::size_t n = std::min(s.X.size(), s.Y.size());
    if (n == 0) return {};

    const auto [xMin, xMax] = std::minmax_element(s.X.begin(), s.X.begin() + n);
    const auto [yMin, yMax] = std::minmax_element(s.Y.begin(), s.Y.begin() + n);
    double yKlein = *yMin, yGross = *yMax;
    if (s.Regression) {
        yKlein = std::min({yKlein, s.Regression->Y0, s.Regression->Y1});
        yGross = std::max({yGross, s.Regression->Y0, s.Regression->Y1});
    }
    const Achse ax = AchseBilden(*xMin, *xMax);
    const Achse ay = AchseBilden(yKlein, yGross);

    // The points in ascending x, as the graph keeps them; the residuals in the same order.
    std::vector<std::size_t> reihe(n);
    std::iota(reihe.begin(), reihe.end(), std::size_t{0});
    std::stable_sort(reihe.begin(), reihe.end(),
                     [&](std::size_t a, std::size_t b) { return s.X[a] < s.X[b]; });
    QVector<double> x(static_cast<int>(n)), y(static_cast<int>(n));
    for (std::size_t i = 0; i < n; ++i) {
        x[static_cast<int>(i)] = ax.Gezeichnet(s.X[reihe[i]]);
        y[static_cast<int>(i)] = ay.Gezeichnet(s.Y[reihe[i]]);
    }
    auto* punkte = new QCPGraph(p.xAxis, p.yAxis);
    punkte->setData(x, y, true);
    punkte->setLineStyle(QCPGraph::lsNone);
    // Filled circles cost several times the outline alone; many points get the outline.
    if (n > kGefuellteKreiseBis)
        punkte->setScatterStyle(
            QCPScatterStyle(QCPScatterStyle::ssCircle, QPen(kBlau, 1), Qt::NoBrush, 4));
    else
        punkte->setScatterStyle(QCPScatterStyle(QCPScatterStyle::ssCircle, Stift(kBlau, 1.2),
                                                QBrush(Durchscheinend(kHimmelblau, 140)), 7));
    punkte->setName(QStringLiteral("Wertepaare (xi, yi)"));

    if (s.Regression) {
        const Regressionslinie& g = *s.Regression;
        if (residuen && g.Geschaetzt.size() >= n) {
            QVector<double> minus(static_cast<int>(n)), plus(static_cast<int>(n));
            for (std::size_t i = 0; i < n; ++i) {
                const double d = ay.Gezeichnet(g.Geschaetzt[reihe[i]]) - y[static_cast<int>(i)];
                minus[static_cast<int>(i)] = d < 0 ? -d : 0;
                plus[static_cast<int>(i)] = d > 0 ? d : 0;
            }
            auto* balken = new QCPErrorBars(p.xAxis, p.yAxis);
            balken->setDataPlottable(punkte);
            balken->setErrorType(QCPErrorBars::etValueError);
            balken->setData(minus, plus);
            balken->setWhiskerWidth(0);
            balken->setSymbolGap(0);
            balken->setPen(Stift(kBlaugruen, 1.5, Qt::DotLine));
            balken->setName(QStringLiteral("Residuen yi − ^yi"));
        }
        Linienzug(p, {ax.Gezeichnet(g.X0), ax.Gezeichnet(g.X1)},
                  {ay.Gezeichnet(g.Y0), ay.Gezeichnet(g.Y1)}, Stift(kZinnober, 2.5),
                  QStringLiteral("Regressionsgerade (%1; %2)").arg(Q(g.TextA), Q(g.TextB)));
    }
    if (s.SchwerpunktX && s.SchwerpunktY) {
        const double sx = ax.Gezeichnet(s.SchwerpunktX->Wert);
        const double sy = ay.Gezeichnet(s.SchwerpunktY->Wert);
        for (const auto& [richtung, punkt] : {std::pair{QPointF(1, 0), QPointF(sx, sy)},
                                              std::pair{QPointF(0, 1), QPointF(sx, sy)}}) {
            auto* hilfslinie = new QCPItemStraightLine(&p);
            hilfslinie->point1->setCoords(punkt);
            hilfslinie->point2->setCoords(punkt + richtung);
            hilfslinie->setPen(Stift(kOrange, 1, Qt::DotLine));
        }
        auto* schwerpunkt = new QCPGraph(p.xAxis, p.yAxis);
        schwerpunkt->setData({sx}, {sy});
        schwerpunkt->setLineStyle(QCPGraph::lsNone);
        schwerpunkt->setScatterStyle(QCPScatterStyle(QCPScatterStyle::ssPlusCircle,
                                                     Stift(kSchwarz, 2), QBrush(kOrange), 16));
        schwerpunkt->setName(QStringLiteral("Schwerpunkt (%1; %2)")
                                 .arg(Q(s.SchwerpunktX->Text), Q(s.SchwerpunktY->Text)));
    }
    const std::pair<const std::optional<Marke>*, const char*> kennzahlen[] = {
        {&s.r, "Bravais-Pearson"}, {&s.rSP, "Spearman"}, {&s.R2, "Determinationskoeffizient"}};
    for (const auto& [kennzahl, name] : kennzahlen)
        if (*kennzahl)
            p.legend->addItem(new Textlegende(
                p.legend,
                QStringLiteral("%1 (%2)").arg(Q((*kennzahl)->Text), QString::fromUtf8(name))));

    // Beside a point on which several pairs fall, their number; where such points are many,
    // they lie too close for it.
    std::vector<Wertbeschriftung>& anzahlen = f.Werte;
    if (!s.Mehrfach.empty() && s.Mehrfach.size() <= kMehrfachBeschriftetBis) {
        for (const Mehrfachpunkt& m : s.Mehrfach) {
            const double mx = ax.Gezeichnet(m.X), my = ay.Gezeichnet(m.Y);
            QCPItemText* t = Wertetext(p, mx, my, QStringLiteral("%1×").arg(m.Anzahl), false);
            t->setPositionAlignment(Qt::AlignLeft | Qt::AlignVCenter);
            t->setPadding(QMargins(6, 0, 1, 0));
            t->setBrush(Qt::NoBrush);
            anzahlen.push_back({t, mx, my, 0});
        }
        p.legend->addItem(new Textlegende(
            p.legend, QStringLiteral("k× neben einem Punkt: k gleiche Wertepaare (xi, yi)")));
    }

    p.xAxis->setLabel(QString::fromStdString(Achsentitel("Merkmal a1 (x)", ax.Exponent)));
    p.yAxis->setLabel(QString::fromStdString(Achsentitel("Merkmal a2 (y)", ay.Exponent)));
    Bereiche(p, ax, ay);
    return {p.xAxis->range(), p.yAxis->range()};
}

// ----- Two-dimensional table: observed and expected frequencies -----------------------------

Ansicht HaeufigkeitenZeichnen(QCustomPlot& p, const Haeufigkeitsdiagramm& h, const std::string& dez,
                              Feinsatz& f) {
    Rahmen(p, h.Titel, h.Meldungen, dez);
    const std::size_t k = h.Spalten.size();
    if (k == 0) return {};

    double kleinster = 0, groesster = 0;
    for (const auto* reihe : {&h.A1, &h.A2, &h.ErwartetA1, &h.ErwartetA2})
        for (double w : *reihe) {
            kleinster = std::min(kleinster, w);
            groesster = std::max(groesster, w);
        }
    const Achse ay = AchseBilden(kleinster, groesster, true);
    const Achse ax{0, 0.4, static_cast<double>(k) + 0.6};

    struct Reihe {
        const std::vector<double>* Werte;
        const std::vector<std::string>* Texte;
        QString Name;
        QColor Farbe;
        bool Erwartet;
    };
    std::vector<Reihe> reihen = {
        {&h.A1, &h.TexteA1, QStringLiteral("a1 beobachtet"), kBlau, false},
        {&h.ErwartetA1, &h.ErwartetTexteA1,
         QStringLiteral("a1 theoretisch, bei Unabhängigkeit (h~a1)"), kBlau, true},
        {&h.A2, &h.TexteA2, QStringLiteral("a2 beobachtet"), kOrange, false},
        {&h.ErwartetA2, &h.ErwartetTexteA2,
         QStringLiteral("a2 theoretisch, bei Unabhängigkeit (h~a2)"), kOrange, true}};
    if (!h.MitErwartet)
        reihen.erase(
            std::remove_if(reihen.begin(), reihen.end(), [](const Reihe& r) { return r.Erwartet; }),
            reihen.end());

    // Bars of one column side by side around its key, a fixed share of the key's width each.
    const double breite = 0.8 / static_cast<double>(reihen.size());
    std::vector<Wertbeschriftung>& werte = f.Werte;
    auto* gruppe = new QCPBarsGroup(&p);
    gruppe->setSpacingType(QCPBarsGroup::stPlotCoords);
    gruppe->setSpacing(0);
    QVector<double> schluessel(static_cast<int>(k));
    std::iota(schluessel.begin(), schluessel.end(), 1.0);
    for (std::size_t r = 0; r < reihen.size(); ++r) {
        const Reihe& reihe = reihen[r];
        QVector<double> hoehen(static_cast<int>(k));
        for (std::size_t j = 0; j < k; ++j)
            hoehen[static_cast<int>(j)] = ay.Gezeichnet((*reihe.Werte)[j]);
        auto* balken = new QCPBars(p.xAxis, p.yAxis);
        balken->setWidth(breite);
        balken->setData(schluessel, hoehen, true);
        balken->setBarsGroup(gruppe);
        balken->setName(reihe.Name);
        if (reihe.Erwartet) {
            balken->setPen(Stift(reihe.Farbe.darker(130), 1.2, Qt::DashLine));
            balken->setBrush(QBrush(reihe.Farbe, Qt::BDiagPattern));
        } else {
            balken->setPen(Stift(reihe.Farbe.darker(130), 1.2));
            balken->setBrush(Durchscheinend(reihe.Farbe, 200));
        }
        // The observed values are the last to be given up where not all fit.
        if (k <= kBeschrifteteSpaltenBis) {
            const double versatz = (static_cast<double>(r) - (reihen.size() - 1) / 2.0) * breite;
            for (std::size_t j = 0; j < k; ++j) {
                const double x = schluessel[static_cast<int>(j)] + versatz;
                const double y = std::max(0.0, hoehen[static_cast<int>(j)]);
                werte.push_back(
                    {Wertetext(p, x, y, Q((*reihe.Texte)[j]), true), x, y, reihe.Erwartet ? 1 : 0});
            }
        }
    }

    p.xAxis->setLabel(QStringLiteral("Merkmal b (Spalten der Häufigkeitstabelle)"));
    p.xAxis->setTicker(QSharedPointer<QCPAxisTicker>(new SpaltenTicker(static_cast<int>(k))));
    p.yAxis->setLabel(QString::fromStdString(Achsentitel("Häufigkeit (absolut)", ay.Exponent)));
    Bereiche(p, ax, ay);
    return {p.xAxis->range(), p.yAxis->range()};
}

// ----- The draw routine of each chart kind --------------------------------------------------

struct Zeichenzeile {
    Diagrammart Art;
    // Draws the kind's chart; nothing where the data do not hold it.
    std::optional<Ansicht> (*Zeichnen)(QCustomPlot& p, const Diagrammdaten& d, bool residuen,
                                       Feinsatz& f);
};

// One row for each row of kDiagrammarten, in its order.
constexpr std::array<Zeichenzeile, kDiagrammarten.size()> kZeichnungen{{
    {Diagrammart::Verteilung,
     [](QCustomPlot& p, const Diagrammdaten& d, bool, Feinsatz& f) -> std::optional<Ansicht> {
         if (!d.Verteilung) return std::nullopt;
         return VerteilungZeichnen(p, *d.Verteilung, d.Einstellungen.Dezimaltrennzeichen, f);
     }},
    {Diagrammart::Streudiagramm,
     [](QCustomPlot& p, const Diagrammdaten& d, bool residuen,
        Feinsatz& f) -> std::optional<Ansicht> {
         if (!d.Streuung) return std::nullopt;
         return StreudiagrammZeichnen(p, *d.Streuung, d.Einstellungen.Dezimaltrennzeichen, residuen,
                                      f);
     }},
    {Diagrammart::Haeufigkeiten,
     [](QCustomPlot& p, const Diagrammdaten& d, bool, Feinsatz& f) -> std::optional<Ansicht> {
         if (!d.Haeufigkeiten) return std::nullopt;
         return HaeufigkeitenZeichnen(p, *d.Haeufigkeiten, d.Einstellungen.Dezimaltrennzeichen, f);
     }},
    {Diagrammart::Boxplot,
     [](QCustomPlot& p, const Diagrammdaten& d, bool, Feinsatz& f) -> std::optional<Ansicht> {
         if (!d.Boxplot) return std::nullopt;
         return BoxplotZeichnen(p, *d.Boxplot, d.Einstellungen.Dezimaltrennzeichen, f);
     }},
    {Diagrammart::Summenkurve,
     [](QCustomPlot& p, const Diagrammdaten& d, bool, Feinsatz& f) -> std::optional<Ansicht> {
         if (!d.Verteilungsfunktion) return std::nullopt;
         return SummenkurveZeichnen(p, *d.Verteilungsfunktion, d.Einstellungen.Dezimaltrennzeichen,
                                    f);
     }},
}};

// A row missing or out of order is left with the first kind or without a routine.
constexpr bool ZeichnungenVollstaendig() {
    for (std::size_t i = 0; i < kZeichnungen.size(); ++i)
        if (kZeichnungen[i].Art != kDiagrammarten[i].Art || kZeichnungen[i].Zeichnen == nullptr)
            return false;
    return true;
}
static_assert(ZeichnungenVollstaendig(), "kZeichnungen: one draw routine per chart kind");

}  // namespace

QLocale Zahlenformat(const std::string& dezimal) {
    QLocale format = dezimal == "," ? QLocale(QLocale::German, QLocale::Germany) : QLocale::c();
    format.setNumberOptions(QLocale::OmitGroupSeparator);
    return format;
}

Ansicht Zeichnen(QCustomPlot& plot, const Diagrammdaten& daten, Diagrammart art, bool residuen) {
    Feinsatz feinsatz;
    if (const std::optional<Ansicht> ansicht =
            kZeichnungen[static_cast<std::size_t>(art)].Zeichnen(plot, daten, residuen, feinsatz))
        return plot.plottableCount() == 0 ? *ansicht : Einpassen(plot, std::move(feinsatz));
    const std::string& dez = daten.Einstellungen.Dezimaltrennzeichen;

    // No chart: the lists could not be read, or the data are of the other mode.
    Rahmen(
        plot, "Kein Diagramm",
        {daten.Abbruch.empty() ? std::string("Keine Daten für dieses Diagramm.") : daten.Abbruch},
        dez);
    plot.legend->setVisible(false);
    plot.xAxis->setVisible(false);
    plot.yAxis->setVisible(false);
    return {plot.xAxis->range(), plot.yAxis->range()};
}

void AnsichtHerstellen(QCustomPlot& plot, const Ansicht& ansicht) {
    plot.xAxis->setRange(ansicht.X);
    plot.yAxis->setRange(ansicht.Y);
}

void BedienbarMachen(QCustomPlot& plot) {
    plot.setInteractions(QCP::iRangeDrag | QCP::iRangeZoom);
    for (QCPAxis* achse : {plot.xAxis, plot.yAxis}) {
        QObject::connect(achse, qOverload<const QCPRange&, const QCPRange&>(&QCPAxis::rangeChanged),
                         achse, [achse](const QCPRange& neu, const QCPRange& alt) {
                             if (Zeichenbar(neu.lower, neu.upper)) return;
                             const QSignalBlocker sperre(achse);
                             achse->setRange(alt);
                         });
    }
}

}  // namespace zv
