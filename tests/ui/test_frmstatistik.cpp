// The main window driven by clicks and keys, headless.

#include <sys/fsuid.h>

#include <QToolTip>
#include <QtTest>
#include <QtWidgets>

#include "Fenstertest.h"
#include "base/Zahlenlesen.h"
#include "files/Dateischreiben.h"
#include "run/Statistiken.h"
#include "ui/Anzahlfrage.h"
#include "ui/Druckablauf.h"
#include "ui/QtDialoge.h"
#include "ui/Uebersetzung.h"
#include "ui/frmStatistik.h"

namespace {

// The window's own random source, which can be made to fail as a lack of memory would.
class Testzufall : public zv::IZufallsquelle {
  public:
    bool Werfen = false;
    void Saeen(double startwert) override { echt_.Saeen(startwert); }
    float Ziehen() override {
        if (Werfen) throw std::bad_alloc();
        return echt_.Ziehen();
    }

  private:
    zv::Zufallsquelle echt_;
};

// The controls anchored at the bottom edge of the client area.
const char* const kUnten[] = {"cmdClose", "cmdCalculate", "chkDetail", "lblNks", "txtNks"};

}  // namespace

class TestFrmStatistik : public QObject {
    Q_OBJECT

    zvtest::Testdialoge dialoge_;
    Testzufall zufall_;
    QStringList vorschlaege_;  // what the save dialog offered
    QString speicherort_;      // what it answers
    std::unique_ptr<frmStatistik> f_;

    template <class T = QWidget>
    T* K(const QString& name) {
        return zvtest::Kind<T>(f_.get(), name);
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
        Liste()->scrollToItem(treffer.first());  // the list scrolls
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

    // Distances of a control's right and bottom edges from those of the client area.
    QPoint Rand(const char* name) {
        const QRect r = K(name)->geometry();
        return {Client()->width() - r.right(), Client()->height() - r.bottom()};
    }

    // Every anchored control keeps its distance from the bottom edge, the input boxes from the
    // right edge, the output box from both as the window size changes.
    void Verankert(const QMap<QString, QPoint>& vorher) {
        for (const char* n : kUnten) QCOMPARE(Rand(n).y(), vorher[n].y());
        for (const char* n : {"txtM1", "txtM2"}) QCOMPARE(Rand(n).x(), vorher[n].x());
        QCOMPARE(Rand("txtAusgabe"), vorher["txtAusgabe"]);
        QCOMPARE(Rand("lstSelection").y(), vorher["lstSelection"].y());
    }
    QMap<QString, QPoint> Raender() {
        QMap<QString, QPoint> r;
        for (const char* n : {"cmdClose", "cmdCalculate", "chkDetail", "lblNks", "txtNks", "txtM1",
                              "txtM2", "txtAusgabe", "lstSelection"})
            r[n] = Rand(n);
        return r;
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
    void initTestCase() {
        qputenv("LC_ALL", "C");  // the decimal point, window and reference
        QVERIFY(QtUebersetzungLaden(*QCoreApplication::instance()));
    }

    void init() {
        dialoge_ = zvtest::Testdialoge();
        frmStatistik::Dienste dienste;
        dienste.Dialoge = &dialoge_;
        dienste.Zufall = &zufall_;
        dienste.Speicherdialog = [this](const QString& vorschlag) {
            vorschlaege_ << vorschlag;
            return speicherort_;
        };
        f_ = std::make_unique<frmStatistik>(dienste);
        f_->show();
        QVERIFY(QTest::qWaitForWindowExposed(f_.get()));
        QTRY_COMPARE(Client()->size(), QSize(674, 407));  // 10110 x 6105 twips
    }

    void cleanup() { f_.reset(); }

    void startZustand() {
        QCOMPARE(Schalter(), QStringLiteral("00"));
        QCOMPARE(Eintraege(), Soll(false));
        QVERIFY(Liste()->selectedItems().isEmpty() && Ausgabe()->toPlainText().isEmpty());
        QVERIFY2(Zahlenlisten(" ", 10), qPrintable(Werte()));
    }

    // Each switch refills the list and empties the output; the input texts stay, a hidden txtM2
    // included.
    void modusWechsel() {
        M2()->setText(QStringLiteral("7 8 9"));
        const QString werte = Werte();
        for (const bool zwei : {true, false, true}) {
            Waehlen(Eintraege().first());
            Klicken("cmdCalculate");
            QVERIFY(!Ausgabe()->toPlainText().isEmpty());
            Klicken(zwei ? "optMaterial_1" : "optMaterial_0");
            QCOMPARE(f_->Zweidimensional(), zwei);
            QVERIFY(M2()->isVisible() == zwei && K("lblM2")->isVisible() == zwei);
            QCOMPARE(Eintraege(), Soll(zwei));
            QVERIFY(Liste()->selectedItems().isEmpty() && Ausgabe()->toPlainText().isEmpty());
            QCOMPARE(Werte(), werte);
        }
    }

    void detailRegel() {
        // Each entry alone, in both modes: only those with calculation steps enable it.
        const QString mitSchritten =
            "|Median|Häufigkeitstabelle|Quartile|"
            "Schwerpunkt|Bedingte Häufigkeiten|Bravais-Pearson-Korrelationskoeffizient|"
            "Spearmen-Rangkorrelationskoeffizient|Kontingenzkoeffizient|Lineare Regression|"
            "Determinationskoeffizient|Geometrisches Mittel|Harmonisches Mittel|"
            "Variationskoeffizient|Stichprobenvarianz und -standardabweichung|Kovarianz|";
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
        // The check stays while an entry with steps is selected and survives a refill of the
        // list; the next choice without such an entry clears it.
        Waehlen("Schwerpunkt");
        Klicken("chkDetail");
        Waehlen("Randhäufigkeiten");
        QCOMPARE(Schalter(), "11");
        Waehlen("Schwerpunkt");
        QCOMPARE(Schalter(), "00");
        Waehlen("Schwerpunkt");
        QCOMPARE(Schalter(), "10");
        Klicken("chkDetail");
        Klicken("optMaterial_0");
        QCOMPARE(Schalter(), "11");
        Waehlen("Modus");
        QCOMPARE(Schalter(), "00");
        // Greyed, it says which entries have steps; enabled, it has nothing to explain.
        QVERIFY(Detail()->toolTip().contains(
            "nur zu: Median, Häufigkeitstabelle, Quartile, Geometrisches Mittel, Harmonisches "
            "Mittel, Variationskoeffizient, Stichprobenvarianz und -standardabweichung."));
        Waehlen("Median");
        QCOMPARE(Detail()->toolTip(), QString());
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

    // Extras "Rechen&tabellen": checkable, off at start, kept across runs and mode switches
    // while the window lives, and handed to the run, whose report then holds the tables.
    void rechentabellen() {
        auto* punkt = K<QAction>("mnuRechentabellen");
        QVERIFY(punkt->isCheckable() && !punkt->isChecked());
        M1()->setText(QStringLiteral("1 2 4"));
        Waehlen(QStringLiteral("Standardabweichnung"));
        Klicken("cmdCalculate");
        QVERIFY(!Ausgabe()->toPlainText().contains("\nRechentabelle\n"));
        Menue("mnuRechentabellen");
        for (const char* modus : {"", "optMaterial_1", "optMaterial_0"}) {
            if (*modus) Klicken(modus);
            QVERIFY2(punkt->isChecked(), modus);
        }
        Waehlen(QStringLiteral("Standardabweichnung"));
        Klicken("cmdCalculate");
        QVERIFY(Ausgabe()->toPlainText().contains("\nRechentabelle\n"));
    }

    // Extras: the two quartile definitions exclude each other, the halves checked at start;
    // the one chosen is kept across mode switches and handed to the run.
    void quartilsdefinition() {
        auto* haelften = K<QAction>("mnuQuartileHaelften");
        auto* standard = K<QAction>("mnuQuartileStandard");
        QVERIFY(haelften->isChecked() && !standard->isChecked());
        M1()->setText(QStringLiteral("1 2 3 4 5"));
        const std::tuple<const char*, QString, QString> wahl[] = {
            {"mnuQuartileStandard", "Standarddefinition", "\nQ1: 2\n"},
            {"mnuQuartileHaelften", "Hälftenmethode", "\nQ1: 1"}};
        for (const auto& [punkt, definition, q1] : wahl) {
            Menue(punkt);
            Klicken("optMaterial_1");
            Klicken("optMaterial_0");
            QCOMPARE(standard->isChecked(), definition == "Standarddefinition");
            QCOMPARE(haelften->isChecked(), !standard->isChecked());
            Waehlen(QStringLiteral("Quartile"));
            Klicken("cmdCalculate");
            const QString bericht = Ausgabe()->toPlainText();
            QVERIFY2(bericht.contains("Definition: " + definition) && bericht.contains(q1),
                     qPrintable(bericht));
        }
    }

    // 100 pixels larger, then too small: a refused negative width or height keeps the last one
    // and every other assignment is still made.
    void groesseAendern() {
        const auto raender = Raender();
        const int menue = f_->height() - Client()->height();
        f_->resize(774, 507 + menue);
        QTRY_COMPARE(Client()->size(), QSize(774, 507));
        Verankert(raender);
        const QSize ausgabe = Ausgabe()->size(), liste = Liste()->size();
        f_->resize(60, 150 + menue);
        QTRY_VERIFY(Client()->height() < 200 && Client()->width() < 240);
        QCOMPARE(Ausgabe()->width(), ausgabe.width());
        QCOMPARE(Liste()->height(), liste.height());
        for (const char* n : kUnten) QCOMPARE(Rand(n).y(), raender[n].y());
    }

    // The answer of the count dialog, read as the dialog reads it.
    void anzahlAntwort() {
        // Answer, decimal separator, kind, count. Blanks are trimmed; "99.4" is rounded before
        // the range test, "99.5" is then out of range; 1e10 and 1e999 exceed 16 bits and a
        // double without overflow; with the decimal comma the numeric test takes "2,5" and the
        // leading number stops at the comma.
        using A = zv::Antwortart;
        // clang-format off
        const std::tuple<const char*, const char*, A, int> faelle[] = {
            {"", ".", A::Nichts, 0},                 {"   ", ".", A::Nichts, 0},
            {" 1 ", ".", A::NeueAnzahl, 1},          {"0", ".", A::AusserhalbBereich, 0},
            {"99.5", ".", A::AusserhalbBereich, 0},  {"2.5", ".", A::NeueAnzahl, 2},
            {"5x", ".", A::NichtNumerisch, 0},       {"-3", ".", A::AusserhalbBereich, 0},
            {"99.4", ".", A::NeueAnzahl, 99},        {"1e10", ".", A::AusserhalbBereich, 0},
            {"1e999", ".", A::AusserhalbBereich, 0}, {"2,5", ",", A::NeueAnzahl, 2},
            {"2.5", ",", A::NichtNumerisch, 0}};
        // clang-format on
        for (const auto& [antwort, dezimal, art, anzahl] : faelle) {
            const auto p = zv::AnzahlAntwortPruefen(antwort, dezimal);
            QVERIFY2(p.Art == art, antwort);
            QVERIFY2((p.Art == A::NeueAnzahl ? p.Anzahl : 0) == anzahl, antwort);
        }
    }

    // The dialog's prompt names the mode's values and offers the count now stored; a refused
    // answer shows its message and keeps the lists (the answers one by one in anzahlAntwort).
    void zufallsgenerator() {
        const QString bereich =
            "Bitte eine Zahl zwischen 1 und 99 eingeben!|Zufallsgenerator|kritisch";
        // Data mode, answer, values per box afterwards (0: unchanged), message.
        const std::tuple<bool, QString, int, QString> faelle[] = {
            {false, "", 0, ""},
            {false, "zehn", 0,
             "Bitte nummerische Werte eingeben!|Fehler Zufallsgenerator|kritisch"},
            {true, "100", 0, bereich},
            {true, "3.5", 4, ""}};
        for (const auto& [zwei, antwort, anzahl, meldung] : faelle) {
            Neu();
            if (zwei) Klicken("optMaterial_1");
            Trenner(2);
            const QString vorher = Werte();
            dialoge_.Antworten = QStringList{antwort, ""};
            Menue("mnuZufallsgenerator");
            Menue("mnuZufallsgenerator");
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

    // A label's or frame's access key moves the focus to the chosen option and never changes
    // the choice; Alt, Ctrl or Meta with a key that is no access key types nothing anywhere.
    void zugriffstasten() {
        f_->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(f_.get()));
        Trenner(1);
        Klicken("optMaterial_1");
        for (const auto& [taste, option] :
             {std::pair{Qt::Key_T, "optSeparator_1"}, std::pair{Qt::Key_D, "optMaterial_1"}}) {
            M1()->setFocus();
            QTest::keyClick(f_.get(), taste, Qt::AltModifier);
            QCOMPARE(QApplication::focusWidget()->objectName(), QString(option));
            QVERIFY(K<QAbstractButton>(option)->isChecked());
        }
        QCOMPARE(f_->Lauf().Trennzeichen(), ",");
        Klicken("optMaterial_0");
        M1()->setText("1,2");
        K<QLineEdit>("txtNks")->setText("3");
        const QString vorher = M1()->text() + K<QLineEdit>("txtNks")->text();
        // Alt+U selects the first box; the keys after it are no access keys in this mode.
        QTest::keyClick(f_.get(), Qt::Key_U, Qt::AltModifier);
        QCOMPARE(QApplication::focusWidget(), M1());
        for (QWidget* feld : {static_cast<QWidget*>(M1()), K("txtNks"), K("txtAusgabe")}) {
            feld->setFocus();
            for (const Qt::Key k : {Qt::Key_1, Qt::Key_2, Qt::Key_A, Qt::Key_Z, Qt::Key_X})
                for (const auto mod : {Qt::AltModifier, Qt::MetaModifier})
                    QTest::keyClick(QApplication::focusWidget(), k, mod);
        }
        QCOMPARE(M1()->text() + K<QLineEdit>("txtNks")->text(), vorher);
        QVERIFY(Ausgabe()->toPlainText().isEmpty());
    }

    // Enter and the keypad's Enter press a focused button.
    void enterDruecktKnoepfe() {
        Waehlen("Modus");
        for (const Qt::Key taste : {Qt::Key_Return, Qt::Key_Enter}) {
            Ausgabe()->clear();
            K("cmdCalculate")->setFocus();
            QTest::keyClick(K("cmdCalculate"), taste,
                            taste == Qt::Key_Enter ? Qt::KeypadModifier : Qt::NoModifier);
            QTRY_VERIFY(Ausgabe()->toPlainText().contains("MODUS"));
        }
        K("cmdClose")->setFocus();
        QTest::keyClick(K("cmdClose"), Qt::Key_Return);
        QTRY_VERIFY(!f_->isVisible());
    }

    // After a value that cannot be read, its box has the focus and the value is selected.
    void unlesbarerWertMarkiert() {
        Waehlen("Modus");
        const std::tuple<int, QString, QString, int, int> faelle[] = {
            {2, "82;88;91;92;96;", "", 15, 0},  // trailing separator: the cursor at the end
            {0, "1 2  4", "", 4, 0},            // double blank: between the two
            {0, "1 2.5 x 4", "x", 6, 1},
            {0, "1 2,5 4", "2,5", 2, 3},      // the decimal comma under a decimal point
            {0, " 7 ä2.5 1", "ä2.5", 2, 4}};  // trimmed first; characters, not bytes
        for (const auto& [trenner, text, markiert, anfang, laenge] : faelle) {
            Trenner(trenner);
            M1()->setText(text);
            K("cmdCalculate")->setFocus();
            Klicken("cmdCalculate");
            QCOMPARE(QApplication::focusWidget(), M1());
            QCOMPARE(M1()->selectedText(), markiert);
            QCOMPARE(M1()->cursorPosition(), anfang + laenge);
        }
        Klicken("optMaterial_1");
        Trenner(0);
        M1()->setText("1 2");
        M2()->setText("3 1e999");
        Klicken("cmdCalculate");
        QCOMPARE(QApplication::focusWidget(), M2());
        QCOMPARE(M2()->selectedText(), "1e999");
        // A balloon at the box says what is wrong; the next key there takes it away.
        QTRY_VERIFY(QToolTip::isVisible());
        QVERIFY(QToolTip::text().startsWith("Wert 2 in Merkmal a2 ist zu groß"));
        QTest::keyClick(M2(), Qt::Key_Left);
        QTRY_VERIFY(!QToolTip::isVisible());
        // Lists of unequal length: the counts, and the cursor in the shorter box.
        M1()->setText("1 2 3");
        M2()->setText("4 5");
        K("cmdCalculate")->setFocus();
        Klicken("cmdCalculate");
        QTRY_VERIFY(QToolTip::text().startsWith("a1 hat 3 Werte, a2 hat 2."));
        QCOMPARE(QApplication::focusWidget(), M2());
    }

    // What the program did not foresee ends only the action: a German message, every box keeps
    // its text, and the window goes on working.
    void unerwartetesEndetNurDieAktion() {
        Klicken("optMaterial_1");
        M1()->setText("1 2 3");
        M2()->setText("4 5 6");
        zufall_.Werfen = true;
        dialoge_.Antworten = QStringList{"20"};
        Menue("mnuZufallsgenerator");
        zufall_.Werfen = false;
        QCOMPARE(Werte(), QStringLiteral("1 2 3/4 5 6"));
        QCOMPARE(dialoge_.Meldungen,
                 QStringList{"„Zufallsgenerator“ wurde abgebrochen.\r\n\r\nDer Arbeitsspeicher "
                             "reicht dafür nicht aus.\r\nDie Eingaben bleiben, wie sie "
                             "waren.|Zufallsgenerator|kritisch"});
        Klicken("cmdCalculate");
        QVERIFY(Ausgabe()->toPlainText().startsWith("Merkmal"));
        dialoge_.Antworten = QStringList{"20"};
        Menue("mnuZufallsgenerator");
        QVERIFY2(Zahlenlisten(" ", 20), qPrintable(Werte()));
    }

    // The toolkit's own texts are German (the boxes' context menu); a critical message shows the
    // critical icon.
    void deutscheDialoge() {
        QtDialoge dialoge(f_.get());
        QString gesehen;
        QTimer::singleShot(0, [&gesehen] {
            auto* m = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (m == nullptr) return;
            gesehen = QString::number(m->icon()) + "|" + m->text();
            m->accept();
        });
        dialoge.Meldung("a\r\nb", "T", zv::Meldungssymbol::Kritisch);
        QCOMPARE(gesehen, QString::number(QMessageBox::Critical) + "|a\nb");

        QContextMenuEvent ereignis(QContextMenuEvent::Keyboard, {}, M1()->mapToGlobal(QPoint()));
        QApplication::sendEvent(M1(), &ereignis);
        auto* menue = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        QVERIFY(menue);
        QStringList punkte;
        for (QAction* a : menue->actions())
            if (!a->isSeparator()) punkte << a->text().section('\t', 0, 0).remove('&');
        menue->close();
        QCOMPARE(punkte.mid(0, 5), QStringList({"Rückgängig", "Wiederherstellen", "Ausschneiden",
                                                "Kopieren", "Einfügen"}));
    }

    // The saved file is byte for byte what the clipboard gets; the folder of the last save is
    // offered again; a failed save names its reason and leaves the old file as it was. (Pipes,
    // devices and links are the file writer's, tested through the report tool's chart file.)
    void speichernUndDrucken() {
        QTemporaryDir ordner;
        speicherort_ = ordner.filePath("b.txt");
        Waehlen("Median");
        Klicken("chkDetail");
        Klicken("cmdCalculate");
        Menue("mnuCopy");
        Menue("mnuSave");
        Menue("mnuSave");  // offered in the folder of the first
        QFile datei(speicherort_);
        QVERIFY(datei.open(QIODevice::ReadOnly));
        QCOMPARE(datei.readAll(), Ablage().toUtf8());
        QVERIFY(Ablage().contains("\r\nMEDIAN\r\n"));
        QCOMPARE(vorschlaege_.last(), ordner.filePath("Bericht.txt"));
        QVERIFY(dialoge_.Meldungen.isEmpty());

        // A folder nobody may write into (made so for this process even when it runs as root).
        QDir(ordner.path()).mkdir("gesperrt");
        const QString gesperrt = ordner.filePath("gesperrt/Bericht.txt");
        QVERIFY(!zv::AtomarSchreiben(gesperrt, "alt"));
        QFile::setPermissions(ordner.filePath("gesperrt"), QFile::ReadOwner | QFile::ExeOwner);
        const auto alteFsuid = setfsuid(65534);
        speicherort_ = gesperrt;
        Menue("mnuSave");
        setfsuid(alteFsuid);
        QFile::setPermissions(ordner.filePath("gesperrt"),
                              QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        QFile alt(gesperrt);
        QVERIFY(alt.open(QIODevice::ReadOnly));
        QCOMPARE(alt.readAll(), QByteArray("alt"));
        QCOMPARE(dialoge_.Meldungen.size(), 1);
        QVERIFY2(dialoge_.Meldungen[0].contains("Keine Berechtigung") &&
                     dialoge_.Meldungen[0].endsWith("|Ausgabe speichern|kritisch"),
                 qPrintable(dialoge_.Meldungen[0]));
    }
};

QTEST_MAIN(TestFrmStatistik)
#include "test_frmstatistik.moc"
