#include "charts/Diagrammzeichnung.h"

#include <algorithm>
#include <array>
#include <cmath>
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

// Legend texts longer than this are cut (a mode line can list thousands of values).
constexpr int kLaengsteLegende = 90;
// Bars get their value written above them up to this many.
constexpr std::size_t kBeschriftetBis = 30;
constexpr std::size_t kBeschrifteteSpaltenBis = 8;
constexpr std::size_t kGefuellteKreiseBis = 2000;

QString Q(const std::string& text) {
    QString t = QString::fromStdString(text);
    if (t.size() > kLaengsteLegende) t = t.left(kLaengsteLegende - 1) + QChar(0x2026);
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

// Whole-number tick steps, for counts.
class GanzzahlTicker : public QCPAxisTicker {
  protected:
    double getTickStep(const QCPRange& bereich) override {
        return std::max(1.0, std::round(QCPAxisTicker::getTickStep(bereich)));
    }
    int getSubTickCount(double schritt) override {
        return schritt > 1 ? QCPAxisTicker::getSubTickCount(schritt) : 0;
    }
};

// Columns b1, b2, ... at the keys 1, 2, ...
class SpaltenTicker : public GanzzahlTicker {
  public:
    explicit SpaltenTicker(int spalten) : spalten_(spalten) {}

  protected:
    QString getTickLabel(double wert, const QLocale&, QChar, int) override {
        const double j = std::round(wert);
        if (j != wert || j < 1 || j > spalten_) return {};
        return QString::fromStdString(Spaltenname(static_cast<long long>(j) - 1));
    }
    int getSubTickCount(double) override { return 0; }

  private:
    int spalten_;
};

// The frame every chart shares: the title on top, the lines of failed statistics beneath it,
// the axes, and the legend under the axes in two columns.
void Rahmen(QCustomPlot& p, const std::string& titel, const std::vector<std::string>& meldungen,
            const std::string& dezimal) {
    p.setLocale(Zahlenformat(dezimal));
    p.setAntialiasedElements(QCP::aePlottables | QCP::aeItems | QCP::aeLegendItems);

    QFont titelschrift = p.font();
    titelschrift.setPointSizeF(titelschrift.pointSizeF() * 1.3);
    titelschrift.setBold(true);
    p.plotLayout()->insertRow(0);
    p.plotLayout()->addElement(0, 0, new QCPTextElement(&p, Q(titel), titelschrift));
    if (!meldungen.empty()) {
        QStringList zeilen;
        for (const std::string& m : meldungen) zeilen << Q(m);
        auto* text = new QCPTextElement(&p, zeilen.join(QLatin1Char('\n')), p.font());
        text->setTextColor(kZinnober);
        p.plotLayout()->insertRow(1);
        p.plotLayout()->addElement(1, 0, text);
    }

    p.legend->setVisible(true);
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
    t->position->setType(QCPItemPosition::ptPlotCoords);
    t->position->setCoords(x, y);
    QFont schrift = p.font();
    schrift.setPointSizeF(schrift.pointSizeF() * 0.85);
    t->setFont(schrift);
    t->setText(text);
    t->setClipToAxisRect(true);
    if (hochkant) {
        t->setRotation(-90);
        t->setPositionAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    } else {
        t->setPositionAlignment(Qt::AlignBottom | Qt::AlignHCenter);
    }
    t->setPadding(QMargins(2, 0, 2, 1));
    return t;
}

// ----- One-dimensional: the distribution ---------------------------------------------------

Ansicht VerteilungZeichnen(QCustomPlot& p, const Verteilungsdiagramm& v, const std::string& dez) {
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
    if (v.Saeulen.size() <= kBeschriftetBis)
        for (int i = 0; i < mitten.size(); ++i)
            Wertetext(p, mitten[i], anzahlen[i],
                      QString::fromStdString(GanzzahlText(v.Saeulen[i].Anzahl)), false);

    // The band lies behind the bars.
    if (v.Streuung) {
        const double a = ax.Gezeichnet(v.Streuung->Von), b = ax.Gezeichnet(v.Streuung->Bis);
        auto* band =
            Linienzug(p, {a, a, b, b, a}, {0, oben, oben, 0, 0}, Stift(kOrange, 1, Qt::DashDotLine),
                      QStringLiteral("Mittelwert ± s (%1)").arg(Q(v.Streuung->Text)));
        band->setBrush(Durchscheinend(kGelb, 90));
        band->setLayer(QStringLiteral("grid"));
    }

    if (v.Mittelwert) {
        const double m = ax.Gezeichnet(v.Mittelwert->Wert);
        Linienzug(p, {m, m}, {0, oben}, Stift(kZinnober, 2.5), Q(v.Mittelwert->Text));
    }
    if (v.Median) {
        const double m = ax.Gezeichnet(v.Median->Wert);
        Linienzug(p, {m, m}, {0, oben}, Stift(kBlau, 2.5, Qt::DashLine), Q(v.Median->Text));
    }
    if (!v.Modi.empty()) {
        // A triangle above the bar that holds each mode.
        QVector<double> x, y;
        for (const Marke& modus : v.Modi) {
            auto bis = std::upper_bound(v.Saeulen.begin(), v.Saeulen.end(), modus.Wert,
                                        [](double w, const Saeule& s) { return w < s.Von; });
            if (bis != v.Saeulen.begin()) --bis;
            x << ax.Gezeichnet(modus.Wert);
            y << static_cast<double>(bis->Anzahl) + 1.4 * stufe;
        }
        auto* modi = new QCPGraph(p.xAxis, p.yAxis);
        modi->setData(x, y);
        modi->setLineStyle(QCPGraph::lsNone);
        modi->setScatterStyle(QCPScatterStyle(QCPScatterStyle::ssTriangleInverted,
                                              Stift(kPurpur, 1.5), QBrush(kPurpur), 11));
        modi->setName(Q(v.ModusZeile));
    } else if (!v.ModusZeile.empty()) {
        p.legend->addItem(new Textlegende(p.legend, Q(v.ModusZeile)));
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
    Bereiche(p, ax, ay);
    return {p.xAxis->range(), p.yAxis->range()};
}

// ----- Two-dimensional pairs: the scatter chart ---------------------------------------------

Ansicht StreudiagrammZeichnen(QCustomPlot& p, const Streudiagramm& s, const std::string& dez,
                              bool residuen) {
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

    p.xAxis->setLabel(QString::fromStdString(Achsentitel("Merkmal a1 (x)", ax.Exponent)));
    p.yAxis->setLabel(QString::fromStdString(Achsentitel("Merkmal a2 (y)", ay.Exponent)));
    Bereiche(p, ax, ay);
    return {p.xAxis->range(), p.yAxis->range()};
}

// ----- Two-dimensional table: observed and expected frequencies -----------------------------

Ansicht HaeufigkeitenZeichnen(QCustomPlot& p, const Haeufigkeitsdiagramm& h,
                              const std::string& dez) {
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
    auto* gruppe = new QCPBarsGroup(&p);
    gruppe->setSpacingType(QCPBarsGroup::stPlotCoords);
    gruppe->setSpacing(0);
    QVector<double> schluessel(static_cast<int>(k));
    std::iota(schluessel.begin(), schluessel.end(), 1.0);
    for (std::size_t r = 0; r < reihen.size(); ++r) {
        const Reihe& reihe = reihen[r];
        QVector<double> werte(static_cast<int>(k));
        for (std::size_t j = 0; j < k; ++j)
            werte[static_cast<int>(j)] = ay.Gezeichnet((*reihe.Werte)[j]);
        auto* balken = new QCPBars(p.xAxis, p.yAxis);
        balken->setWidth(breite);
        balken->setData(schluessel, werte, true);
        balken->setBarsGroup(gruppe);
        balken->setName(reihe.Name);
        if (reihe.Erwartet) {
            balken->setPen(Stift(reihe.Farbe.darker(130), 1.2, Qt::DashLine));
            balken->setBrush(QBrush(reihe.Farbe, Qt::BDiagPattern));
        } else {
            balken->setPen(Stift(reihe.Farbe.darker(130), 1.2));
            balken->setBrush(Durchscheinend(reihe.Farbe, 200));
        }
        if (k <= kBeschrifteteSpaltenBis) {
            const double versatz = (static_cast<double>(r) - (reihen.size() - 1) / 2.0) * breite;
            for (std::size_t j = 0; j < k; ++j)
                Wertetext(p, schluessel[static_cast<int>(j)] + versatz,
                          std::max(0.0, werte[static_cast<int>(j)]), Q((*reihe.Texte)[j]), true);
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
    std::optional<Ansicht> (*Zeichnen)(QCustomPlot& p, const Diagrammdaten& d, bool residuen);
};

// One row for each row of kDiagrammarten, in its order.
constexpr std::array<Zeichenzeile, kDiagrammarten.size()> kZeichnungen{{
    {Diagrammart::Verteilung,
     [](QCustomPlot& p, const Diagrammdaten& d, bool) -> std::optional<Ansicht> {
         if (!d.Verteilung) return std::nullopt;
         return VerteilungZeichnen(p, *d.Verteilung, d.Einstellungen.Dezimaltrennzeichen);
     }},
    {Diagrammart::Streudiagramm,
     [](QCustomPlot& p, const Diagrammdaten& d, bool residuen) -> std::optional<Ansicht> {
         if (!d.Streuung) return std::nullopt;
         return StreudiagrammZeichnen(p, *d.Streuung, d.Einstellungen.Dezimaltrennzeichen,
                                      residuen);
     }},
    {Diagrammart::Haeufigkeiten,
     [](QCustomPlot& p, const Diagrammdaten& d, bool) -> std::optional<Ansicht> {
         if (!d.Haeufigkeiten) return std::nullopt;
         return HaeufigkeitenZeichnen(p, *d.Haeufigkeiten, d.Einstellungen.Dezimaltrennzeichen);
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
    if (const std::optional<Ansicht> ansicht =
            kZeichnungen[static_cast<std::size_t>(art)].Zeichnen(plot, daten, residuen))
        return *ansicht;
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
