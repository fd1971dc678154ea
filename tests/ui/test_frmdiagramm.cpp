// The chart window opened from the main window's Extras menu, headless: its place beside the
// main window, the graphs it draws for the boxes, their point and bar counts, axis ranges that
// hold every mark, redrawing on "&Berechnen", emptied by a switch of the data mode, zoom and
// reset, saving (by button and Ctrl+S) and copying, and inputs at the limits.

#include <qcustomplot.h>

#include <QtTest>
#include <QtWidgets>
#include <random>

#include "Fenstertest.h"
#include "chartdata/Achsen.h"
#include "chartdata/Diagrammdaten.h"
#include "charts/Png.h"
#include "charts/Textlegende.h"
#include "charts/frmDiagramm.h"
#include "ui/frmStatistik.h"

namespace {

// Every legend text: the plottables' names and the entries of text alone.
QStringList Legende(QCustomPlot* p) {
    QStringList texte;
    for (int i = 0; i < p->legend->itemCount(); ++i) {
        if (auto* e = qobject_cast<QCPPlottableLegendItem*>(p->legend->item(i)))
            texte << e->plottable()->name();
        else if (auto* t = dynamic_cast<zv::Textlegende*>(p->legend->item(i)))
            texte << t->Text();
    }
    return texte;
}

template <class T>
QList<T*> Zeichnungen(QCustomPlot* p) {
    QList<T*> liste;
    for (int i = 0; i < p->plottableCount(); ++i)
        if (auto* z = qobject_cast<T*>(p->plottable(i))) liste << z;
    return liste;
}

}  // namespace

class TestFrmDiagramm : public QObject {
    Q_OBJECT

    std::unique_ptr<frmStatistik> f_;
    QTemporaryDir ordner_;

    template <class T = QWidget>
    T* K(const QString& name) {
        return zvtest::Kind<T>(f_.get(), name);
    }
    void Daten(bool zwei, const QString& m1, const QString& m2 = {}, const QString& nks = "3") {
        K<QRadioButton>(zwei ? "optMaterial_1" : "optMaterial_0")->setChecked(true);
        K<QLineEdit>("txtM1")->setText(m1);
        K<QLineEdit>("txtM2")->setText(m2);
        K<QLineEdit>("txtNks")->setText(nks);
    }
    // Extras "&Diagramm..." and the window it shows.
    frmDiagramm* Oeffnen() {
        K<QAction>("mnuDiagramm")->trigger();
        auto* d = f_->findChild<frmDiagramm*>();
        if (d == nullptr || !QTest::qWaitForWindowExposed(d)) qFatal("no chart window");
        return d;
    }
    // The chart data of the boxes, as the chart window is given them.
    zv::Diagrammdaten Erwartet(bool zwei, const QString& m1, const QString& m2 = {}) {
        zv::Steuerzustand z;
        z.Zweidimensional = zwei;
        z.txtM1 = m1.toStdString();
        z.txtM2 = m2.toStdString();
        return zv::DiagrammdatenBilden(z, f_->Lauf().Dezimaltrennzeichen());
    }
    static QString Q(const std::string& s) { return QString::fromStdString(s); }

  private slots:
    void init() {
        f_ = std::make_unique<frmStatistik>();
        f_->show();
        QVERIFY(QTest::qWaitForWindowExposed(f_.get()));
    }
    void cleanup() { f_.reset(); }

    void menueUndKnoepfe() {
        // Every item of Extras has an access key no other item has.
        auto* menue = K<QMenu>("MExtras");
        QStringList schluessel;
        for (QAction* a : menue->actions()) {
            const QString t = a->text();
            schluessel << t.mid(t.indexOf('&') + 1, 1).toLower();
        }
        QCOMPARE(schluessel.size(), 14);
        QCOMPARE(QSet<QString>(schluessel.begin(), schluessel.end()).size(), schluessel.size());

        Daten(false, "1 2 2 3");
        frmDiagramm* d = Oeffnen();
        QVERIFY(!d->isModal());
        QTest::mouseClick(d->findChild<QPushButton*>("cmdSchliessen"), Qt::LeftButton);
        QTRY_VERIFY(f_->findChild<frmDiagramm*>() == nullptr);
        // Closed, it is not brought back by a run.
        QTest::mouseClick(K<QPushButton>("cmdCalculate"), Qt::LeftButton);
        QVERIFY(f_->findChild<frmDiagramm*>() == nullptr);
    }

    // The chart window opens beside the main window, on the screen, left, centred or right;
    // opened again while open, it stays where it is.
    void nebenDemHauptfenster() {
        QTest::qWait(1500);  // the main window holds its centred place for a second
        const QRect schirm = f_->screen()->availableGeometry();
        const QWindow* haupt = f_->windowHandle();
        const int frei = schirm.width() - haupt->frameGeometry().width();
        for (const int x : {0, frei / 2, frei}) {
            f_->move(x, 300);
            QTRY_COMPARE(haupt->framePosition(), QPoint(x, 300));
            frmDiagramm* d = Oeffnen();
            const QRect rahmen = d->frameGeometry();
            QVERIFY(!rahmen.intersects(haupt->frameGeometry()) && schirm.contains(rahmen));
            d->move(rahmen.topLeft() + QPoint(9, 9));
            K<QAction>("mnuDiagramm")->trigger();
            QTRY_COMPARE(d->frameGeometry().topLeft(), rahmen.topLeft() + QPoint(9, 9));
            d->close();
            QTRY_VERIFY(f_->findChild<frmDiagramm*>() == nullptr);
        }
    }

    void verteilung() {
        const QString liste = "2 4 4 5 7 9 4 9";
        Daten(false, liste);
        frmDiagramm* d = Oeffnen();
        const zv::Verteilungsdiagramm v = *Erwartet(false, liste).Verteilung;
        auto* tabs = d->findChild<QTabWidget*>();
        QCOMPARE(tabs->count(), 3);
        QCOMPARE(tabs->currentIndex(), 0);
        QCOMPARE(tabs->tabText(0), QStringLiteral("Verteilung"));
        QCustomPlot* p = d->AktuellesDiagramm();
        QVERIFY(p != nullptr);

        // One bar per distinct value holding its count, the counts adding up to n.
        const auto balken = Zeichnungen<QCPBars>(p);
        QCOMPARE(balken.size(), 1);
        QCOMPARE(balken[0]->data()->size(), 5);
        double summe = 0;
        for (auto it = balken[0]->data()->constBegin(); it != balken[0]->data()->constEnd(); ++it)
            summe += it->value;
        QCOMPARE(summe, 8.0);
        // The mean and median as vertical lines, the band and the range; the mode marked.
        const QStringList legende = Legende(p);
        for (const std::string& text : {v.Mittelwert->Text, v.Median->Text, v.ModusZeile})
            QVERIFY2(legende.contains(Q(text)), qPrintable(legende.join(" | ")));
        for (QCPCurve* linie : Zeichnungen<QCPCurve>(p)) {
            if (linie->name() != Q(v.Mittelwert->Text)) continue;
            QCOMPARE(linie->data()->at(0)->key, v.Mittelwert->Wert);
            QCOMPARE(linie->data()->at(1)->key, v.Mittelwert->Wert);
        }
        const auto modi = Zeichnungen<QCPGraph>(p);
        QCOMPARE(modi.size(), 1);
        QCOMPARE(modi[0]->data()->size(), 1);
        QCOMPARE(modi[0]->data()->at(0)->key, 4.0);
    }

    // The boxplot's tab draws the box at the quartiles of the definition the run was given, the
    // curve's tab the steps of the distribution function with the quartiles read off.
    void boxplotUndSummenkurve() {
        frmDiagramm d;
        d.show();
        QVERIFY(QTest::qWaitForWindowExposed(&d));
        auto* tabs = d.findChild<QTabWidget*>();
        // 1 2 3 4 5: by halves Q1 = 1,5 and Q3 = 4,5, by the standard definition 2 and 4.
        const struct {
            zv::Quartilsmethode methode;
            double q1, q3;
        } faelle[] = {{zv::Quartilsmethode::Haelften, 1.5, 4.5},
                      {zv::Quartilsmethode::Standard, 2, 4}};
        for (const auto& fall : faelle) {
            zv::Steuerzustand z;
            z.txtM1 = "1 2 3 4 5";
            z.Quartile = fall.methode;
            const zv::Diagrammdaten daten = zv::DiagrammdatenBilden(z, ",");
            d.Zeigen(daten);
            QCOMPARE(tabs->tabText(1), QStringLiteral("Boxplot"));
            tabs->setCurrentIndex(1);
            QCustomPlot* p = d.AktuellesDiagramm();
            QVERIFY(p != nullptr);
            const auto linien = Zeichnungen<QCPCurve>(p);
            QVERIFY(!linien.isEmpty());
            const QCPCurve* kasten = linien[0];
            QCOMPARE(kasten->data()->at(0)->key, fall.q1);
            QCOMPARE(kasten->data()->at(2)->key, fall.q3);
            const QStringList legende = Legende(p);
            QVERIFY2(legende.contains(Q(daten.Boxplot->Definition)),
                     qPrintable(legende.join(" | ")));

            tabs->setCurrentIndex(2);
            p = d.AktuellesDiagramm();
            const auto graphen = Zeichnungen<QCPGraph>(p);
            QVERIFY(graphen.size() >= 1);
            // From 0 at the smallest value up a step at each of the five values.
            QCOMPARE(graphen[0]->data()->size(), 6);
            QCOMPARE(graphen[0]->data()->at(5)->value, 1.0);
            tabs->setCurrentIndex(0);
        }
    }

    void streudiagrammUndHaeufigkeiten() {
        Daten(true, "2 4 5 7 9", "3 5 4 8 10");
        frmDiagramm* d = Oeffnen();
        const zv::Diagrammdaten erwartet = Erwartet(true, "2 4 5 7 9", "3 5 4 8 10");
        auto* tabs = d->findChild<QTabWidget*>();

        QCustomPlot* p = d->AktuellesDiagramm();
        // Texts that wrap ask for no more room: the window does not grow with a wider chart.
        QVERIFY2(d->minimumSizeHint().boundedTo(QSize(480, 360)) == d->minimumSizeHint(),
                 qPrintable(QStringLiteral("%1 x %2")
                                .arg(d->minimumSizeHint().width())
                                .arg(d->minimumSizeHint().height())));
        const auto graphen = Zeichnungen<QCPGraph>(p);
        QCOMPARE(graphen.size(), 2);  // the pairs and the centroid
        QCOMPARE(graphen[0]->data()->size(), 5);
        QCOMPARE(graphen[1]->data()->size(), 1);
        QCOMPARE(Zeichnungen<QCPCurve>(p).size(), 1);  // the regression line
        QCOMPARE(Zeichnungen<QCPErrorBars>(p)[0]->dataCount(), 5);
        const QStringList legende = Legende(p);
        for (const auto* marke :
             {&erwartet.Streuung->r, &erwartet.Streuung->rSP, &erwartet.Streuung->R2})
            QVERIFY2(!legende.filter(Q((*marke)->Text)).isEmpty(), qPrintable(legende.join(" | ")));

        // The residuals can be switched off and on again.
        auto* residuen = d->findChild<QCheckBox*>("chkResiduen");
        QVERIFY(residuen->isVisible() && residuen->isChecked());
        residuen->setChecked(false);
        QCOMPARE(Zeichnungen<QCPErrorBars>(d->AktuellesDiagramm()).size(), 0);
        residuen->setChecked(true);
        QCOMPARE(Zeichnungen<QCPErrorBars>(d->AktuellesDiagramm()).size(), 1);

        // Four groups of bars: a1 and a2, observed and expected, one bar per column.
        tabs->setCurrentIndex(1);
        p = d->AktuellesDiagramm();
        QVERIFY(p != nullptr && !residuen->isVisible());
        const auto balken = Zeichnungen<QCPBars>(p);
        QCOMPARE(balken.size(), 4);
        for (QCPBars* b : balken) QCOMPARE(b->data()->size(), 5);
        QCOMPARE(balken[1]->data()->at(0)->value, erwartet.Haeufigkeiten->ErwartetA1[0]);
    }

    void berechnenZeichnetNeu() {
        Daten(false, "1 2 3 4");
        frmDiagramm* d = Oeffnen();
        Daten(false, "5 5 6");
        QTest::mouseClick(K<QPushButton>("cmdCalculate"), Qt::LeftButton);
        auto* balken = Zeichnungen<QCPBars>(d->AktuellesDiagramm()).value(0);
        QVERIFY(balken != nullptr);
        QCOMPARE(balken->data()->size(), 2);
        // Switched to two-dimensional data, the next run gives the two tabs.
        Daten(true, "1 2 3", "4 6 5");
        QTest::mouseClick(K<QPushButton>("cmdCalculate"), Qt::LeftButton);
        QCOMPARE(d->findChild<QTabWidget*>()->count(), 2);
        QCOMPARE(Zeichnungen<QCPGraph>(d->AktuellesDiagramm())[0]->data()->size(), 3);
        // Back to one dimension: no chart and nothing to save until the next run.
        K<QRadioButton>("optMaterial_0")->setChecked(true);
        QCustomPlot* leer = d->AktuellesDiagramm();
        auto* titel = qobject_cast<QCPTextElement*>(leer->plotLayout()->element(0, 0));
        QVERIFY(leer->plottableCount() == 0 && titel->text() == "Kein Diagramm");
        QVERIFY(!d->findChild<QPushButton*>("cmdSpeichern")->isEnabled());
        // Unreadable lists: the report's line and nothing to save.
        Daten(true, "1 2 3", "4 6");
        QTest::mouseClick(K<QPushButton>("cmdCalculate"), Qt::LeftButton);
        QCustomPlot* p = d->AktuellesDiagramm();
        QCOMPARE(p->plottableCount(), 0);
        auto* zeile = qobject_cast<QCPTextElement*>(p->plotLayout()->element(1, 0));
        QVERIFY(zeile != nullptr);
        QCOMPARE(zeile->text(),
                 QStringLiteral("Anzahl der Merkmale ist nicht gleich, Berechnung nicht möglich!"));
        QVERIFY(!d->findChild<QPushButton*>("cmdSpeichern")->isEnabled());
        QVERIFY(!d->findChild<QPushButton*>("cmdKopieren")->isEnabled());
    }

    void zoomenUndZuruecksetzen() {
        Daten(true, "2 4 5 7 9", "3 5 4 8 10");
        frmDiagramm* d = Oeffnen();
        QCustomPlot* p = d->AktuellesDiagramm();
        const QCPRange x = p->xAxis->range(), y = p->yAxis->range();
        const QPoint mitte = p->axisRect()->rect().center();
        QWheelEvent rad(mitte, p->mapToGlobal(mitte), {}, {0, 120}, Qt::NoButton, Qt::NoModifier,
                        Qt::NoScrollPhase, false);
        QApplication::sendEvent(p, &rad);
        QVERIFY(p->xAxis->range().size() < x.size());
        QTest::mouseDClick(p, Qt::LeftButton, {}, mitte);
        QCOMPARE(p->xAxis->range(), x);
        QCOMPARE(p->yAxis->range(), y);
        // A range too narrow for the tick arithmetic is refused.
        p->xAxis->setRange(5, 5 + 1e-15);
        QCOMPARE(p->xAxis->range(), x);
    }

    void speichernUndKopieren() {
        Daten(false, "1 2 2 3 8");
        frmDiagramm* d = Oeffnen();
        QCustomPlot* p = d->AktuellesDiagramm();
        QStringList fehler;
        d->Fehlermeldung = [&](const QString& titel, const QString& t) {
            fehler << t;
            QCOMPARE(titel, QStringLiteral("Bild speichern"));
        };
        // The type follows the name, or the chosen filter where the name has none.
        const struct {
            QString name, filter, datei;
        } faelle[] = {{"a.png", "PNG-Bild (*.png)", "a.png"},
                      {"b", "PDF-Dokument, Vektorgrafik (*.pdf)", "b.pdf"},
                      {"c.PDF", "PNG-Bild (*.png)", "c.PDF"},
                      {"d", "PNG-Bild (*.png)", "d.png"}};
        for (const auto& fall : faelle) {
            d->Dateiwahl = [&](QString& filter) {
                filter = fall.filter;
                return ordner_.filePath(fall.name);
            };
            QTest::mouseClick(d->findChild<QPushButton*>("cmdSpeichern"), Qt::LeftButton);
            QFile datei(ordner_.filePath(fall.datei));
            QVERIFY2(datei.open(QIODevice::ReadOnly), qPrintable(fall.datei));
            const QByteArray inhalt = datei.readAll();
            if (fall.datei.endsWith("pdf", Qt::CaseInsensitive)) {
                QVERIFY(inhalt.startsWith("%PDF"));
            } else {
                // The picture as the plot draws it, pixel for pixel.
                const QImage bild = QImage::fromData(inhalt, "PNG");
                QCOMPARE(bild.convertToFormat(QImage::Format_RGB32),
                         p->toPixmap().toImage().convertToFormat(QImage::Format_RGB32));
            }
        }
        QVERIFY(fehler.isEmpty());
        // Ctrl+S does what the button does.
        d->Dateiwahl = [&](QString&) { return ordner_.filePath("strg.png"); };
        QVERIFY(QTest::qWaitForWindowActive(d));
        QTest::keyClick(d, Qt::Key_S, Qt::ControlModifier);
        QVERIFY(QFile::exists(ordner_.filePath("strg.png")));
        // Cancelling writes nothing (an unwritable place: the report tool's chart tests).
        d->Dateiwahl = [](QString&) { return QString(); };
        QTest::mouseClick(d->findChild<QPushButton*>("cmdSpeichern"), Qt::LeftButton);
        QVERIFY(fehler.isEmpty());
        // What was not foreseen ends only the saving, with a German message.
        d->Dateiwahl = [](QString&) -> QString { throw std::bad_alloc(); };
        QTest::mouseClick(d->findChild<QPushButton*>("cmdSpeichern"), Qt::LeftButton);
        QCOMPARE(fehler.size(), 1);
        QVERIFY2(fehler[0].startsWith("„Bild speichern“ wurde abgebrochen.") &&
                     fehler[0].contains("Arbeitsspeicher"),
                 qPrintable(fehler[0]));

        QGuiApplication::clipboard()->clear();
        QTest::mouseClick(d->findChild<QPushButton*>("cmdKopieren"), Qt::LeftButton);
        QCOMPARE(QGuiApplication::clipboard()->image().size(), p->size());
    }

    // The PNG encoder against Qt's decoder on random bytes, which do not compress: every pixel
    // back with the alpha channel dropped, an odd size, a picture whose compressed data fill the
    // output buffer many times; a closed device fails.
    void pngRundreise() {
        std::mt19937 zufall(5);
        for (const QSize groesse : {QSize(3, 5), QSize(4000, 40)}) {
            QImage bild(groesse, QImage::Format_ARGB32);
            for (int y = 0; y < bild.height(); ++y)
                for (int x = 0; x < bild.width(); ++x) bild.setPixel(x, y, zufall());
            QBuffer puffer;
            puffer.open(QIODevice::WriteOnly);
            QVERIFY(zv::PngSchreiben(bild, puffer));
            QCOMPARE(QImage::fromData(puffer.data(), "PNG").convertToFormat(QImage::Format_RGB32),
                     bild.convertToFormat(QImage::Format_RGB32));
        }
        QBuffer geschlossen;
        QVERIFY(!zv::PngSchreiben(QImage(10, 10, QImage::Format_RGB32), geschlossen));
    }
};

QTEST_MAIN(TestFrmDiagramm)
#include "test_frmdiagramm.moc"
