// Opens the window, types two lists, runs a few two-dimensional statistics with their
// calculation steps and saves a picture of the window; with a folder, also pictures of the
// chart window: the scatter chart and the frequencies of the same lists, and the distribution
// of a one-dimensional list. Usage: zv_bildschirmfoto FILE.png [FOLDER]

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPixmap>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QTabWidget>
#include <QTest>
#include <cstdio>

#include "charts/frmDiagramm.h"
#include "ui/frmStatistik.h"

namespace {

template <class T>
T* Element(QWidget& fenster, const char* name) {
    T* w = fenster.findChild<T*>(QString::fromLatin1(name));
    if (w == nullptr) qFatal("control %s missing", name);
    return w;
}

void Klicken(QAbstractButton* knopf) {
    const QPoint ort =
        qobject_cast<QPushButton*>(knopf) ? knopf->rect().center() : QPoint(6, knopf->height() / 2);
    QTest::mouseClick(knopf, Qt::LeftButton, {}, ort);
}

void Tippen(QLineEdit* feld, const QStringList& werte) {
    feld->setFocus();
    feld->selectAll();
    QTest::keyClick(feld, Qt::Key_Delete);
    for (int i = 0; i < werte.size(); ++i) {
        QTest::keyClicks(feld, werte[i]);
        if (i + 1 < werte.size()) QTest::keyClick(feld, Qt::Key_Return);  // types the separator
    }
}

// The screen's picture of a window, as a person sees it.
bool Speichern(QWidget& fenster, const QString& datei) {
    const QRect rahmen = fenster.frameGeometry();
    const QPixmap bild =
        fenster.screen()->grabWindow(0, rahmen.x(), rahmen.y(), rahmen.width(), rahmen.height());
    std::fprintf(stderr, "%s: %dx%d\n", qPrintable(datei), rahmen.width(), rahmen.height());
    return !bild.isNull() && bild.save(datei, "PNG");
}

// Extras "&Diagramm..." and the chart window it shows, painted.
frmDiagramm* DiagrammOeffnen(QWidget& fenster) {
    Element<QAction>(fenster, "mnuDiagramm")->trigger();
    auto* diagramm = fenster.findChild<frmDiagramm*>();
    if (diagramm == nullptr || !QTest::qWaitForWindowExposed(diagramm)) return nullptr;
    QTest::qWait(500);
    return diagramm;
}

// The charts of the lists typed into the window: each tab of the two-dimensional data, then
// each tab of a one-dimensional list.
bool DiagrammeSpeichern(QWidget& fenster, const QString& ordner) {
    frmDiagramm* diagramm = DiagrammOeffnen(fenster);
    if (diagramm == nullptr) return false;
    diagramm->move(fenster.frameGeometry().topLeft());
    QTest::qWait(300);
    auto* reiter = diagramm->findChild<QTabWidget*>();
    const char* const namen[] = {"streudiagramm", "haeufigkeiten"};
    for (int i = 0; i < 2; ++i) {
        reiter->setCurrentIndex(i);
        QTest::qWait(300);
        if (!Speichern(*diagramm, ordner + "/diagramm-" + namen[i] + ".png")) return false;
    }
    diagramm->close();
    QTest::qWait(100);  // the closed window is deleted

    Klicken(Element<QRadioButton>(fenster, "optMaterial_0"));
    Tippen(Element<QLineEdit>(fenster, "txtM1"),
           {"2", "3", "3", "4", "4", "4", "5", "5", "6", "7", "9", "12"});
    Klicken(Element<QPushButton>(fenster, "cmdCalculate"));
    diagramm = DiagrammOeffnen(fenster);
    if (diagramm == nullptr) return false;
    diagramm->move(fenster.frameGeometry().topLeft());
    QTest::qWait(300);
    reiter = diagramm->findChild<QTabWidget*>();
    const char* const eindimensional[] = {"verteilung", "boxplot", "summenkurve"};
    for (int i = 0; i < 3; ++i) {
        reiter->setCurrentIndex(i);
        QTest::qWait(300);
        if (!Speichern(*diagramm, ordner + "/diagramm-" + eindimensional[i] + ".png")) return false;
    }
    return true;
}

}  // namespace

int main(int argc, char* argv[]) {
    QApplication anwendung(argc, argv);
    if (argc != 2 && argc != 3) {
        std::fprintf(stderr, "usage: %s FILE.png [FOLDER]\n", argv[0]);
        return 2;
    }
    frmStatistik fenster;
    fenster.resize(900, 620);
    fenster.show();
    if (!QTest::qWaitForWindowExposed(&fenster)) return 1;
    QTest::qWait(300);

    Klicken(Element<QRadioButton>(fenster, "optMaterial_1"));
    Klicken(Element<QRadioButton>(fenster, "optSeparator_2"));
    Tippen(Element<QLineEdit>(fenster, "txtM1"), {"2", "4", "5", "7", "9"});
    Tippen(Element<QLineEdit>(fenster, "txtM2"), {"3", "5", "4", "8", "10"});
    auto* liste = Element<QListWidget>(fenster, "lstSelection");
    for (const char* text :
         {"Schwerpunkt", "Bravais-Pearson-Korrelationskoeffizient", "Lineare Regression"}) {
        const auto treffer = liste->findItems(QString::fromUtf8(text), Qt::MatchExactly);
        if (treffer.size() != 1) return 1;
        QTest::mouseClick(liste->viewport(), Qt::LeftButton, {},
                          liste->visualItemRect(treffer.first()).center());
    }
    Klicken(Element<QCheckBox>(fenster, "chkDetail"));
    Klicken(Element<QPushButton>(fenster, "cmdCalculate"));
    QTest::qWait(500);
    std::fprintf(stderr, "window %dx%d at %d,%d, client %dx%d\n", fenster.frameGeometry().width(),
                 fenster.frameGeometry().height(), fenster.frameGeometry().x(),
                 fenster.frameGeometry().y(), fenster.centralWidget()->width(),
                 fenster.centralWidget()->height());

    if (!Speichern(fenster, QString::fromLocal8Bit(argv[1]))) return 1;
    if (argc == 3 && !DiagrammeSpeichern(fenster, QString::fromLocal8Bit(argv[2]))) return 1;
    return 0;
}
