// Opens the window, types two lists, runs a few two-dimensional statistics with their
// calculation steps and saves a picture of the window. Usage: zv_bildschirmfoto FILE.png

#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPixmap>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QTest>
#include <cstdio>

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

}  // namespace

int main(int argc, char* argv[]) {
    QApplication anwendung(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s FILE.png\n", argv[0]);
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

    // The screen's picture of the window, as a person sees it.
    const QPixmap bild = fenster.screen()->grabWindow(
        0, fenster.frameGeometry().x(), fenster.frameGeometry().y(),
        fenster.frameGeometry().width(), fenster.frameGeometry().height());
    if (bild.isNull() || !bild.save(QString::fromLocal8Bit(argv[1]), "PNG")) return 1;
    return 0;
}
