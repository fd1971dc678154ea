// The main window driven by clicks and keys, headless.

#include <QtTest>
#include <QtWidgets>

#include "run/Statistiken.h"
#include "base/Zahlenlesen.h"
#include "sizegrip/SizeGrip.h"
#include "ui/QtDialoge.h"
#include "ui/frmStatistik.h"

namespace {

class Testdialoge : public zv::IDialoge {
  public:
    QStringList Antworten;  // handed out in order
    QStringList Fragen;     // prompt|title|preset
    QStringList Meldungen;  // text|title|symbol
    std::string Eingabe(const std::string& frage, const std::string& titel,
                        const std::string& vorgabe) override {
        Fragen << QString::fromStdString(frage + "|" + titel + "|" + vorgabe);
        return Antworten.isEmpty() ? std::string() : Antworten.takeFirst().toStdString();
    }
    void Meldung(const std::string& text, const std::string& titel,
                 zv::Meldungssymbol symbol) override {
        Meldungen << QString::fromStdString(text + "|" + titel + "|") +
                         (symbol == zv::Meldungssymbol::Kritisch ? "kritisch" : "info");
    }
};

// A control's place in twips and its caption. A negative width or height is one the layout
// must refuse, so the control keeps its last one; Frei leaves the width to the control.
constexpr int Frei = -99999;
struct Ort {
    const char* name;
    int x, y, w, h;
    const char* text;
};

// The designed layout, in tab order, for a client area of W x H twips; d is 390 in the
// two-dimensional mode.
std::vector<Ort> Entwurf(int W, int H, int d) {
    return {
        {"lblM_2", 120, 120, 1335, 210, "&Trennzeichen:"},
        {"optSeparator_0", 1680, 120, 1695, 255, "Leerstelle ( )"},
        {"optSeparator_1", 3360, 120, 1335, 255, "Komma (,)"},
        {"optSeparator_2", 4920, 120, 1695, 255, "Semikolon (;)"},
        {"optSeparator_3", 6720, 120, 1695, 255, "Tabulator (    )"},
        {"optSeparator_4", 8520, 120, 1215, 255, "Tilde (~)"},
        {"chkReturn", 1680, 480, 5535, 255, "Trennzeichen mit Return (Eingabetaste) übernehmen"},
        {"lblM1", 120, 885, Frei, 210, d ? "Merkmal a&1:" : "&Urliste:"},
        {"txtM1", 1680, 840, W - 1830, 405, nullptr},
        {"lblM2", 120, 1365, Frei, 210, "Merkmal a&2:"},
        {"txtM2", 1680, 1320, W - 1830, 405, nullptr},
        {"fraDatenmaterial", 120, d ? 1800 : 1440, 3495, 1095, "&Datenmaterial"},
        {"optMaterial_0", 360, 360, 2775, 255, "Eindimensional"},
        {"optMaterial_1", 360, 720, 2895, 255, "Zweidimensional"},
        {"lstSelection", 120, 2610 + d, 3495, H - (d + 3315), nullptr},
        {"txtAusgabe", 3720, 1530 + d, W - 3870, H - (d + 2220), nullptr},
        {"cmdClose", 120, H - 525, 1695, 375, "&Schließen"},
        {"cmdCalculate", 1920, H - 525, 1695, 375, "&Berechnen"},
        {"chkDetail", 3720, H - 465, 3375, 255, "Berechnungsschritte &anzeigen"},
        {"lblNks", 7680, H - 450, 1845, 210, "&Nachkommastellen:"},
        {"txtNks", 9600, H - 510, 375, 330, "3"}};
}

}  // namespace

class TestFrmStatistik : public QObject {
    Q_OBJECT

    Testdialoge dialoge_;
    std::unique_ptr<frmStatistik> f_;

    template <class T = QWidget>
    T* K(const QString& name) {
        T* w = f_->findChild<T*>(name);
        if (w == nullptr) qFatal("control %s missing", qPrintable(name));
        return w;
    }
    QWidget* Client() { return f_->centralWidget(); }
    QLineEdit* M1() { return K<QLineEdit>("txtM1"); }
    QLineEdit* M2() { return K<QLineEdit>("txtM2"); }
    QString Werte() { return M1()->text() + "/" + M2()->text(); }
    QCheckBox* Detail() { return K<QCheckBox>("chkDetail"); }
    QPlainTextEdit* Ausgabe() { return K<QPlainTextEdit>("txtAusgabe"); }
    QListWidget* Liste() { return K<QListWidget>("lstSelection"); }
    QString Ablage() { return QGuiApplication::clipboard()->text(); }
    void Menue(const char* name) { K<QAction>(name)->trigger(); }
    void Trenner(int i) { Klicken(QStringLiteral("optSeparator_%1").arg(i)); }
    QStringList Eintraege(bool nurGewaehlte = false) {
        QStringList texte;
        for (int i = 0; i < Liste()->count(); ++i)
            if (!nurGewaehlte || Liste()->item(i)->isSelected()) texte << Liste()->item(i)->text();
        return texte;
    }
    QStringList Soll(bool zwei) {  // the list's entries for a data mode
        QStringList texte;
        for (const auto& t : zv::ListenEintraege(zwei)) texte << QString::fromStdString(t);
        return texte;
    }
    void Klicken(const QString& name) {  // on the indicator or the button face
        auto* knopf = K<QAbstractButton>(name);
        const bool flaeche = qobject_cast<QPushButton*>(knopf);
        QTest::mouseClick(knopf, Qt::LeftButton, {},
                          flaeche ? knopf->rect().center() : QPoint(6, knopf->height() / 2));
    }
    void Waehlen(const QString& text) {
        const auto treffer = Liste()->findItems(text, Qt::MatchExactly);
        QCOMPARE(treffer.size(), 1);
        QTest::mouseClick(Liste()->viewport(), Qt::LeftButton, {},
                          Liste()->visualItemRect(treffer.first()).center());
    }
    static bool Passt(const QString& muster, const QString& t) {
        return QRegularExpression(muster).match(t).hasMatch();
    }
    bool Zahlenlisten(const QString& trenner, int n) {  // both boxes: n whole numbers
        const QString muster = QStringLiteral("^(\\d+(%1\\d+){%2})/(?1)$");
        return Passt(muster.arg(QRegularExpression::escape(trenner)).arg(n - 1), Werte());
    }
    QString Schalter() {  // the detail switch: enabled, checked
        return QString::number(Detail()->isEnabled()) + QString::number(Detail()->isChecked());
    }
    void Neu() {
        cleanup();
        init();
    }

    // Every control of the layout table, and the size grip in the client area's corner.
    void LayoutPruefen(int d, const QMap<QString, QRect>& vorher = {}) {
        for (const Ort& o : Entwurf(Client()->width() * 15, Client()->height() * 15, d)) {
            QWidget* w = K(o.name);
            const QRect alt = vorher.value(o.name);
            const int breite = o.w == Frei ? w->width() : o.w < 0 ? alt.width() : o.w / 15;
            const QRect soll(o.x / 15, o.y / 15, breite, o.h < 0 ? alt.height() : o.h / 15);
            if (w->geometry() != soll) qWarning() << o.name << w->geometry() << "expected" << soll;
            QVERIFY2(w->geometry() == soll, o.name);
            const char* art = qobject_cast<QGroupBox*>(w) ? "title" : "text";
            if (o.text) QCOMPARE(w->property(art).toString(), QString::fromUtf8(o.text));
        }
        auto* griff = K<SizeGrip>("SizeGrip1");
        const int e = griff->style()->pixelMetric(QStyle::PM_ScrollBarExtent);
        QTRY_COMPARE(griff->geometry(), QRect(Client()->width() - e, Client()->height() - e, e, e));
    }

    // A run through the button against a fresh run fed the same control states: the report is
    // shown and copied with its CR LF line ends, the trimmed texts come back, the selection
    // stays. auswahl: the entries to select, joined by "|".
    void Rechnen(bool zwei, int trenner, const char* m1, const char* m2, const char* nks,
                 const QString& auswahl, bool detail, const char* nksDanach) {
        Neu();
        if (zwei) Klicken("optMaterial_1");
        Trenner(trenner);
        M1()->setText(m1);
        M2()->setText(m2);
        K<QLineEdit>("txtNks")->setText(nks);
        const QStringList gewaehlt = auswahl.split('|', Qt::SkipEmptyParts);
        for (const QString& eintrag : gewaehlt) Waehlen(eintrag);
        if (detail) Klicken("chkDetail");
        QCOMPARE(Detail()->isChecked(), detail);
        zv::Steuerzustand zustand{nks, m1, m2, zwei, trenner, detail, {}};
        for (const std::string& text : zv::ListenEintraege(zwei))
            zustand.lstSelection.push_back({text, gewaehlt.contains(QString::fromStdString(text))});
        zv::clsRechenlauf referenz(zv::DezimaltrennzeichenAusUmgebung());
        const std::string bericht = referenz.cmdCalculate_Click(zustand).txtAusgabe;
        for (int mal = 0; mal < 2; ++mal) {  // a second run replaces the first
            Klicken("cmdCalculate");
            QCOMPARE(Ausgabe()->toPlainText(),
                     QString::fromStdString(bericht).replace("\r\n", "\n"));
            Menue("mnuCopy");
            QCOMPARE(Ablage().toStdString(), bericht);
        }
        QCOMPARE(Werte(), QString(m1).trimmed() + "/" + QString(m2).trimmed());
        QCOMPARE(K<QLineEdit>("txtNks")->text(), QString(nksDanach));
        QCOMPARE(Eintraege(true), gewaehlt);
    }

  private slots:
    void initTestCase() { qputenv("LC_ALL", "C"); }  // the decimal point, window and reference

    void init() {
        dialoge_ = Testdialoge();
        frmStatistik::Dienste dienste;
        dienste.Dialoge = &dialoge_;
        f_ = std::make_unique<frmStatistik>(dienste);
        f_->show();
        QVERIFY(QTest::qWaitForWindowExposed(f_.get()));
        QTRY_COMPARE(Client()->size(), QSize(674, 407));  // 10110 x 6105 twips
    }

    void cleanup() { f_.reset(); }

    void startZustand() {
        QCOMPARE(f_->windowTitle(), QStringLiteral("Zorvanta"));
        const auto symbole = f_->windowIcon().availableSizes();
        QVERIFY(symbole.contains(QSize(16, 16)) && symbole.contains(QSize(32, 32)));
        const QRect schirm = f_->screen()->geometry(), aussen = f_->frameGeometry();
        QCOMPARE(aussen.topLeft() - schirm.topLeft(),
                 QPoint(schirm.width() - aussen.width(), schirm.height() - aussen.height()) / 2);
        LayoutPruefen(0);
        for (const char* n : {"optSeparator_0", "optMaterial_0", "chkReturn"})
            QVERIFY2(K<QAbstractButton>(n)->isChecked(), n);
        QVERIFY(M2()->isHidden() && K("lblM2")->isHidden());
        QCOMPARE(Schalter(), QStringLiteral("00"));
        auto* nks = K<QLineEdit>("txtNks");
        QVERIFY(nks->maxLength() == 1 && nks->alignment() & Qt::AlignHCenter);
        QCOMPARE(Eintraege(), Soll(false));
        QVERIFY(Liste()->selectedItems().isEmpty() && Ausgabe()->toPlainText().isEmpty());
        QVERIFY(Ausgabe()->lineWrapMode() == QPlainTextEdit::NoWrap &&
                Ausgabe()->horizontalScrollBarPolicy() == Qt::ScrollBarAlwaysOn &&
                Ausgabe()->verticalScrollBarPolicy() == Qt::ScrollBarAlwaysOn);
        QVERIFY2(Zahlenlisten(" ", 10), qPrintable(Werte()));

        // The input font, the smaller list font, the fixed-pitch bold report font.
        const auto schrift = [](QWidget* w) {
            const QFontInfo i(w->font());
            return i.family() +
                   QString(" %1 %2%3").arg(i.pointSizeF()).arg(i.fixedPitch()).arg(i.bold());
        };
        const QString schriften = schrift(M1()) + "/" + schrift(Liste()) + "/" + schrift(Ausgabe());
        QVERIFY2(
            Passt("^(Verdana|DejaVu Sans) 9 00/\\1 8.25 00/(Courier New|Liberation Mono) 9 11$",
                  schriften),
            qPrintable(schriften));

        // Tab order as in the table, without the labels and the frame; the labels' access keys.
        QStringList reihe, kette;
        for (const Ort& o : Entwurf(0, 0, 0))
            if (!Passt("^(lbl|fra)", o.name)) reihe << o.name;
        QWidget* w = K(reihe.first());
        for (int i = 0; i < 100; ++i, w = w->nextInFocusChain())
            if (reihe.contains(w->objectName()) && !kette.contains(w->objectName()))
                kette << w->objectName();
        QCOMPARE(kette, reihe);
        for (const QString n : {"M1", "M2", "Nks"})
            QCOMPARE(K<QLabel>("lbl" + n)->buddy(), K("txt" + n));

        QStringList menue = {K<QMenu>("MExtras")->title()};
        for (QAction* a : K<QMenu>("MExtras")->actions()) menue << a->text();
        QCOMPARE(menue.join('|'), QString("Extras|&Zufallsgenerator|&Ausgabe kopieren|&Info"));
        QVERIFY(K<SizeGrip>("SizeGrip1")->AutoZOrder());
        QCOMPARE(K<SizeGrip>("SizeGrip1")->Formular(), Client());
    }

    // Each switch refills the list, empties the output and moves the lower controls; the
    // input texts stay, a hidden txtM2 included.
    void modusWechsel() {
        M2()->setText(QStringLiteral("7 8 9"));
        const QString werte = Werte();
        for (const bool zwei : {true, false, true}) {
            Waehlen(Eintraege().first());
            Klicken("cmdCalculate");
            QVERIFY(!Ausgabe()->toPlainText().isEmpty());
            Klicken(zwei ? "optMaterial_1" : "optMaterial_0");
            QCOMPARE(f_->Zweidimensional(), zwei);
            LayoutPruefen(zwei ? 390 : 0);
            QVERIFY(M2()->isVisible() == zwei && K("lblM2")->isVisible() == zwei);
            QVERIFY(K("lblM1")->width() >= K("lblM1")->sizeHint().width());
            QCOMPARE(Eintraege(), Soll(zwei));
            QVERIFY(Liste()->selectedItems().isEmpty() && Ausgabe()->toPlainText().isEmpty());
            QCOMPARE(Werte(), werte);
        }
    }

    void detailRegel() {
        // Each entry alone, in both modes: only the eight with calculation steps enable it.
        const QString mitSchritten =
            "|Median|Schwerpunkt|Bedingte Häufigkeiten|Bravais-Pearson-Korrelationskoeffizient|"
            "Spearmen-Rangkorrelationskoeffizient|Kontingenzkoeffizient|Lineare Regression|"
            "Determinationskoeffizient|";
        for (const char* modus : {"optMaterial_0", "optMaterial_1"}) {
            Klicken(modus);
            for (const QString& eintrag : Eintraege()) {
                Waehlen(eintrag);
                const QString an = Schalter();
                Waehlen(eintrag);
                const bool mit = mitSchritten.contains("|" + eintrag + "|");
                QCOMPARE(eintrag + ":" + an + Schalter(), eintrag + (mit ? ":1000" : ":0000"));
            }
        }
        // The check survives other entries and a list refill and goes with the last entry with
        // steps. Each step: an entry or a button clicked = the switch enabled, checked.
        const QString schritte =
            "Schwerpunkt=10 chkDetail=11 Randhäufigkeiten=11 Randhäufigkeiten=11 Schwerpunkt=00 "
            "Schwerpunkt=10 chkDetail=11 optMaterial_0=11 Modus=00";
        for (const QString& schritt : schritte.split(' ')) {
            const QString klick = schritt.section('=', 0, 0);
            f_->findChild<QAbstractButton*>(klick) ? Klicken(klick) : Waehlen(klick);
            QCOMPARE(klick + "=" + Schalter(), schritt);
        }
    }

    // Enter types the separator into both boxes (Return and the keypad's Enter alike) unless
    // "Trennzeichen mit Return" is unchecked; choosing a separator converts nothing.
    void enterTaste() {
        Klicken("optMaterial_1");
        const QStringList erwartet = {"1 2", "1,2", "1;2", "1\t2", "1~2", "12"};
        for (int i = 0; i < erwartet.size(); ++i) {
            const QString vorher = Werte();
            Trenner(i % 5);
            if (i == 5) Klicken("chkReturn");
            QCOMPARE(Werte(), vorher);
            for (QLineEdit* feld : {M1(), M2()}) {
                feld->clear();
                feld->setFocus();
                for (const auto k : {Qt::Key_1, i % 2 ? Qt::Key_Enter : Qt::Key_Return, Qt::Key_2})
                    QTest::keyClick(feld, k);
            }
            QCOMPARE(Werte(), erwartet[i] + "/" + erwartet[i]);
        }
    }

    // A pasted column (Ctrl+V, or the context menu into the middle of a text) becomes a list
    // in the current separator; a long one is not cut at the toolkit's 32767 characters.
    void einfuegen() {
        QString lang;
        for (int i = 0; i < 12000; ++i) lang += QString::number(i % 97 + 1) + "\r\n";
        const QString langListe = QString(lang).replace("\r\n", " ").chopped(1);
        QVERIFY(langListe.size() > 32767);
        const std::tuple<int, QString, QString> faelle[] = {
            {2, "12\r\n7,5\r\n9\r\n", "12;7,5;9"}, {3, "4\r5\n6", "4\t5\t6"}, {0, lang, langListe}};
        for (const auto& [trenner, ablage, erwartet] : faelle) {
            Trenner(trenner);
            QGuiApplication::clipboard()->setText(ablage);
            M1()->clear();
            M1()->setFocus();
            QTest::keyClick(M1(), Qt::Key_V, Qt::ControlModifier);
            QCOMPARE(M1()->text(), erwartet);
            M1()->setText(QStringLiteral("A|B"));
            M1()->setCursorPosition(2);
            QContextMenuEvent ereignis(QContextMenuEvent::Keyboard, {},
                                       M1()->mapToGlobal(QPoint()));
            QApplication::sendEvent(M1(), &ereignis);
            auto* menue = qobject_cast<QMenu*>(QApplication::activePopupWidget());
            QVERIFY(menue);
            for (QAction* punkt : menue->actions())
                if (punkt->text().startsWith(QLineEdit::tr("&Paste"))) punkt->trigger();
            menue->close();
            QCOMPARE(M1()->text(), "A|" + erwartet + "B");
        }
    }

    void berechnenUndKopieren() {
        Rechnen(false, 0, "  3 1 2 4  ", "", "7",
                "Modus|Median|Arithmetisches Mittel|Standardabweichnung", true, "7");
        Rechnen(false, 1, " 2,5,5 ", "", "0", "", false, "3");
        Rechnen(true, 2, " 5;1;4;2 ", "2;9;3;3  ", "x",
                "Randhäufigkeiten|Schwerpunkt|Bravais-Pearson-Korrelationskoeffizient", true, "3");
        // Text the user typed into the box goes with CR LF line ends too, and the whole box
        // goes whatever part is selected; an emptied box leaves the clipboard empty.
        const QString ganz = Ablage();
        QVERIFY(ganz.endsWith("\r\n"));
        QTest::keyClick(Ausgabe(), Qt::Key_End, Qt::ControlModifier);
        QTest::keyClicks(Ausgabe(), QStringLiteral("Notiz"));
        QTest::keyClick(Ausgabe(), Qt::Key_Home, Qt::ShiftModifier);
        Menue("mnuCopy");
        QCOMPARE(Ablage(), ganz + "Notiz");
        Klicken("optMaterial_0");
        Menue("mnuCopy");
        QCOMPARE(Ablage(), QString());
    }

    // 1500 twips larger, then too small: a refused negative width or height keeps the last
    // one and every other assignment is still made.
    void groesseAendern() {
        const int menue = f_->height() - Client()->height();
        f_->resize(774, 507 + menue);
        QTRY_COMPARE(Client()->size(), QSize(774, 507));
        LayoutPruefen(0);
        QMap<QString, QRect> vorher;
        for (const Ort& o : Entwurf(0, 0, 0)) vorher[o.name] = K(o.name)->geometry();
        f_->resize(60, 150 + menue);
        QTRY_VERIFY(Client()->height() * 15 < 3315 && Client()->width() * 15 < 3870);
        LayoutPruefen(0, vorher);
    }

    void zufallsgenerator() {
        const QString zahl = "Bitte nummerische Werte eingeben!|Fehler Zufallsgenerator|kritisch";
        const QString bereich =
            "Bitte eine Zahl zwischen 1 und 99 eingeben!|Zufallsgenerator|kritisch";
        // Data mode, answer, values per box afterwards (0: unchanged), message.
        const std::tuple<bool, QString, int, QString> faelle[] = {
            {false, "", 0, ""},         {false, "   ", 0, ""},     {false, "zehn", 0, zahl},
            {false, "0", 0, bereich},   {true, "100", 0, bereich}, {true, "99", 99, ""},
            {false, " 1 ", 1, ""},      {false, "2.5", 2, ""},     {true, "3.5", 4, ""},
            {false, "99.5", 0, bereich}};
        for (const auto& [zwei, antwort, anzahl, meldung] : faelle) {
            Neu();
            if (zwei) Klicken("optMaterial_1");
            Trenner(2);
            const QString vorher = Werte();
            dialoge_.Antworten = QStringList{antwort, ""};
            Menue("mnuZufallsgenerator");
            Menue("mnuZufallsgenerator");  // offers the count now stored
            const QString frage = QStringLiteral("Bitte Anzahl der %1 angeben:|Zufalsgenerator|")
                                      .arg(zwei ? "Merkmale" : "Ausprägungen");
            const QString danach = QString::number(anzahl ? anzahl : 10);
            QCOMPARE(dialoge_.Fragen, QStringList({frage + "10", frage + danach}));
            QCOMPARE(dialoge_.Meldungen.join('/'), meldung);
            QVERIFY2(anzahl ? Zahlenlisten(";", anzahl) : Werte() == vorher, qPrintable(antwort));
        }
        // Two requests in quick succession (within one second) give different numbers.
        dialoge_.Antworten = QStringList{"99", "99"};
        Menue("mnuZufallsgenerator");
        const QString erste = Werte();
        Menue("mnuZufallsgenerator");
        QVERIFY(Werte() != erste);
    }

    void infoUndSchliessen() {
        Menue("mnuInfo");
        QCOMPARE(dialoge_.Meldungen, QStringList{"Zorvanta V1.0.4  \r\n\r\nAutor: Zorvanta-Team\r\n"
                                                 "https://zorvanta.example.org\r\n|Info...|info"});
        Klicken("cmdClose");
        QVERIFY(!f_->isVisible());
    }

    // The real dialogs: Cancel gives the empty answer, OK the typed one; the message box shows
    // title, icon and its text with LF line ends.
    void qtDialoge() {
        QtDialoge dialoge(f_.get());
        QString gesehen;
        const auto dann = [&gesehen](bool ok) {
            QTimer::singleShot(0, [&gesehen, ok] {
                auto* d = qobject_cast<QDialog*>(QApplication::activeModalWidget());
                if (auto* e = qobject_cast<QInputDialog*>(d)) {
                    gesehen = e->windowTitle() + "|" + e->labelText() + "|" + e->textValue();
                    e->setTextValue("12");
                }
                if (auto* m = qobject_cast<QMessageBox*>(d))
                    gesehen = m->windowTitle() + "|" + m->text() + "|" + QString::number(m->icon());
                if (d) ok ? d->accept() : d->reject();
            });
        };
        dann(false);
        QCOMPARE(dialoge.Eingabe("Frage:", "Titel", "10"), std::string());
        QCOMPARE(gesehen, QStringLiteral("Titel|Frage:|10"));
        dann(true);
        QCOMPARE(dialoge.Eingabe("Frage:", "Titel", "3"), std::string("12"));
        dann(true);
        dialoge.Meldung("V1  \r\nx\r\n", "Info...", zv::Meldungssymbol::Information);
        QCOMPARE(gesehen, "Info...|V1  \nx\n|" + QString::number(QMessageBox::Information));
    }
};

QTEST_MAIN(TestFrmStatistik)
#include "test_frmstatistik.moc"
