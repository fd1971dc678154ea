// The main window driven by clicks and keys, headless.

#include <QCheckBox>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QGroupBox>
#include <QInputDialog>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QScreen>
#include <QScrollBar>
#include <QStyle>
#include <QTimer>
#include <QtTest>
#include <climits>

#include "core/Rechenlauf.h"
#include "core/Statistiken.h"
#include "core/Zahlenlesen.h"
#include "sizegrip/SizeGrip.h"
#include "ui/QtDialoge.h"
#include "ui/frmStatistik.h"

namespace {

class Testdialoge : public zv::IDialoge {
  public:
    QStringList Antworten;  // handed out in order
    QStringList Fragen;     // prompt | title | preset
    QStringList Meldungen;  // text | title | symbol
    std::string Eingabe(const std::string& aufforderung, const std::string& titel,
                        const std::string& vorgabe) override {
        Fragen << QString::fromStdString(aufforderung + "|" + titel + "|" + vorgabe);
        return Antworten.isEmpty() ? std::string() : Antworten.takeFirst().toStdString();
    }
    void Meldung(const std::string& text, const std::string& titel,
                 zv::Meldungssymbol symbol) override {
        Meldungen << QString::fromStdString(text + "|" + titel + "|") +
                         (symbol == zv::Meldungssymbol::Kritisch ? "kritisch" : "info");
    }
};

QRect Twips(int links, int oben, int breite, int hoehe) {
    return QRect(links / 15, oben / 15, breite / 15, hoehe / 15);
}

QStringList Texte(const std::vector<std::string>& texte) {
    QStringList liste;
    for (const auto& t : texte) liste << QString::fromStdString(t);
    return liste;
}

}  // namespace

class TestFrmStatistik : public QObject {
    Q_OBJECT

    Testdialoge dialoge_;
    std::unique_ptr<frmStatistik> f_;

    template <class T>
    T* K(const char* name) {
        T* w = f_->findChild<T*>(QString::fromLatin1(name));
        if (w == nullptr) qFatal("control %s missing", name);
        return w;
    }
    QWidget* Client() { return f_->centralWidget(); }
    void Klicken(QAbstractButton* knopf) {
        // On the indicator or the button face, wherever the caption ends.
        const QPoint ort = qobject_cast<QPushButton*>(knopf) ? knopf->rect().center()
                                                             : QPoint(6, knopf->height() / 2);
        QTest::mouseClick(knopf, Qt::LeftButton, {}, ort);
    }
    void Waehlen(const QString& text) {
        auto* liste = K<QListWidget>("lstSelection");
        const auto treffer = liste->findItems(text, Qt::MatchExactly);
        QCOMPARE(treffer.size(), 1);
        QTest::mouseClick(liste->viewport(), Qt::LeftButton, {},
                          liste->visualItemRect(treffer.first()).center());
    }
    std::vector<zv::Listeneintrag> Auswahl() {
        auto* liste = K<QListWidget>("lstSelection");
        std::vector<zv::Listeneintrag> eintraege;
        for (int i = 0; i < liste->count(); ++i)
            eintraege.push_back(
                {liste->item(i)->text().toStdString(), liste->item(i)->isSelected()});
        return eintraege;
    }
    void Menue(const char* name) { K<QAction>(name)->trigger(); }
    QString Zwischenablage() { return QGuiApplication::clipboard()->text(); }

  private slots:
    void initTestCase() {
        // Numbers with the decimal point, for the window and the reference run alike.
        qputenv("LC_ALL", "C");
    }

    void init() {
        dialoge_ = Testdialoge();
        frmStatistik::Dienste dienste;
        dienste.Dialoge = &dialoge_;
        f_ = std::make_unique<frmStatistik>(dienste);
        f_->show();
        QVERIFY(QTest::qWaitForWindowExposed(f_.get()));
        QTRY_COMPARE(Client()->size(), QSize(674, 407));
    }

    void cleanup() { f_.reset(); }

    void startZustand() {
        QCOMPARE(f_->windowTitle(), QStringLiteral("Zorvanta"));
        const auto groessen = f_->windowIcon().availableSizes();
        QVERIFY(groessen.contains(QSize(16, 16)));
        QVERIFY(groessen.contains(QSize(32, 32)));

        // Centred by the outer size.
        const QRect schirm = f_->screen()->geometry();
        const QRect aussen = f_->frameGeometry();
        QCOMPARE(aussen.topLeft(), QPoint(schirm.x() + (schirm.width() - aussen.width()) / 2,
                                          schirm.y() + (schirm.height() - aussen.height()) / 2));

        // Designed places, after the one-dimensional layout of the designed client area.
        const struct {
            const char* name;
            QRect ort;
            const char* text;
        } steuerelemente[] = {
            {"lblM_2", Twips(120, 120, 1335, 210), "&Trennzeichen:"},
            {"optSeparator_0", Twips(1680, 120, 1695, 255), "Leerstelle ( )"},
            {"optSeparator_1", Twips(3360, 120, 1335, 255), "Komma (,)"},
            {"optSeparator_2", Twips(4920, 120, 1695, 255), "Semikolon (;)"},
            {"optSeparator_3", Twips(6720, 120, 1695, 255), "Tabulator (    )"},
            {"optSeparator_4", Twips(8520, 120, 1215, 255), "Tilde (~)"},
            {"chkReturn", Twips(1680, 480, 5535, 255),
             "Trennzeichen mit Return (Eingabetaste) übernehmen"},
            {"lblM1", Twips(120, 885, 675, 210), "&Urliste:"},
            {"txtM1", Twips(1680, 840, 10110 - 1830, 405), nullptr},
            {"lblM2", Twips(120, 1365, 1155, 210), "Merkmal a&2:"},
            {"txtM2", Twips(1680, 1320, 10110 - 1830, 405), nullptr},
            {"fraDatenmaterial", Twips(120, 1440, 3495, 1095), "&Datenmaterial"},
            {"optMaterial_0", Twips(360, 360, 2775, 255), "Eindimensional"},
            {"optMaterial_1", Twips(360, 720, 2895, 255), "Zweidimensional"},
            {"lstSelection", Twips(120, 2610, 3495, 6105 - 3315), nullptr},
            {"txtAusgabe", Twips(3720, 1530, 10110 - 3870, 6105 - 2220), nullptr},
            {"cmdClose", Twips(120, 6105 - 525, 1695, 375), "&Schließen"},
            {"cmdCalculate", Twips(1920, 6105 - 525, 1695, 375), "&Berechnen"},
            {"chkDetail", Twips(3720, 6105 - 465, 3375, 255), "Berechnungsschritte &anzeigen"},
            {"lblNks", Twips(7680, 6105 - 450, 1845, 210), "&Nachkommastellen:"},
            {"txtNks", Twips(9600, 6105 - 510, 375, 330), "3"},
        };
        for (const auto& s : steuerelemente) {
            QWidget* w = K<QWidget>(s.name);
            QVERIFY2(w->geometry() == s.ort, s.name);
            if (s.text == nullptr) continue;
            QString text;
            if (auto* l = qobject_cast<QLabel*>(w)) text = l->text();
            if (auto* b = qobject_cast<QAbstractButton*>(w)) text = b->text();
            if (auto* g = qobject_cast<QGroupBox*>(w)) text = g->title();
            if (auto* e = qobject_cast<QLineEdit*>(w)) text = e->text();
            QCOMPARE(text, QString::fromUtf8(s.text));
        }

        QVERIFY(K<QRadioButton>("optSeparator_0")->isChecked());
        QVERIFY(K<QRadioButton>("optMaterial_0")->isChecked());
        QVERIFY(K<QCheckBox>("chkReturn")->isChecked());
        QVERIFY(!f_->Zweidimensional());
        QVERIFY(K<QLabel>("lblM2")->isHidden());
        QVERIFY(K<QLineEdit>("txtM2")->isHidden());
        QVERIFY(!K<QCheckBox>("chkDetail")->isEnabled());
        QVERIFY(!K<QCheckBox>("chkDetail")->isChecked());
        QCOMPARE(K<QLineEdit>("txtNks")->maxLength(), 1);
        QVERIFY(K<QLineEdit>("txtNks")->alignment() & Qt::AlignHCenter);
        QCOMPARE(K<QLineEdit>("txtM1")->maxLength(), INT_MAX);
        QCOMPARE(K<QLineEdit>("txtM2")->maxLength(), INT_MAX);
        QCOMPARE(f_->Lauf().Trennzeichen, std::string(" "));
        QCOMPARE(f_->Anzahl(), std::int16_t{10});

        auto* liste = K<QListWidget>("lstSelection");
        QCOMPARE(liste->selectionMode(), QAbstractItemView::MultiSelection);
        QStringList eintraege;
        for (int i = 0; i < liste->count(); ++i) eintraege << liste->item(i)->text();
        QCOMPARE(eintraege, Texte(zv::ListenEintraege(false)));
        QVERIFY(liste->selectedItems().isEmpty());

        auto* ausgabe = K<QPlainTextEdit>("txtAusgabe");
        QVERIFY(ausgabe->toPlainText().isEmpty());
        QCOMPARE(ausgabe->lineWrapMode(), QPlainTextEdit::NoWrap);
        QCOMPARE(ausgabe->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
        QCOMPARE(ausgabe->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);

        // Ten random whole numbers per box, single blanks between; small first values get
        // small partners.
        const QRegularExpression muster(QStringLiteral("^\\d+( \\d+){9}$"));
        const QString m1 = K<QLineEdit>("txtM1")->text(), m2 = K<QLineEdit>("txtM2")->text();
        QVERIFY2(muster.match(m1).hasMatch(), qPrintable(m1));
        QVERIFY2(muster.match(m2).hasMatch(), qPrintable(m2));
        const QStringList a = m1.split(' '), b = m2.split(' ');
        for (int i = 0; i < 10; ++i) {
            QVERIFY(a[i].toInt() >= 1 && a[i].toInt() <= 100);
            QVERIFY(b[i].toInt() >= 1 && b[i].toInt() <= (a[i].toInt() <= 9 ? 10 : 100));
        }

        // Fonts: the input font, the smaller list font, the fixed-pitch bold report font.
        const QFontInfo eingabe(K<QLineEdit>("txtM1")->font());
        QVERIFY2(QStringList({"Verdana", "DejaVu Sans"}).contains(eingabe.family()),
                 qPrintable(eingabe.family()));
        QCOMPARE(K<QLineEdit>("txtM1")->font().pointSizeF(), 9.0);
        QCOMPARE(liste->font().pointSizeF(), 8.25);
        const QFontInfo bericht(ausgabe->font());
        QVERIFY2(QStringList({"Courier New", "Liberation Mono"}).contains(bericht.family()),
                 qPrintable(bericht.family()));
        QVERIFY(bericht.fixedPitch());
        QVERIFY(bericht.bold());
        QVERIFY(qAbs(bericht.pointSizeF() - 9.0) < 0.1);

        // Tab order and access keys.
        const QStringList reihenfolge = {
            "optSeparator_0", "optSeparator_1", "optSeparator_2", "optSeparator_3",
            "optSeparator_4", "chkReturn",      "txtM1",          "txtM2",
            "optMaterial_0",  "optMaterial_1",  "lstSelection",   "txtAusgabe",
            "cmdClose",       "cmdCalculate",   "chkDetail",      "txtNks"};
        QStringList kette;
        QWidget* w = K<QWidget>("optSeparator_0");
        do {
            if (reihenfolge.contains(w->objectName())) kette << w->objectName();
            w = w->nextInFocusChain();
        } while (w != K<QWidget>("optSeparator_0"));
        QCOMPARE(kette, reihenfolge);
        QCOMPARE(K<QLabel>("lblM1")->buddy(), K<QWidget>("txtM1"));
        QCOMPARE(K<QLabel>("lblM2")->buddy(), K<QWidget>("txtM2"));
        QCOMPARE(K<QLabel>("lblNks")->buddy(), K<QWidget>("txtNks"));

        auto* extras = K<QMenu>("MExtras");
        QCOMPARE(extras->title(), QStringLiteral("Extras"));
        QStringList punkte;
        for (QAction* a : extras->actions()) punkte << a->text();
        QCOMPARE(punkte, QStringList({"&Zufallsgenerator", "&Ausgabe kopieren", "&Info"}));
    }

    void modusWechsel() {
        auto* m2 = K<QLineEdit>("txtM2");
        auto* liste = K<QListWidget>("lstSelection");
        auto* ausgabe = K<QPlainTextEdit>("txtAusgabe");
        const QRect liste1 = liste->geometry(), ausgabe1 = ausgabe->geometry();
        Klicken(K<QPushButton>("cmdCalculate"));
        QVERIFY(!ausgabe->toPlainText().isEmpty());

        Klicken(K<QRadioButton>("optMaterial_1"));
        QVERIFY(f_->Zweidimensional());
        QCOMPARE(K<QLabel>("lblM1")->text(), QStringLiteral("Merkmal a&1:"));
        QCOMPARE(K<QLabel>("lblM2")->text(), QStringLiteral("Merkmal a&2:"));
        QVERIFY(K<QLabel>("lblM2")->isVisible());
        QVERIFY(m2->isVisible());
        QCOMPARE(liste->count(), 9);
        QCOMPARE(liste->item(0)->text(), QStringLiteral("Randhäufigkeiten"));
        QVERIFY(liste->selectedItems().isEmpty());
        QVERIFY(ausgabe->toPlainText().isEmpty());
        QCOMPARE(K<QWidget>("fraDatenmaterial")->y(), 1800 / 15);
        QCOMPARE(liste->geometry(), Twips(120, 3000, 3495, 6105 - 3315 - 390));
        QCOMPARE(ausgabe->geometry(), Twips(3720, 1920, 10110 - 3870, 6105 - 2220 - 390));
        QCOMPARE(liste->geometry().bottom(), liste1.bottom());
        QCOMPARE(ausgabe->geometry().bottom(), ausgabe1.bottom());

        m2->setText(QStringLiteral("7 8 9"));
        const QString m1 = K<QLineEdit>("txtM1")->text();
        Klicken(K<QRadioButton>("optMaterial_0"));
        QVERIFY(!f_->Zweidimensional());
        QCOMPARE(K<QLabel>("lblM1")->text(), QStringLiteral("&Urliste:"));
        QVERIFY(m2->isHidden());
        QVERIFY(K<QLabel>("lblM2")->isHidden());
        QCOMPARE(liste->count(), 7);
        QCOMPARE(liste->geometry(), liste1);
        QCOMPARE(ausgabe->geometry(), ausgabe1);

        Klicken(K<QRadioButton>("optMaterial_1"));
        QCOMPARE(m2->text(), QStringLiteral("7 8 9"));
        QCOMPARE(K<QLineEdit>("txtM1")->text(), m1);
    }

    void detailRegel() {
        auto* detail = K<QCheckBox>("chkDetail");
        Waehlen("Modus");
        QVERIFY(!detail->isEnabled());
        QVERIFY(!detail->isChecked());
        Waehlen("Median");
        QVERIFY(detail->isEnabled());
        QVERIFY(!detail->isChecked());
        Klicken(detail);
        QVERIFY(detail->isChecked());
        Waehlen("Modus");  // unselecting another entry keeps it
        QVERIFY(detail->isEnabled() && detail->isChecked());
        Waehlen("Median");  // the last entry with calculation steps goes
        QVERIFY(!detail->isEnabled());
        QVERIFY(!detail->isChecked());

        // Refilling the list on a mode switch leaves the switch as it was.
        Waehlen("Median");
        Klicken(detail);
        Klicken(K<QRadioButton>("optMaterial_1"));
        QVERIFY(detail->isEnabled() && detail->isChecked());
        Waehlen("Randhäufigkeiten");
        QVERIFY(!detail->isEnabled());
        QVERIFY(!detail->isChecked());
        for (const char* text :
             {"Bedingte Häufigkeiten", "Kontingenzkoeffizient", "Determinationskoeffizient"}) {
            Waehlen(QString::fromUtf8(text));
            QVERIFY2(detail->isEnabled(), text);
            Waehlen(QString::fromUtf8(text));
            QVERIFY2(!detail->isEnabled(), text);
        }
    }

    void enterTaste_data() {
        QTest::addColumn<int>("trenner");
        QTest::addColumn<bool>("mitReturn");
        QTest::addColumn<int>("taste");
        QTest::addColumn<QString>("erwartet");
        QTest::newRow("Leerstelle") << 0 << true << int(Qt::Key_Return) << "1 2";
        QTest::newRow("Komma") << 1 << true << int(Qt::Key_Return) << "1,2";
        QTest::newRow("Semikolon") << 2 << true << int(Qt::Key_Return) << "1;2";
        QTest::newRow("Tabulator") << 3 << true << int(Qt::Key_Return) << "1\t2";
        QTest::newRow("Tilde, Ziffernblock") << 4 << true << int(Qt::Key_Enter) << "1~2";
        QTest::newRow("ohne Return") << 2 << false << int(Qt::Key_Return) << "12";
    }

    void enterTaste() {
        QFETCH(int, trenner);
        QFETCH(bool, mitReturn);
        QFETCH(int, taste);
        QFETCH(QString, erwartet);
        const QString vorher = K<QLineEdit>("txtM1")->text();
        Klicken(K<QRadioButton>(qPrintable(QStringLiteral("optSeparator_%1").arg(trenner))));
        QCOMPARE(K<QLineEdit>("txtM1")->text(), vorher);  // the text is not converted
        if (!mitReturn) Klicken(K<QCheckBox>("chkReturn"));
        QCOMPARE(K<QCheckBox>("chkReturn")->isChecked(), mitReturn);
        for (const char* name : {"txtM1", "txtM2"}) {
            if (QString::fromLatin1(name) == "txtM2") Klicken(K<QRadioButton>("optMaterial_1"));
            auto* feld = K<QLineEdit>(name);
            feld->clear();
            feld->setFocus();
            QTest::keyClicks(feld, QStringLiteral("1"));
            QTest::keyClick(feld, Qt::Key(taste));
            QTest::keyClicks(feld, QStringLiteral("2"));
            QCOMPARE(feld->text(), erwartet);
        }
    }

    void einfuegenSpalte_data() {
        QTest::addColumn<int>("trenner");
        QTest::addColumn<QString>("ablage");
        QTest::addColumn<QString>("erwartet");
        QTest::newRow("CR LF") << 2 << "12\r\n7,5\r\n9\r\n"
                               << "12;7,5;9";
        QTest::newRow("LF ohne Schluss") << 0 << "1\n2\n3"
                                         << "1 2 3";
        QTest::newRow("CR") << 4 << "4\r5\r"
                            << "4~5";
        QTest::newRow("leere Zeilen") << 1 << "4\n\n5\n\n"
                                      << "4,,5";
        QTest::newRow("Tabulator") << 3 << "1\r\n2\r\n"
                                   << "1\t2";
    }

    void einfuegenSpalte() {
        QFETCH(int, trenner);
        QFETCH(QString, ablage);
        QFETCH(QString, erwartet);
        Klicken(K<QRadioButton>(qPrintable(QStringLiteral("optSeparator_%1").arg(trenner))));
        auto* feld = K<QLineEdit>("txtM1");
        feld->clear();
        feld->setFocus();
        QGuiApplication::clipboard()->setText(ablage);
        QTest::keyClick(feld, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(feld->text(), erwartet);

        // The same through the context menu, into the middle of a text.
        feld->setText(QStringLiteral("A|B"));
        feld->setCursorPosition(2);
        QContextMenuEvent ereignis(QContextMenuEvent::Keyboard, QPoint(4, 4),
                                   feld->mapToGlobal(QPoint(4, 4)));
        QApplication::sendEvent(feld, &ereignis);
        auto* menue = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        QVERIFY(menue);
        QAction* einfuegen = nullptr;
        for (QAction* punkt : menue->actions())
            if (punkt->text().startsWith(QLineEdit::tr("&Paste"))) einfuegen = punkt;
        QVERIFY(einfuegen);
        einfuegen->trigger();
        menue->close();
        QCOMPARE(feld->text(), QStringLiteral("A|") + erwartet + QStringLiteral("B"));
    }

    void langeEingabeWirdNichtGekuerzt() {
        QString spalte;
        for (int i = 0; i < 12000; ++i) spalte += QString::number(i % 97 + 1) + "\r\n";
        auto* feld = K<QLineEdit>("txtM1");
        feld->clear();
        feld->setFocus();
        QGuiApplication::clipboard()->setText(spalte);
        QTest::keyClick(feld, Qt::Key_V, Qt::ControlModifier);
        QString erwartet = spalte;
        erwartet.chop(2);
        erwartet.replace(QStringLiteral("\r\n"), QStringLiteral(" "));
        QVERIFY(erwartet.size() > 32767);
        QCOMPARE(feld->text(), erwartet);
        feld->end(false);
        QTest::keyClicks(feld, QStringLiteral(" 5"));
        QCOMPARE(feld->text(), erwartet + " 5");
    }

    void berechnen_data() {
        QTest::addColumn<bool>("zweidimensional");
        QTest::addColumn<int>("trenner");
        QTest::addColumn<QString>("m1");
        QTest::addColumn<QString>("m2");
        QTest::addColumn<QString>("nks");
        QTest::addColumn<QStringList>("auswahl");
        QTest::addColumn<bool>("detail");
        QTest::addColumn<QString>("nksDanach");
        QTest::newRow("eindimensional")
            << false << 0 << "  3 1 2 4  "
            << ""
            << "7" << QStringList{"Modus", "Median", "Arithmetisches Mittel", "Standardabweichnung"}
            << true << "7";
        QTest::newRow("ohne Auswahl") << false << 1 << " 2,5,5 "
                                      << ""
                                      << "0" << QStringList{} << false << "3";
        QTest::newRow("unlesbar") << false << 0 << "1  2"
                                  << ""
                                  << "2" << QStringList{"Median"} << false << "2";
        QTest::newRow("zweidimensional")
            << true << 2 << " 5;1;4;2 "
            << "2;9;3;3  "
            << "x"
            << QStringList{"Randhäufigkeiten", "Schwerpunkt",
                           "Bravais-Pearson-Korrelationskoeffizient", "Lineare Regression"}
            << true << "3";
        QTest::newRow("ungleich lang") << true << 0 << "1 2 3"
                                       << "4 5"
                                       << "3" << QStringList{"Schwerpunkt"} << false << "3";
    }

    void berechnen() {
        QFETCH(bool, zweidimensional);
        QFETCH(int, trenner);
        QFETCH(QString, m1);
        QFETCH(QString, m2);
        QFETCH(QString, nks);
        QFETCH(QStringList, auswahl);
        QFETCH(bool, detail);
        QFETCH(QString, nksDanach);

        if (zweidimensional) Klicken(K<QRadioButton>("optMaterial_1"));
        Klicken(K<QRadioButton>(qPrintable(QStringLiteral("optSeparator_%1").arg(trenner))));
        K<QLineEdit>("txtM1")->setText(m1);
        K<QLineEdit>("txtM2")->setText(m2);
        K<QLineEdit>("txtNks")->setText(nks);
        for (const QString& eintrag : auswahl) Waehlen(eintrag);
        if (detail) Klicken(K<QCheckBox>("chkDetail"));
        QCOMPARE(K<QCheckBox>("chkDetail")->isChecked(), detail);

        // The reference: a fresh run fed the same control states.
        zv::Steuerzustand zustand;
        zustand.txtNks = nks.toStdString();
        zustand.txtM1 = m1.toStdString();
        zustand.txtM2 = m2.toStdString();
        zustand.Zweidimensional = zweidimensional;
        zustand.Trennzeichenwahl = trenner;
        zustand.chkDetail = detail;
        for (const std::string& text : zv::ListenEintraege(zweidimensional))
            zustand.lstSelection.push_back({text, auswahl.contains(QString::fromStdString(text))});
        zv::clsRechenlauf referenz(zv::DezimaltrennzeichenAusUmgebung());
        const zv::Laufergebnis erwartet = referenz.cmdCalculate_Click(zustand);
        QVERIFY(!erwartet.txtAusgabe.empty());

        for (int mal = 0; mal < 2; ++mal) {  // a second run replaces the first
            Klicken(K<QPushButton>("cmdCalculate"));
            QString gezeigt = QString::fromStdString(erwartet.txtAusgabe);
            gezeigt.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
            QCOMPARE(K<QPlainTextEdit>("txtAusgabe")->toPlainText(), gezeigt);
            Menue("mnuCopy");
            QCOMPARE(Zwischenablage().toStdString(), erwartet.txtAusgabe);
        }
        QCOMPARE(K<QLineEdit>("txtM1")->text(), m1.trimmed());
        QCOMPARE(K<QLineEdit>("txtM1")->text().toStdString(), erwartet.txtM1);
        if (zweidimensional) QCOMPARE(K<QLineEdit>("txtM2")->text(), m2.trimmed());
        QCOMPARE(K<QLineEdit>("txtNks")->text(), nksDanach);
        const auto danach = Auswahl();  // the run leaves the selection alone
        QCOMPARE(danach.size(), zustand.lstSelection.size());
        for (std::size_t i = 0; i < danach.size(); ++i) {
            QCOMPARE(danach[i].Text, zustand.lstSelection[i].Text);
            QCOMPARE(danach[i].Ausgewaehlt, zustand.lstSelection[i].Ausgewaehlt);
        }
    }

    void groesseAendern() {
        const int menue = f_->height() - Client()->height();
        auto* liste = K<QWidget>("lstSelection");
        auto* ausgabe = K<QWidget>("txtAusgabe");
        auto* grip = K<SizeGrip>("SizeGrip1");
        const QStringList alle = {"lstSelection", "cmdClose", "cmdCalculate",    "chkDetail",
                                  "txtM1",        "txtM2",    "txtAusgabe",      "lblNks",
                                  "txtNks",       "lblM1",    "fraDatenmaterial"};
        QMap<QString, QRect> vorher;
        for (const QString& n : alle) vorher[n] = K<QWidget>(qPrintable(n))->geometry();

        // 1500 twips wider and higher: widths and heights grow, the bottom row moves down,
        // nothing moves sideways.
        f_->resize(674 + 100, 407 + 100 + menue);
        QTRY_COMPARE(Client()->size(), QSize(774, 507));
        const QMap<QString, QRect> erwartet = {
            {"lstSelection", vorher["lstSelection"].adjusted(0, 0, 0, 100)},
            {"cmdClose", vorher["cmdClose"].translated(0, 100)},
            {"cmdCalculate", vorher["cmdCalculate"].translated(0, 100)},
            {"chkDetail", vorher["chkDetail"].translated(0, 100)},
            {"txtM1", vorher["txtM1"].adjusted(0, 0, 100, 0)},
            {"txtM2", vorher["txtM2"].adjusted(0, 0, 100, 0)},
            {"txtAusgabe", vorher["txtAusgabe"].adjusted(0, 0, 100, 100)},
            {"lblNks", vorher["lblNks"].translated(0, 100)},
            {"txtNks", vorher["txtNks"].translated(0, 100)},
            {"lblM1", vorher["lblM1"]},
            {"fraDatenmaterial", vorher["fraDatenmaterial"]},
        };
        for (const QString& n : alle)
            QVERIFY2(K<QWidget>(qPrintable(n))->geometry() == erwartet[n], qPrintable(n));
        const int e = grip->style()->pixelMetric(QStyle::PM_ScrollBarExtent);
        QTRY_COMPARE(grip->geometry(), QRect(774 - e, 507 - e, e, e));

        // Too small for the fixed parts: the refused heights and widths keep their last
        // value, every other assignment is still made.
        f_->resize(60, 150 + menue);
        QTRY_VERIFY(Client()->height() < 221 && Client()->width() < 258);
        const int W = Client()->width() * 15, H = Client()->height() * 15;
        QCOMPARE(liste->height(), erwartet["lstSelection"].height());
        QCOMPARE(K<QWidget>("txtM1")->width(), erwartet["txtM1"].width());
        QCOMPARE(ausgabe->width(), erwartet["txtAusgabe"].width());
        QCOMPARE(K<QWidget>("cmdClose")->y(), (H - 525) / 15);
        QCOMPARE(K<QWidget>("cmdCalculate")->y(), (H - 525) / 15);
        QCOMPARE(K<QWidget>("chkDetail")->y(), (H - 465) / 15);
        QCOMPARE(K<QWidget>("lblNks")->y(), (H - 450) / 15);
        QCOMPARE(K<QWidget>("txtNks")->y(), (H - 510) / 15);
        QCOMPARE(K<QWidget>("txtNks")->x(), 9600 / 15);
        if (H >= 2220) QCOMPARE(ausgabe->height(), (H - 2220) / 15);
        Q_UNUSED(W);
    }

    void zufallsgenerator_data() {
        QTest::addColumn<bool>("zweidimensional");
        QTest::addColumn<QString>("antwort");
        QTest::addColumn<int>("anzahl");  // values per box afterwards, 0: unchanged
        QTest::addColumn<QString>("meldung");
        const QString zahl =
            QStringLiteral("Bitte nummerische Werte eingeben!|Fehler Zufallsgenerator|kritisch");
        const QString bereich =
            QStringLiteral("Bitte eine Zahl zwischen 1 und 99 eingeben!|Zufallsgenerator|kritisch");
        QTest::newRow("leer") << false << "" << 0 << "";
        QTest::newRow("Leerzeichen") << false << "   " << 0 << "";
        QTest::newRow("Buchstaben") << false << "zehn" << 0 << zahl;
        QTest::newRow("0") << false << "0" << 0 << bereich;
        QTest::newRow("100") << true << "100" << 0 << bereich;
        QTest::newRow("99") << true << "99" << 99 << "";
        QTest::newRow("1") << false << " 1 " << 1 << "";
        QTest::newRow("2.5") << false << "2.5" << 2 << "";
        QTest::newRow("3.5") << true << "3.5" << 4 << "";
        QTest::newRow("99.5") << false << "99.5" << 0 << bereich;
    }

    void zufallsgenerator() {
        QFETCH(bool, zweidimensional);
        QFETCH(QString, antwort);
        QFETCH(int, anzahl);
        QFETCH(QString, meldung);
        if (zweidimensional) Klicken(K<QRadioButton>("optMaterial_1"));
        Klicken(K<QRadioButton>("optSeparator_2"));
        const QString m1 = K<QLineEdit>("txtM1")->text(), m2 = K<QLineEdit>("txtM2")->text();

        dialoge_.Antworten << antwort;
        Menue("mnuZufallsgenerator");
        const QString wort = zweidimensional ? "Merkmale" : "Ausprägungen";
        QCOMPARE(dialoge_.Fragen,
                 QStringList{"Bitte Anzahl der " + wort + " angeben:|Zufalsgenerator|10"});
        QCOMPARE(dialoge_.Meldungen, meldung.isEmpty() ? QStringList{} : QStringList{meldung});
        if (anzahl == 0) {
            QCOMPARE(K<QLineEdit>("txtM1")->text(), m1);
            QCOMPARE(K<QLineEdit>("txtM2")->text(), m2);
            QCOMPARE(f_->Anzahl(), std::int16_t{10});
            return;
        }
        QCOMPARE(f_->Anzahl(), std::int16_t(anzahl));
        const QStringList a = K<QLineEdit>("txtM1")->text().split(';');
        const QStringList b = K<QLineEdit>("txtM2")->text().split(';');
        QCOMPARE(a.size(), anzahl);
        QCOMPARE(b.size(), anzahl);
        for (int i = 0; i < anzahl; ++i) {
            bool ok1 = false, ok2 = false;
            const int x = a[i].toInt(&ok1), y = b[i].toInt(&ok2);
            QVERIFY(ok1 && ok2 && x >= 1 && x <= 100 && y >= 1 && y <= (x <= 9 ? 10 : 100));
        }
        // The next request offers the accepted number.
        Menue("mnuZufallsgenerator");
        QCOMPARE(dialoge_.Fragen.last(), "Bitte Anzahl der " + wort + " angeben:|Zufalsgenerator|" +
                                             QString::number(anzahl));
    }

    void zwischenablage() {
        Waehlen("Median");
        Klicken(K<QPushButton>("cmdCalculate"));
        Menue("mnuCopy");
        const QString ganz = Zwischenablage();
        QVERIFY(ganz.endsWith(QStringLiteral("\r\n")));
        QVERIFY(ganz.contains(QStringLiteral("\r\n\r\n")));
        QVERIFY(!ganz.contains(QRegularExpression(QStringLiteral("[^\r]\n"))));

        // Whatever part of the box is selected, the whole report goes.
        auto* ausgabe = K<QPlainTextEdit>("txtAusgabe");
        QTextCursor cursor = ausgabe->textCursor();
        cursor.setPosition(2);
        cursor.setPosition(5, QTextCursor::KeepAnchor);
        ausgabe->setTextCursor(cursor);
        QGuiApplication::clipboard()->setText(QStringLiteral("alt"));
        Menue("mnuCopy");
        QCOMPARE(Zwischenablage(), ganz);

        // Text typed into the box by the user is copied with CR LF line ends as well.
        ausgabe->moveCursor(QTextCursor::End);
        ausgabe->setFocus();
        QTest::keyClicks(ausgabe, QStringLiteral("Notiz"));
        Menue("mnuCopy");
        QCOMPARE(Zwischenablage(), ganz + QStringLiteral("Notiz"));

        // An emptied box leaves the clipboard empty.
        Klicken(K<QRadioButton>("optMaterial_1"));
        Menue("mnuCopy");
        QCOMPARE(Zwischenablage(), QString());
    }

    void info() {
        Menue("mnuInfo");
        QCOMPARE(dialoge_.Meldungen, QStringList{"Zorvanta V1.0.4  \r\n\r\nAutor: Zorvanta-Team\r\n"
                                                 "https://zorvanta.example.org\r\n|Info...|info"});
        QCOMPARE(frmStatistik::InfoText().section(QStringLiteral("\r\n"), 0, 0),
                 QStringLiteral("Zorvanta V1.0.4  "));
    }

    void schliessen() {
        QVERIFY(f_->isVisible());
        Klicken(K<QPushButton>("cmdClose"));
        QVERIFY(!f_->isVisible());
    }

    void griffImFenster() {
        auto* grip = K<SizeGrip>("SizeGrip1");
        const int e = grip->style()->pixelMetric(QStyle::PM_ScrollBarExtent);
        QTRY_COMPARE(grip->geometry(), QRect(674 - e, 407 - e, e, e));
        QVERIFY(grip->AutoZOrder());
        QCOMPARE(grip->Formular(), Client());
    }

    // The real dialogs: Cancel gives the empty answer, OK the typed one.
    void qtDialoge() {
        QtDialoge dialoge(f_.get());
        QString gesehen;
        const auto antworten = [&](bool ok) {
            QTimer::singleShot(0, [&gesehen, ok] {
                auto* d = qobject_cast<QInputDialog*>(QApplication::activeModalWidget());
                if (!d) return;
                gesehen = d->windowTitle() + "|" + d->labelText() + "|" + d->textValue();
                d->setTextValue(QStringLiteral("12"));
                ok ? d->accept() : d->reject();
            });
        };
        antworten(false);
        QCOMPARE(dialoge.Eingabe("Bitte Anzahl der Merkmale angeben:", "Zufalsgenerator", "10"),
                 std::string());
        QCOMPARE(gesehen, QStringLiteral("Zufalsgenerator|Bitte Anzahl der Merkmale angeben:|10"));
        antworten(true);
        QCOMPARE(dialoge.Eingabe("Frage", "Titel", "3"), std::string("12"));

        QTimer::singleShot(0, [&gesehen] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (!box) return;
            gesehen =
                box->windowTitle() + "|" + box->text() + "|" + QString::number(int(box->icon()));
            box->accept();
        });
        dialoge.Meldung("Zorvanta V1.0.4  \r\nx\r\n", "Info...", zv::Meldungssymbol::Information);
        QCOMPARE(gesehen, "Info...|Zorvanta V1.0.4  \nx\n|" +
                              QString::number(int(QMessageBox::Information)));
    }
};

QTEST_MAIN(TestFrmStatistik)
#include "test_frmstatistik.moc"
