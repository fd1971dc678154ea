// What a learner can read on the charts: every chart kind drawn by the routine of the report
// tool and the window, for awkward data at the smallest, the usual and a large size, checked on
// the drawn items (layout text elements, legend entries, text items, tick labels, axis titles):
// no text leaves the chart (or the axis rect it is clipped to), overlaps another, is shortened
// with "…" or lies under a mean or median line; each axis writes its numbers in one format; a
// mode mark stands over the middle of a bar; each of up to 20 columns is named.

#include <gtest/gtest.h>
#include <qcustomplot.h>

#include <QApplication>
#include <cmath>
#include <set>

#include "Berichtstest.h"
#include "base/Zahltext.h"
#include "chartdata/Achsen.h"
#include "chartdata/Diagrammarten.h"
#include "charts/Diagrammzeichnung.h"
#include "charts/Textlegende.h"
#include "run/Trennzeichen.h"

namespace {

struct Fall {
    const char* Name;
    bool Zwei;
    std::string A1, A2;
    const char* Trenner;
};

// n numbers (i * a mod m) / d + 1 with German decimals.
std::string Folge(int n, int a, int m, double d) {
    std::string t;
    for (int i = 0; i < n; ++i)
        t += (i ? " " : "") + QString::number((i * a % m) / d + 1, 'g', 12)
                                  .replace(QLatin1Char('.'), QLatin1Char(','))
                                  .toStdString();
    return t;
}

const Fall kFaelle[] = {
    {"DeutscheDezimalen", true, "1,25;2,5;2,5;3,75;0,125;4,875;3,75",
     "10,5;11,25;11,25;12,5;9,875;13,125;12", "semicolon"},
    {"NachbarzahlenDicht", false, "6 11 32 38 39 50 74 85 89 95", "", "space"},
    {"LinienUeberZahlen", false, "5;5;5;8;8;2", "", "semicolon"},
    {"WeitGestreut", false, "1 2 1000 1000 500", "", "space"},
    {"EinWert", false, "7", "", "space"},
    {"EinPaar", true, "3", "4", "space"},
    {"Gleich", false, "5 5 5 5", "", "space"},
    {"GleichePaare", true, "2 2 2", "2 2 2", "space"},
    {"Riesig", false, "1E+300 -1E+300 5E+299", "", "space"},
    {"RiesigePaare", true, "1E+300 -1E+300 5E+299", "-1E+300 2 1E+300", "space"},
    {"Millionen", false, "-1000000 -400000 0 0", "", "space"},
    {"Tausend", false, Folge(1000, 7919, 1000, 8), "", "space"},
    {"TausendPaare", true, Folge(1000, 1, 97, 1), Folge(1000, 31, 101, 1), "space"},
    {"Grenze", false, Folge(32767, 7919, 32767, 100), "", "space"},
    {"GrenzePaare", true, Folge(32767, 1, 89, 1), Folge(32767, 13, 83, 1), "space"},
    {"VieleModi", false, Folge(48, 17, 24, 4), "", "space"},
    {"ZwanzigSpalten", true, Folge(20, 37, 900, 1), Folge(20, 53, 1500, 1), "space"},
    {"GebundenePunkte", true, "1 1 2 2 3 3", "4 4 5 5 6 6", "space"},
    {"NaheMaximum", false, "1E+308 -1E+308 1,7E+308 -1,7E+308", "", "space"},
    {"PaareNaheMaximum", true, "1E+308 -1E+308 5", "-1,7E+308 1,7E+308 0", "space"},
    {"Kleinste", false, "5E-324 1E-323 0", "", "space"},
    // Values outside the boxplot's fences on both sides, two of them close together.
    {"AusreisserBeiderseits", false, "-40 -38 1 2 3 4 5 6 7 8 60 61,5", "", "space"},
};

struct Text {
    QRectF Rahmen, Erlaubt;
    QString Inhalt;
    QCPItemText* Element;
};

// The text boxes as drawn; faults of the axes' numbers and titles go to fehler.
std::vector<Text> Texte(QCustomPlot& p, const QRectF& bild, QStringList& fehler) {
    std::vector<Text> t;
    for (QCPLayoutElement* e : p.plotLayout()->elements(true)) {
        if (auto* z = qobject_cast<QCPTextElement*>(e))
            t.push_back({QFontMetrics(z->font()).boundingRect(z->rect(), z->textFlags(), z->text()),
                         bild, z->text(), nullptr});
        auto* l = qobject_cast<QCPAbstractLegendItem*>(e);
        auto* zeichnung = qobject_cast<QCPPlottableLegendItem*>(l);
        if (l != nullptr)
            t.push_back(
                {QRectF(l->rect().topLeft(), l->minimumOuterSizeHint().shrunkBy(l->margins())),
                 bild,
                 zeichnung ? zeichnung->plottable()->name()
                           : dynamic_cast<zv::Textlegende*>(l)->Text(),
                 nullptr});
    }
    for (int i = 0; i < p.itemCount(); ++i) {
        auto* z = qobject_cast<QCPItemText*>(p.item(i));
        if (!z || !z->visible()) continue;
        const QPolygonF ecken{z->topLeft->pixelPosition(), z->topRight->pixelPosition(),
                              z->bottomRight->pixelPosition(), z->bottomLeft->pixelPosition()};
        t.push_back({ecken.boundingRect(), z->clipToAxisRect() ? z->clipAxisRect()->rect() : bild,
                     z->text(), z});
    }
    for (QCPAxis* achse : {p.xAxis, p.yAxis}) {
        if (!achse->visible()) continue;
        const QFontMetrics m(achse->tickLabelFont());
        const QRect r = achse->axisRect()->rect();
        const bool waagrecht = achse->orientation() == Qt::Horizontal;
        const double abstand = achse->offset() + achse->tickLengthOut() + achse->tickLabelPadding();
        std::set<bool> exponent;
        for (int j = 0; j < achse->tickVector().size(); ++j) {
            const QString l = achse->tickVectorLabels().value(j);
            if (l.isEmpty()) continue;
            exponent.insert(l.contains(QLatin1Char('E')));
            QSizeF s = m.boundingRect(l).size();
            if (std::abs(achse->tickLabelRotation()) > 45) s.transpose();
            const double px = achse->coordToPixel(achse->tickVector()[j]);
            t.push_back(
                {waagrecht ? QRectF(px - s.width() / 2, r.bottom() + abstand, s.width(), s.height())
                           : QRectF(r.left() - abstand - s.width(), px - s.height() / 2, s.width(),
                                    s.height()),
                 bild, l, nullptr});
        }
        if (exponent.size() > 1) fehler << "Zahlenformate gemischt an einer Achse";
        const int titel = QFontMetrics(achse->labelFont())
                              .boundingRect(QRect(), Qt::TextDontClip, achse->label())
                              .width();
        if (titel > (waagrecht ? r.width() : r.height()) + 1)
            fehler << "Achsentitel länger als die Achse: " + achse->label();
    }
    return t;
}

QStringList Pruefen(QCustomPlot& p, const QRectF& bild, zv::Diagrammart art, std::size_t k) {
    QStringList f;
    // Every plottable lies inside axes that can be drawn.
    const QCPRange bx = p.xAxis->range(), by = p.yAxis->range();
    if (!zv::Zeichenbar(bx.lower, bx.upper) || !zv::Zeichenbar(by.lower, by.upper))
        f << "Achsen nicht zeichenbar";
    for (int i = 0; i < p.plottableCount(); ++i) {
        bool k1 = false, k2 = false;
        const QCPRange a = p.plottable(i)->getKeyRange(k1), b = p.plottable(i)->getValueRange(k2);
        if (k1 && k2 &&
            (a.lower < bx.lower || a.upper > bx.upper || b.lower < by.lower || b.upper > by.upper))
            f << "außerhalb der Achsen: " + p.plottable(i)->name();
    }
    const std::vector<Text> texte = Texte(p, bild, f);
    for (std::size_t i = 0; i < texte.size(); ++i) {
        const Text& a = texte[i];
        if (a.Inhalt.contains(QChar(0x2026))) f << "gekürzt: " + a.Inhalt;
        if (!a.Erlaubt.adjusted(-1, -1, 1, 1).contains(a.Rahmen)) f << "abgeschnitten: " + a.Inhalt;
        for (std::size_t j = i + 1; j < texte.size(); ++j) {
            const QRectF u = a.Rahmen.intersected(texte[j].Rahmen);
            if (u.width() > 1 && u.height() > 1)
                f << "überdeckt: " + a.Inhalt + " / " + texte[j].Inhalt;
        }
    }
    // A vertical line through a value is drawn beneath it, which covers the line.
    for (int i = 0; i < p.plottableCount(); ++i) {
        auto* linie = qobject_cast<QCPCurve*>(p.plottable(i));
        if (!linie || linie->dataCount() != 2) continue;
        const double x = linie->data()->at(0)->key, px = p.xAxis->coordToPixel(x);
        for (const Text& t : texte)
            if (t.Element && x == linie->data()->at(1)->key && t.Rahmen.left() < px &&
                px < t.Rahmen.right() &&
                (t.Element->layer()->index() <= linie->layer()->index() ||
                 t.Element->brush().style() == Qt::NoBrush))
                f << "unter einer Linie: " + t.Inhalt;
    }
    auto* balken = qobject_cast<QCPBars*>(p.plottableCount() ? p.plottable(0) : nullptr);
    for (int i = 0; balken && art == zv::Diagrammart::Verteilung && i < p.graphCount(); ++i)
        for (auto it = p.graph(i)->data()->constBegin(); it != p.graph(i)->data()->constEnd(); ++it)
            if (auto b = balken->data()->findBegin(it->key, false);
                b == balken->data()->constEnd() || b->key != it->key)
                f << QStringLiteral("Modusmarke nicht über der Mitte einer Säule: %1").arg(it->key);
    for (std::size_t j = 0; art == zv::Diagrammart::Haeufigkeiten && k <= 20 && j < k; ++j)
        if (!p.xAxis->tickVectorLabels().contains(
                QString::fromStdString(zv::Spaltenname(static_cast<long long>(j)))))
            f << QStringLiteral("Spalte %1 ohne Namen").arg(j + 1);
    return f;
}

class Zeichnung : public ::testing::TestWithParam<Fall> {
  protected:
    static void SetUpTestSuite() {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        static int anzahl = 1;
        static char name[] = "test", *argumente[] = {name, nullptr};
        if (!QApplication::instance()) new QApplication(anzahl, argumente);
    }
};

TEST_P(Zeichnung, JederTextLesbar) {
    const Fall& fall = GetParam();
    const zv::Diagrammdaten daten = zv::DiagrammdatenBilden(
        zvtest::Zustand(fall.Zwei, zv::TrennzeichenwahlZuName(fall.Trenner), fall.A1, fall.A2, {}),
        ",");
    ASSERT_EQ(daten.Abbruch, "");
    const std::size_t k = daten.Haeufigkeiten ? daten.Haeufigkeiten->Spalten.size() : 0;
    for (zv::Diagrammart art : zv::ArtenDesModus(fall.Zwei))
        for (const QSize groesse : {QSize(320, 240), QSize(800, 600), QSize(1600, 1200)}) {
            const std::string zeile =
                std::string(fall.Name) + "/" + std::string(zv::Artzeile(art).Reiter) + "/" +
                std::to_string(groesse.width()) + "x" + std::to_string(groesse.height());
            // As the report tool draws its file.
            QCustomPlot p;
            p.resize(groesse);
            zv::Zeichnen(p, daten, art, daten.Streuung && daten.Streuung->ResiduenAn);
            p.toPixmap(groesse.width(), groesse.height());
            const QStringList fehler = Pruefen(p, QRectF(QPointF(0, 0), groesse), art, k);
            EXPECT_TRUE(fehler.isEmpty()) << zeile << ":\n  " << fehler.join("\n  ").toStdString();
        }
}

INSTANTIATE_TEST_SUITE_P(Katalog, Zeichnung, ::testing::ValuesIn(kFaelle),
                         [](const auto& reihe) { return std::string(reihe.param.Name); });

}  // namespace
