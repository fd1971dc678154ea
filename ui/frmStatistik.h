#pragma once
// The main window. It computes nothing itself: "&Berechnen" hands the control states to the
// calculation run and shows what comes back. The controls and their designed places are in
// frmStatistik.ui; this class adds start-up, the layout on resize, the data-mode switch,
// the input behaviour and the Extras menu.

#include <QDate>
#include <QMainWindow>
#include <QPointer>
#include <QString>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "run/Rechenlauf.h"
#include "run/Zufallsdaten.h"
#include "ui/Blattdialog.h"
#include "ui/Dialoge.h"
#include "ui/Druckablauf.h"

class QButtonGroup;
class QPrinter;
class QWidget;
class frmDiagramm;
class frmHilfe;
class frmUebung;

namespace Ui {
class frmStatistik;
}

class frmStatistik : public QMainWindow {
    Q_OBJECT

  public:
    // The services the window reaches through interfaces; a null entry gets the real one.
    // Given ones are borrowed and must outlive the window.
    struct Dienste {
        zv::IUhr* Uhr = nullptr;
        zv::IZufallsquelle* Zufall = nullptr;
        zv::IDialoge* Dialoge = nullptr;
        // Asks where to save, offering the given path; the empty text for Cancel.
        std::function<QString(const QString& vorschlag)> Speicherdialog;
        // Lets the user set up the printer, under the given title; false for Cancel.
        std::function<bool(QPrinter& drucker, const QString& titel)> Druckdialog;
        // Asks for the worksheets' count, start value and values per box, as
        // BlattangabenErfragen of ui/Blattdialog.h does; nothing for Cancel.
        std::function<std::optional<Blattangaben>(const Blattangaben& vorschlag,
                                                  const QString& aufgaben)>
            Blattdialog;
        // Asks for the data file to open, starting in the given folder; the empty text for Cancel.
        std::function<QString(const QString& ordner)> Oeffnendialog;
        // Asks which column of a data file goes into which box, as SpaltenWaehlen of
        // ui/QtDialoge.h does; nothing for Cancel.
        std::function<std::optional<std::vector<int>>(
            const QString& text, const QStringList& felder, const QStringList& spalten,
            const std::vector<int>& vorschlag, bool keineZulassen)>
            Spaltenwahl;
        // Asks a question with Ja and Nein; true for Ja.
        std::function<bool(const QString& frage, const QString& titel)> Rueckfrage;
        // Asks before a long printout, with Nein as the default; true for Ja.
        std::function<bool(const QString& frage, const QString& titel)> Druckfrage;
    };

    explicit frmStatistik(QWidget* parent = nullptr);
    explicit frmStatistik(const Dienste& dienste, QWidget* parent = nullptr);
    ~frmStatistik() override;

    bool Zweidimensional() const { return Zweidimensional_; }
    const zv::clsRechenlauf& Lauf() const { return lauf_; }

    // The text of the info box, every line ending in CR LF.
    static QString InfoText();

    // The report as "&Ausgabe kopieren" and "Ausgabe &speichern..." hand it on: exactly as the
    // run wrote it, or what the user typed into the box, with CR LF line ends.
    QString AusgabeText() const;

    // Prints the report onto a set-up printer (or PDF file), in the output box's font, with
    // the question before a long printout, the progress dialog and a message when it ends early.
    Druckausgang AusgabeDrucken(QPrinter& drucker);

    // Lets Verdana and Courier New fall back to metric-compatible families where absent.
    static void SchriftenErsetzen();

  protected:
    bool event(QEvent* e) override;
    bool eventFilter(QObject* beobachtet, QEvent* e) override;

  private:
    void Form_Load();
    // Centres the window by its outer frame; returns where the frame's corner was put.
    QPoint Zentrieren();
    void RahmenSuchen();
    void Form_Resize();
    void ListeFuellen();
    // widerruflich: the replaced lists come back with Ctrl+Z (not so at start-up, where the
    // boxes were empty).
    void ZufallsdatenErzeugen(bool widerruflich = true);
    void TrennzeichenSetzen();

    void optMaterial_Click(int Index);
    void optSeparator_Click(int Index);
    void lstSelection_Click();
    void txtM_KeyPress(int& Zeichencode);
    // The greyed detail switch says why it is greyed.
    void DetailTippSetzen();
    void cmdCalculate_Click();
    void cmdClose_Click();
    void mnuZufallsgenerator_Click();
    void mnuOeffnen_Click();
    // Fills the boxes from a data file or a pasted table (quelle: how to name it): asks for the
    // columns where needed, reports broken rows and then changes nothing.
    void DatenUebernehmen(const std::string& inhalt, const QString& quelle);
    // A table of two columns pasted into a box in the two-dimensional mode is offered to be
    // split into both boxes; true when the learner took that.
    bool ZweiSpaltenEinfuegen(const QString& text);
    // Puts the lists into the boxes (an empty one leaves its box) with the chosen separator,
    // each as one edit that Ctrl+Z takes back. Where the separator is the comma and the values
    // have a decimal comma, the semicolon is chosen instead and the learner told so, in a
    // message of that title.
    void FelderFuellen(const std::vector<std::vector<std::string>>& listen,
                       const std::vector<int>& felder, const char* titel);
    // Saving and printing are offered only while the output box holds something.
    void AusgabepunkteSetzen();
    void mnuCopy_Click();
    void mnuSave_Click();
    void mnuPrint_Click();
    void mnuVorschau_Click();
    // The window's dialogs and clock, lent to printing.
    // The day of the window's clock.
    QDate Heute() const;
    Druckumgebung Druckrahmen();
    void mnuDiagramm_Click();
    // Puts a window that is about to open beside this one, clear of its controls.
    void DanebenSetzen(QWidget* fenster);
    void mnuInfo_Click();
    // Extras "&Hilfe zu den Kennzahlen" (F1): opens the help beside this window, or brings it
    // up, on the list's current entry.
    void mnuHilfe_Click();
    // The open help shows the list's current entry.
    void HilfeNachfuehren();
    // Extras "Ü&bung...": opens the practice window beside this one on the boxes and the
    // selected entries, or brings it up with its task built anew.
    void mnuUebung_Click();
    void mnuBlaetter_Click();

    // Runs what a button or menu item does. What the program did not foresee (no memory left,
    // an error of a library) ends only that action: a message names it, every box keeps its text.
    void Abgesichert(const char* aktion, const std::function<void()>& arbeit);

    int GewaehlterTrenner() const;
    zv::Steuerzustand Zustand() const;
    std::vector<zv::Listeneintrag> Listenzustand() const;
    void BerichtZeigen(const std::string& bericht);

    std::unique_ptr<Ui::frmStatistik> ui;
    std::unique_ptr<zv::IUhr> eigeneUhr_;
    std::unique_ptr<zv::IZufallsquelle> eigenerZufall_;
    std::unique_ptr<zv::IDialoge> eigeneDialoge_;
    zv::IUhr* uhr_ = nullptr;
    zv::IZufallsquelle* zufall_ = nullptr;
    zv::IDialoge* dialoge_ = nullptr;

    // The run with the data set, settings, report buffer and engine, kept for the window's
    // whole life.
    zv::clsRechenlauf lauf_;
    std::int16_t Anzahl_ = 0;
    bool Zweidimensional_ = false;
    // The report as the run delivered it, CR LF line ends included; the output box's own
    // text has its line ends normalised.
    std::string bericht_;

    QButtonGroup* optSeparator_ = nullptr;
    QButtonGroup* optMaterial_ = nullptr;
    std::function<QString(const QString&)> speicherdialog_;
    decltype(Dienste::Druckdialog) druckdialog_;
    decltype(Dienste::Oeffnendialog) oeffnendialog_;
    decltype(Dienste::Spaltenwahl) spaltenwahl_;
    decltype(Dienste::Rueckfrage) rueckfrage_;
    decltype(Dienste::Druckfrage) druckfrage_;
    decltype(Dienste::Blattdialog) blattdialog_;
    // The worksheets' values last chosen, offered again while the program runs.
    std::optional<Blattangaben> blattangaben_;
    // The folder of the last save, offered again while the program runs.
    QString speicherordner_;
    // The folder of the last data file opened, offered again while the program runs.
    QString datenordner_;
    // Whether the window was centred again once its frame was known, and how often the frame
    // was looked for since the window was shown.
    bool mitRahmenZentriert_ = false;
    int rahmenGesucht_ = 0;
    // Where the frame was centred, and how often it was checked to have stayed there.
    QPoint rahmenZiel_;
    int rahmenGeprueft_ = 0;
    // The chart window while it is open; each run redraws it, and a switch of the data mode
    // empties it. It is put beside this window when it opens, and left where the user moved it.
    QPointer<frmDiagramm> diagramm_;
    // The help window while it is open; it follows the list's current entry.
    QPointer<frmHilfe> hilfe_;
    // The practice window while it is open; it reads its task from this window's controls.
    QPointer<frmUebung> uebung_;
};
