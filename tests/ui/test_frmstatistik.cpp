// The main window driven by clicks and keys, headless.

#include <QtTest>
#include <QtWidgets>

#include "base/Zahlenlesen.h"
#include "run/Statistiken.h"
#include "sizegrip/SizeGrip.h"
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

// The controls anchored at the bottom edge of the client area.
const char* const kUnten[] = {"cmdClose", "cmdCalculate", "chkDetail", "lblNks", "txtNks"};

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

    // Distances of a control's right and bottom edges from those of the client area.
    QPoint Rand(const char* name) {
        const QRect r = K(name)->geometry();
        return {Client()->width() - r.right(), Client()->height() - r.bottom()};
    }

    // Every anchored control keeps its distance from the bottom edge, the input boxes from the
    // right edge, the output box from both as the window size changes; the size grip sits in
    // the client area's corner.
    void Verankert(const QMap<QString, QPoint>& vorher) {
        for (const char* n : kUnten) QCOMPARE(Rand(n).y(), vorher[n].y());
        for (const char* n : {"txtM1", "txtM2"}) QCOMPARE(Rand(n).x(), vorher[n].x());
        QCOMPARE(Rand("txtAusgabe"), vorher["txtAusgabe"]);
        QCOMPARE(Rand("lstSelection").y(), vorher["lstSelection"].y());
        auto* griff = K<SizeGrip>("SizeGrip1");
        const int e = griff->style()->pixelMetric(QStyle::PM_ScrollBarExtent);
        QTRY_COMPARE(griff->geometry(), QRect(Client()->width() - e, Client()->height() - e, e, e));
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
        const QRect schirm = f_->screen()->geometry(), aussen = f_->frameGeometry();
        QCOMPARE(aussen.topLeft() - schirm.topLeft(),
                 QPoint(schirm.width() - aussen.width(), schirm.height() - aussen.height()) / 2);
        for (const char* n : {"optSeparator_0", "optMaterial_0", "chkReturn"})
            QVERIFY2(K<QAbstractButton>(n)->isChecked(), n);
        QVERIFY(M2()->isHidden() && K("lblM2")->isHidden());
        QCOMPARE(Schalter(), QStringLiteral("00"));
        QCOMPARE(Eintraege(), Soll(false));
        QVERIFY(Liste()->selectedItems().isEmpty() && Ausgabe()->toPlainText().isEmpty());
        QVERIFY2(Zahlenlisten(" ", 10), qPrintable(Werte()));
        QCOMPARE(K<SizeGrip>("SizeGrip1")->Formular(), Client());
    }

    // Each switch refills the list, empties the output and moves the lower controls below the
    // second input row; the input texts stay, a hidden txtM2 included.
    void modusWechsel() {
        M2()->setText(QStringLiteral("7 8 9"));
        const QString werte = Werte();
        const auto raender = Raender();
        for (const bool zwei : {true, false, true}) {
            Waehlen(Eintraege().first());
            Klicken("cmdCalculate");
            QVERIFY(!Ausgabe()->toPlainText().isEmpty());
            Klicken(zwei ? "optMaterial_1" : "optMaterial_0");
            QCOMPARE(f_->Zweidimensional(), zwei);
            Verankert(raender);
            QVERIFY(M2()->isVisible() == zwei && K("lblM2")->isVisible() == zwei);
            QVERIFY(K("lblM1")->width() >= K("lblM1")->sizeHint().width());
            const int zeile = (zwei ? M2() : M1())->geometry().bottom();
            for (const char* n : {"fraDatenmaterial", "txtAusgabe"})
                QVERIFY2(K(n)->y() > zeile && K(n)->y() < zeile + 30, n);
            QVERIFY(Liste()->y() > K("fraDatenmaterial")->geometry().bottom());
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

    // Extras "Rechen&tabellen": checkable, off at start, kept across runs and mode switches
    // while the window lives, and handed to the run, whose report then holds the tables.
    void rechentabellen() {
        auto* punkt = K<QAction>("mnuRechentabellen");
        QVERIFY(punkt->isCheckable() && !punkt->isChecked());
        const auto bericht = [&](bool tabellen) {
            zv::Steuerzustand z;
            z.txtM1 = "1 2 4";
            z.lstSelection = {{"Standardabweichnung", true}};
            z.Rechentabellen = tabellen;
            return QString::fromStdString(zv::clsRechenlauf(zv::DezimaltrennzeichenAusUmgebung())
                                              .cmdCalculate_Click(z)
                                              .txtAusgabe)
                .replace("\r\n", "\n");
        };
        M1()->setText(QStringLiteral("1 2 4"));
        Waehlen(QStringLiteral("Standardabweichnung"));
        Klicken("cmdCalculate");
        QCOMPARE(Ausgabe()->toPlainText(), bericht(false));
        Menue("mnuRechentabellen");
        for (const char* modus : {"", "optMaterial_1", "optMaterial_0"}) {
            if (*modus) Klicken(modus);
            QVERIFY2(punkt->isChecked(), modus);
        }
        Waehlen(QStringLiteral("Standardabweichnung"));
        Klicken("cmdCalculate");
        QCOMPARE(Ausgabe()->toPlainText(), bericht(true));
        QVERIFY(Ausgabe()->toPlainText().contains("\nRechentabelle\n"));
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

    // The dialog's prompt names the mode's values and offers the count now stored; a refused
    // answer shows its message and keeps the lists (the answers are tested in the run's tests).
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
};

QTEST_MAIN(TestFrmStatistik)
#include "test_frmstatistik.moc"
