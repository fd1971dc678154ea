#include "ui/frmStatistik.h"

#include <QActionGroup>
#include <QButtonGroup>
#include <QClipboard>
#include <QDateTime>
#include <QDir>
#include <QEvent>
#include <QFileInfo>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QIcon>
#include <QLabel>
#include <QLayout>
#include <QMenuBar>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QScreen>
#include <QSignalBlocker>
#include <QTextDocument>
#include <QTimer>
#include <QToolTip>
#include <QWindow>

#include "base/Text.h"
#include "base/Version.h"
#include "base/Zahlenlesen.h"
#include "charts/frmDiagramm.h"
#include "files/Dateilesen.h"
#include "files/Dateischreiben.h"
#include "run/Eingabehinweis.h"
#include "run/Spaltendatei.h"
#include "run/Statistiken.h"
#include "uebung/Arbeitsblatt.h"
#include "ui/Anzahlfrage.h"
#include "ui/Druckablauf.h"
#include "ui/Fensterplatz.h"
#include "ui/QtDialoge.h"
#include "ui/Schriftgrad.h"
#include "ui/Tastenregeln.h"
#include "ui/frmHilfe.h"
#include "ui/frmUebung.h"
#include "ui_frmStatistik.h"

namespace {

// Lengths of the window are kept in twips, 15 to the pixel.
constexpr int TwipsProPixel = 15;
constexpr int Px(int twips) {
    return twips / TwipsProPixel;
}

// The client area as designed.
constexpr int ClientBreite = 10110;
constexpr int ClientHoehe = 6105;

// The second input row: hidden in the one-dimensional mode, where the controls below it
// move up by this much.
constexpr int ZweiteZeile = 390;

const char* const Autor = "Zorvanta-Team";
const char* const Webadresse = "https://zorvanta.example.org";

enum class Eigenschaft { Top, Width, Height };

// One layout assignment. The toolkit takes any Top but refuses a negative width or height;
// a refused assignment is skipped and leaves the control as it was.
void Zuweisen(QWidget* w, Eigenschaft eigenschaft, int twips) {
    const int px = Px(twips);
    switch (eigenschaft) {
        case Eigenschaft::Top:
            w->move(w->x(), px);
            break;
        case Eigenschaft::Width:
            if (px >= 0) w->resize(px, w->height());
            break;
        case Eigenschaft::Height:
            if (px >= 0) w->resize(w->width(), px);
            break;
    }
}

}  // namespace

frmStatistik::frmStatistik(QWidget* parent) : frmStatistik(Dienste{}, parent) {}

frmStatistik::frmStatistik(const Dienste& dienste, QWidget* parent)
    : QMainWindow(parent),
      ui(std::make_unique<Ui::frmStatistik>()),
      lauf_(zv::DezimaltrennzeichenAusUmgebung()) {
    Q_INIT_RESOURCE(zorvanta);
    SchriftenErsetzen();
    ui->setupUi(this);

    if (dienste.Uhr == nullptr) eigeneUhr_ = std::make_unique<zv::Systemuhr>();
    if (dienste.Zufall == nullptr) eigenerZufall_ = std::make_unique<zv::Zufallsquelle>();
    if (dienste.Dialoge == nullptr) eigeneDialoge_ = std::make_unique<QtDialoge>(this);
    uhr_ = dienste.Uhr ? dienste.Uhr : eigeneUhr_.get();
    zufall_ = dienste.Zufall ? dienste.Zufall : eigenerZufall_.get();
    dialoge_ = dienste.Dialoge ? dienste.Dialoge : eigeneDialoge_.get();
    speicherdialog_ = dienste.Speicherdialog;
    if (!speicherdialog_) {
        speicherdialog_ = [this](const QString& vorschlag) {
            return Dateidialog(this, QStringLiteral("Ausgabe speichern"), vorschlag,
                               QStringLiteral("Textdateien (*.txt);;Alle Dateien (*)"), true);
        };
    }
    oeffnendialog_ = dienste.Oeffnendialog;
    if (!oeffnendialog_) {
        oeffnendialog_ = [this](const QString& ordner) {
            return Dateidialog(
                this, QStringLiteral("Daten öffnen"), ordner,
                QStringLiteral("Daten (*.csv *.txt *.tsv *.tab *.dat);;Alle Dateien (*)"), false);
        };
    }
    spaltenwahl_ = dienste.Spaltenwahl;
    if (!spaltenwahl_) {
        spaltenwahl_ = [this](const QString& text, const QStringList& felder,
                              const QStringList& spalten, const std::vector<int>& vorschlag,
                              bool keineZulassen) {
            return SpaltenWaehlen(this, text, felder, spalten, vorschlag, keineZulassen);
        };
    }
    rueckfrage_ = dienste.Rueckfrage;
    if (!rueckfrage_) {
        rueckfrage_ = [this](const QString& frage, const QString& titel) {
            return JaNeinFrage(this, frage, titel);
        };
    }
    druckdialog_ = dienste.Druckdialog;
    if (!druckdialog_) {
        druckdialog_ = [this](QPrinter& drucker, const QString& titel) {
            QPrintDialog dialog(&drucker, this);
            dialog.setWindowTitle(titel);
            return dialog.exec() == QDialog::Accepted;
        };
    }
    blattdialog_ = dienste.Blattdialog;
    if (!blattdialog_) {
        blattdialog_ = [this](const Blattangaben& vorschlag, const QString& aufgaben) {
            return BlattangabenErfragen(this, vorschlag, aufgaben);
        };
    }
    druckfrage_ = dienste.Druckfrage;
    if (!druckfrage_) {
        druckfrage_ = [this](const QString& frage, const QString& titel) {
            return JaNeinFrage(this, frage, titel, QMessageBox::No);
        };
    }

    // Screen readers name a control by its buddy label or its caption; these two have neither.
    ui->lstSelection->setAccessibleName(QStringLiteral("Auswahl der Kennzahlen"));
    ui->txtAusgabe->setAccessibleName(QStringLiteral("Ausgabe"));
    // Ctrl+Plus, Ctrl+Minus, Ctrl+0 and Ctrl with the wheel zoom the report for reading.
    new Schriftgrad(ui->txtAusgabe);

    // The form file holds whole point sizes only.
    QFont listenschrift = ui->lstSelection->font();
    listenschrift.setPointSizeF(8.25);
    ui->lstSelection->setFont(listenschrift);

    QIcon symbol;
    symbol.addFile(QStringLiteral(":/symbol/zorvanta16.png"), QSize(16, 16));
    symbol.addFile(QStringLiteral(":/symbol/zorvanta32.png"), QSize(32, 32));
    setWindowIcon(symbol);

    optSeparator_ = new QButtonGroup(this);
    optSeparator_->addButton(ui->optSeparator_0, 0);
    optSeparator_->addButton(ui->optSeparator_1, 1);
    optSeparator_->addButton(ui->optSeparator_2, 2);
    optSeparator_->addButton(ui->optSeparator_3, 3);
    optSeparator_->addButton(ui->optSeparator_4, 4);
    optMaterial_ = new QButtonGroup(this);
    optMaterial_->addButton(ui->optMaterial_0, 0);
    optMaterial_->addButton(ui->optMaterial_1, 1);

    connect(optSeparator_, &QButtonGroup::idToggled, this, [this](int id, bool gewaehlt) {
        if (gewaehlt) optSeparator_Click(id);
    });
    connect(optMaterial_, &QButtonGroup::idToggled, this, [this](int id, bool gewaehlt) {
        if (gewaehlt) Abgesichert("Datenmaterial", [this, id] { optMaterial_Click(id); });
    });
    connect(ui->lstSelection, &QListWidget::itemSelectionChanged, this,
            &frmStatistik::lstSelection_Click);
    // What a button or menu item does that can need much memory: the run, the generator, the
    // report handed on, the charts.
    const auto abgesichert = [this](const char* aktion, void (frmStatistik::*arbeit)()) {
        return
            [this, aktion, arbeit] { Abgesichert(aktion, [this, arbeit] { (this->*arbeit)(); }); };
    };
    connect(ui->cmdCalculate, &QPushButton::clicked, this,
            abgesichert("Berechnen", &frmStatistik::cmdCalculate_Click));
    connect(ui->cmdClose, &QPushButton::clicked, this, &frmStatistik::cmdClose_Click);
    connect(ui->mnuZufallsgenerator, &QAction::triggered, this,
            abgesichert("Zufallsgenerator", &frmStatistik::mnuZufallsgenerator_Click));
    connect(ui->mnuOeffnen, &QAction::triggered, this,
            abgesichert("Daten öffnen", &frmStatistik::mnuOeffnen_Click));
    connect(ui->mnuCopy, &QAction::triggered, this,
            abgesichert("Ausgabe kopieren", &frmStatistik::mnuCopy_Click));
    connect(ui->mnuSave, &QAction::triggered, this,
            abgesichert("Ausgabe speichern", &frmStatistik::mnuSave_Click));
    connect(ui->mnuPrint, &QAction::triggered, this,
            abgesichert("Ausgabe drucken", &frmStatistik::mnuPrint_Click));
    connect(ui->mnuVorschau, &QAction::triggered, this,
            abgesichert("Druckvorschau", &frmStatistik::mnuVorschau_Click));
    connect(ui->mnuDiagramm, &QAction::triggered, this,
            abgesichert("Diagramm", &frmStatistik::mnuDiagramm_Click));
    connect(ui->mnuInfo, &QAction::triggered, this, &frmStatistik::mnuInfo_Click);
    // Extras "&Hilfe zu den Kennzahlen" (F1), before "&Info"; the help follows the entry the
    // learner moves to in the list.
    auto* mnuHilfe = new QAction(QStringLiteral("&Hilfe zu den Kennzahlen"), this);
    mnuHilfe->setObjectName(QStringLiteral("mnuHilfe"));
    mnuHilfe->setShortcut(QKeySequence(Qt::Key_F1));
    ui->MExtras->insertAction(ui->mnuInfo, mnuHilfe);
    connect(mnuHilfe, &QAction::triggered, this, &frmStatistik::mnuHilfe_Click);
    // Extras "Ü&bung...", after the chart: the learner's own answers checked.
    auto* mnuUebung = new QAction(QStringLiteral("Ü&bung..."), this);
    mnuUebung->setObjectName(QStringLiteral("mnuUebung"));
    ui->MExtras->insertAction(mnuHilfe, mnuUebung);
    connect(mnuUebung, &QAction::triggered, this,
            abgesichert("Übung", &frmStatistik::mnuUebung_Click));
    // Extras "Übungsb&lätter...", after the practice: a page of its own data for every pupil,
    // printed with the answer key.
    auto* mnuBlaetter = new QAction(QStringLiteral("Übungsb&lätter..."), this);
    mnuBlaetter->setObjectName(QStringLiteral("mnuBlaetter"));
    ui->MExtras->insertAction(mnuHilfe, mnuBlaetter);
    connect(mnuBlaetter, &QAction::triggered, this,
            abgesichert("Übungsblätter", &frmStatistik::mnuBlaetter_Click));
    connect(ui->lstSelection, &QListWidget::currentItemChanged, this,
            &frmStatistik::HilfeNachfuehren);
    // The two definitions of the quartiles exclude each other; the one checked stays while the
    // window lives and goes with every run.
    auto* quartile = new QActionGroup(this);
    quartile->addAction(ui->mnuQuartileHaelften);
    quartile->addAction(ui->mnuQuartileStandard);

    for (Eingabezeile* feld : {ui->txtM1, ui->txtM2}) {
        feld->Tastendruck = [this](int& Zeichencode) { txtM_KeyPress(Zeichencode); };
        feld->Trennzeichen = [this] { return QString::fromStdString(lauf_.Trennzeichen()); };
        // The balloon about a box goes with the next key pressed in it.
        feld->installEventFilter(this);
        feld->Einfuegepruefung = [this](const QString& text) {
            bool genommen = false;
            Abgesichert("Einfügen", [&] { genommen = ZweiSpaltenEinfuegen(text); });
            return genommen;
        };
    }

    connect(ui->txtAusgabe, &QPlainTextEdit::textChanged, this, &frmStatistik::AusgabepunkteSetzen);

    // The client area gets its designed size; the menu bar comes on top of it.
    resize(Px(ClientBreite), Px(ClientHoehe) + menuBar()->sizeHint().height());
    if (layout()) layout()->activate();
    ui->centralwidget->installEventFilter(this);
    (new Tastenregeln(this))->Anwenden(this);

    Form_Load();
}

frmStatistik::~frmStatistik() = default;

QString frmStatistik::InfoText() {
    return QStringLiteral("Zorvanta V%1.%2.%3  \r\n\r\nAutor: %4\r\n%5\r\n")
        .arg(ZV_VERSION_MAJOR)
        .arg(ZV_VERSION_MINOR)
        .arg(ZV_VERSION_REVISION)
        .arg(QString::fromUtf8(Autor), QString::fromUtf8(Webadresse));
}

void frmStatistik::SchriftenErsetzen() {
    // DejaVu Sans and Liberation Mono share the widths of the two families, so captions and
    // the report's columns keep their designed extent.
    if (!QFontDatabase::hasFamily(QStringLiteral("Verdana")))
        QFont::insertSubstitution(QStringLiteral("Verdana"), QStringLiteral("DejaVu Sans"));
    if (!QFontDatabase::hasFamily(QStringLiteral("Courier New")))
        QFont::insertSubstitution(QStringLiteral("Courier New"), QStringLiteral("Liberation Mono"));
}

void frmStatistik::Form_Load() {
    Anzahl_ = 10;

    // The native window is made first, so that platforms that know their frame before
    // showing report it.
    winId();
    Zentrieren();

    TrennzeichenSetzen();
    ZufallsdatenErzeugen(false);
    ListeFuellen();
    AusgabepunkteSetzen();
}

QPoint frmStatistik::Zentrieren() {
    // Centred by the outer size: half the free space, whole pixels. The frame's margins come
    // from the window system itself; the widget's own copy of them is renewed only by a later
    // move or resize, which may never come.
    if (const QScreen* bildschirm = screen()) {
        const QRect flaeche = bildschirm->geometry();
        QWindow* fenster = windowHandle();
        const QMargins rand = fenster ? fenster->frameMargins() : QMargins();
        const QSize aussen = size().grownBy(rand);
        const QPoint ecke(flaeche.x() + (flaeche.width() - aussen.width()) / 2,
                          flaeche.y() + (flaeche.height() - aussen.height()) / 2);
        if (fenster && !rand.isNull())
            fenster->setFramePosition(ecke);
        else
            move(ecke);
        return ecke;
    }
    return pos();
}

bool frmStatistik::event(QEvent* e) {
    const bool ergebnis = QMainWindow::event(e);
    // A window manager puts its frame around the window only after it is shown, and no event
    // of its own tells when: from the first showing on, the frame is looked for every 20 ms
    // for up to ten seconds, and the window is centred by it once more as soon as it is there.
    if (e->type() == QEvent::Show && !mitRahmenZentriert_ && rahmenGesucht_ == 0) RahmenSuchen();
    return ergebnis;
}

void frmStatistik::RahmenSuchen() {
    if (!isVisible()) return;
    QWindow* fenster = windowHandle();
    if (!mitRahmenZentriert_) {
        if (fenster && !fenster->frameMargins().isNull()) {
            mitRahmenZentriert_ = true;
            rahmenZiel_ = Zentrieren();
        } else if (++rahmenGesucht_ >= 500) {
            return;  // ten seconds without a frame: a platform that draws none
        }
        QTimer::singleShot(20, this, &frmStatistik::RahmenSuchen);
        return;
    }
    // A busy window manager may still apply its own placement after ours: for one second the
    // frame is put back where it was centred.
    if (fenster && fenster->framePosition() != rahmenZiel_) fenster->setFramePosition(rahmenZiel_);
    if (++rahmenGeprueft_ < 10) QTimer::singleShot(100, this, &frmStatistik::RahmenSuchen);
}

bool frmStatistik::eventFilter(QObject* beobachtet, QEvent* e) {
    if (beobachtet == ui->centralwidget && e->type() == QEvent::Resize) Form_Resize();
    if ((beobachtet == ui->txtM1 || beobachtet == ui->txtM2) && e->type() == QEvent::KeyPress)
        QToolTip::hideText();
    return QMainWindow::eventFilter(beobachtet, e);
}

void frmStatistik::Form_Resize() {
    const int W = ui->centralwidget->width() * TwipsProPixel;
    const int H = ui->centralwidget->height() * TwipsProPixel;
    const int d = Zweidimensional_ ? ZweiteZeile : 0;
    const struct {
        QWidget* Steuerelement;
        Eigenschaft Art;
        int Twips;
    } schritte[] = {
        {ui->lstSelection, Eigenschaft::Height, H - (d + 3315)},
        {ui->cmdClose, Eigenschaft::Top, H - 525},
        {ui->cmdCalculate, Eigenschaft::Top, H - 525},
        {ui->chkDetail, Eigenschaft::Top, H - 465},
        {ui->txtM1, Eigenschaft::Width, W - 1830},
        {ui->txtM2, Eigenschaft::Width, W - 1830},
        {ui->txtAusgabe, Eigenschaft::Width, W - 3870},
        {ui->txtAusgabe, Eigenschaft::Height, H - (d + 2220)},
        {ui->lblNks, Eigenschaft::Top, H - 450},
        {ui->txtNks, Eigenschaft::Top, H - 510},
    };
    for (const auto& s : schritte) Zuweisen(s.Steuerelement, s.Art, s.Twips);
}

void frmStatistik::ListeFuellen() {
    // Refilling is not a change of the user's selection: the detail switch stays as it is.
    const QSignalBlocker sperre(ui->lstSelection);
    ui->lstSelection->clear();
    BerichtZeigen(std::string());
    for (const std::string& text : zv::ListenEintraege(Zweidimensional_))
        ui->lstSelection->addItem(QString::fromStdString(text));
    // The frame moves by 360 only, the list and the output box by the whole row.
    Zuweisen(ui->txtAusgabe, Eigenschaft::Top, Zweidimensional_ ? 1920 : 1530);
    Zuweisen(ui->fraDatenmaterial, Eigenschaft::Top, Zweidimensional_ ? 1800 : 1440);
    Zuweisen(ui->lstSelection, Eigenschaft::Top, Zweidimensional_ ? 3000 : 2610);
    Form_Resize();
    DetailTippSetzen();
}

void frmStatistik::DetailTippSetzen() {
    ui->chkDetail->setToolTip(ui->chkDetail->isEnabled()
                                  ? QString()
                                  : QString::fromStdString(zv::DetailHinweis(Zweidimensional_)));
}

void frmStatistik::ZufallsdatenErzeugen(bool widerruflich) {
    const auto daten = zv::ZufallsdatenErzeugen(Anzahl_, lauf_.Trennzeichen(), *uhr_, *zufall_);
    if (!daten) return;
    const auto setzen = [widerruflich](Eingabezeile* feld, const std::string& text) {
        if (widerruflich)
            feld->Ersetzen(QString::fromStdString(text));
        else
            feld->setText(QString::fromStdString(text));
    };
    setzen(ui->txtM1, daten->txtM1);
    setzen(ui->txtM2, daten->txtM2);
}

int frmStatistik::GewaehlterTrenner() const {
    return optSeparator_->checkedId();
}

void frmStatistik::TrennzeichenSetzen() {
    lauf_.TrennzeichenSetzen(GewaehlterTrenner());
}

void frmStatistik::optMaterial_Click(int Index) {
    // The labels take the width of their caption, so "Merkmal a1:" is not cut off where
    // "Urliste:" had room enough.
    const auto beschriften = [](QLabel* beschriftung, const QString& text) {
        beschriftung->setText(text);
        beschriftung->resize(beschriftung->sizeHint().width(), beschriftung->height());
    };
    if (Index != 0) {
        Zweidimensional_ = true;
        ui->lblM2->setVisible(true);
        ui->txtM2->setVisible(true);
        beschriften(ui->lblM1, QStringLiteral("Merkmal a&1:"));
        beschriften(ui->lblM2, QStringLiteral("Merkmal a&2:"));
    } else {
        Zweidimensional_ = false;
        beschriften(ui->lblM1, QStringLiteral("&Urliste:"));
        ui->lblM2->setVisible(false);
        ui->txtM2->setVisible(false);
    }
    ListeFuellen();
    // The chart of the other mode no longer belongs to the boxes.
    if (diagramm_) diagramm_->Leeren(Zweidimensional_);
    // The list was refilled without signals: the help shows what is current now.
    HilfeNachfuehren();
}

void frmStatistik::optSeparator_Click(int) {
    TrennzeichenSetzen();
}

std::vector<zv::Listeneintrag> frmStatistik::Listenzustand() const {
    std::vector<zv::Listeneintrag> eintraege;
    eintraege.reserve(static_cast<std::size_t>(ui->lstSelection->count()));
    for (int i = 0; i < ui->lstSelection->count(); ++i) {
        const QListWidgetItem* eintrag = ui->lstSelection->item(i);
        eintraege.push_back({eintrag->text().toStdString(), eintrag->isSelected()});
    }
    return eintraege;
}

void frmStatistik::lstSelection_Click() {
    const bool gewuenscht = zv::DetailGewuenscht(Listenzustand());
    if (!gewuenscht) ui->chkDetail->setChecked(false);
    ui->chkDetail->setEnabled(gewuenscht);
    DetailTippSetzen();
}

void frmStatistik::txtM_KeyPress(int& Zeichencode) {
    if (ui->chkReturn->isChecked() && Zeichencode == 13 && !lauf_.Ausgabetrennzeichen().empty())
        Zeichencode = static_cast<unsigned char>(lauf_.Ausgabetrennzeichen().front());
}

zv::Steuerzustand frmStatistik::Zustand() const {
    zv::Steuerzustand zustand;
    zustand.txtNks = ui->txtNks->text().toStdString();
    zustand.txtM1 = ui->txtM1->text().toStdString();
    zustand.txtM2 = ui->txtM2->text().toStdString();
    zustand.Zweidimensional = ui->optMaterial_1->isChecked();
    zustand.Trennzeichenwahl = GewaehlterTrenner();
    zustand.chkDetail = ui->chkDetail->isChecked();
    zustand.lstSelection = Listenzustand();
    zustand.Rechentabellen = ui->mnuRechentabellen->isChecked();
    zustand.Quartile = ui->mnuQuartileStandard->isChecked() ? zv::Quartilsmethode::Standard
                                                            : zv::Quartilsmethode::Haelften;
    return zustand;
}

void frmStatistik::Abgesichert(const char* aktion, const std::function<void()>& arbeit) {
    std::string grund;
    try {
        arbeit();
        return;
    } catch (const std::bad_alloc&) {
        grund = "Der Arbeitsspeicher reicht dafür nicht aus.";
    } catch (const std::exception& f) {
        grund = std::string("Unerwarteter Fehler: ") + f.what();
    }
    dialoge_->Meldung(std::string("„") + aktion + "“ wurde abgebrochen.\r\n\r\n" + grund +
                          "\r\nDie Eingaben bleiben, wie sie waren.",
                      aktion, zv::Meldungssymbol::Kritisch);
}

void frmStatistik::cmdCalculate_Click() {
    const zv::Steuerzustand zustand = Zustand();
    const zv::Laufergebnis ergebnis = lauf_.cmdCalculate_Click(zustand);

    // Written back only where the run changed them, so cursor and undo survive otherwise.
    const auto zurueck = [](QLineEdit* feld, const std::string& text) {
        const QString neu = QString::fromStdString(text);
        if (feld->text() != neu) feld->setText(neu);
    };
    zurueck(ui->txtNks, ergebnis.txtNks);
    zurueck(ui->txtM1, ergebnis.txtM1);
    zurueck(ui->txtM2, ergebnis.txtM2);
    BerichtZeigen(ergebnis.txtAusgabe);
    if (diagramm_) diagramm_->Zeigen(zv::DiagrammdatenBilden(zustand, lauf_.Dezimaltrennzeichen()));

    // A value that could not be read is selected in its box (an empty one: the cursor stands
    // where it is missing), so the learner sees which one it was.
    if (const auto& fehler = ergebnis.Fehler) {
        QLineEdit* feld = fehler->Feld == 1 ? ui->txtM1 : ui->txtM2;
        const std::string& text = fehler->Feld == 1 ? ergebnis.txtM1 : ergebnis.txtM2;
        const auto anfang = static_cast<int>(
            QString::fromUtf8(text.data(), static_cast<qsizetype>(fehler->Anfang)).size());
        const auto laenge = static_cast<int>(
            QString::fromUtf8(text.data() + fehler->Anfang, static_cast<qsizetype>(fehler->Laenge))
                .size());
        feld->setFocus(Qt::OtherFocusReason);
        if (laenge > 0)
            feld->setSelection(anfang, laenge);
        else
            feld->setCursorPosition(anfang);
    }

    // Beside the report's own line, a balloon at the box says in plain German what is wrong
    // and what to do; where the run ended at the box, the cursor goes there.
    const auto hinweis =
        zv::HinweisZurEingabe(ergebnis, zustand.Zweidimensional, lauf_.Trennzeichen().front(),
                              lauf_.Dezimaltrennzeichen());
    if (!hinweis) return;
    QLineEdit* feld = hinweis->Feld == 1 ? ui->txtM1 : ui->txtM2;
    if (hinweis->LaufBeendet && !ergebnis.Fehler) feld->setFocus(Qt::OtherFocusReason);
    QToolTip::showText(feld->mapToGlobal(QPoint(0, feld->height())),
                       QString::fromStdString(hinweis->Text), feld);
}

void frmStatistik::BerichtZeigen(const std::string& bericht) {
    bericht_ = bericht;
    ui->txtAusgabe->setPlainText(QString::fromStdString(bericht));
    ui->txtAusgabe->document()->setModified(false);
}

void frmStatistik::cmdClose_Click() {
    close();
}

void frmStatistik::mnuZufallsgenerator_Click() {
    const bool eindimensional = ui->optMaterial_0->isChecked();
    if (zv::AnzahlErfragen(eindimensional, Anzahl_, lauf_.Dezimaltrennzeichen(), *dialoge_))
        ZufallsdatenErzeugen();
}

void frmStatistik::mnuOeffnen_Click() {
    const QString pfad = oeffnendialog_(datenordner_.isEmpty() ? QDir::homePath() : datenordner_);
    if (pfad.isEmpty()) return;
    datenordner_ = QFileInfo(pfad).absolutePath();
    // A box holds at most 32767 values; a file much larger than that many is no data file.
    constexpr qint64 kHoechstens = 16 << 20;
    QByteArray inhalt;
    if (const auto grund = zv::DateiLesen(pfad, inhalt, kHoechstens)) {
        dialoge_->Meldung(("Die Datei konnte nicht geöffnet werden.\r\n\r\n" +
                           QDir::toNativeSeparators(pfad) + "\r\n" + *grund)
                              .toStdString(),
                          "Daten öffnen", zv::Meldungssymbol::Kritisch);
        return;
    }
    DatenUebernehmen(inhalt.toStdString(), "Die Datei „" + QFileInfo(pfad).fileName() + "“");
}

void frmStatistik::DatenUebernehmen(const std::string& inhalt, const QString& quelle) {
    const std::string& dezimal = lauf_.Dezimaltrennzeichen();
    const zv::Spaltentabelle tabelle = zv::SpaltendateiLesen(inhalt, dezimal);
    const auto melden = [this](const std::string& text) {
        dialoge_->Meldung(text, "Daten öffnen", zv::Meldungssymbol::Kritisch);
    };
    if (!tabelle.Unlesbar.empty()) {
        melden(quelle.toStdString() + " wurde nicht übernommen.\r\n\r\n" + tabelle.Unlesbar);
        return;
    }

    // As many columns as boxes go in order; otherwise the learner chooses, and in the
    // two-dimensional mode a single column may go into either box, the other keeping its text.
    const std::size_t felderzahl = Zweidimensional_ ? 2 : 1;
    std::vector<int> wahl = felderzahl == 1 ? std::vector<int>{0} : std::vector<int>{0, 1};
    if (tabelle.Spaltenzahl != felderzahl) {
        if (tabelle.Spaltenzahl == 1) wahl[1] = -1;
        QStringList spalten;
        for (std::size_t j = 0; j < tabelle.Spaltenzahl; ++j) {
            QString name = QStringLiteral("Spalte %1").arg(j + 1);
            if (j < tabelle.Kopf.size() && !tabelle.Kopf[j].empty())
                name += ": " + QString::fromStdString(tabelle.Kopf[j]).simplified();
            QStringList beispiel;
            for (std::size_t i = 0; i < tabelle.Zeilen.size() && i < 3; ++i)
                beispiel << QString::fromStdString(tabelle.Zeilen[i].Zellen[j]).simplified();
            if (tabelle.Zeilen.size() > 3) beispiel << QStringLiteral("…");
            if (!beispiel.isEmpty()) name += " (" + beispiel.join(QStringLiteral("; ")) + ")";
            spalten << name;
        }
        const QString text =
            tabelle.Spaltenzahl == 1
                ? quelle +
                      " hat nur eine Spalte. In welches Feld sollen ihre Werte übernommen "
                      "werden?"
            : felderzahl == 1 ? quelle + QStringLiteral(
                                             " hat %1 Spalten. Welche Spalte soll in die Urliste "
                                             "übernommen werden?")
                                             .arg(tabelle.Spaltenzahl)
                              : quelle + QStringLiteral(
                                             " hat %1 Spalten. Welche Spalten sollen in die beiden "
                                             "Felder übernommen werden?")
                                             .arg(tabelle.Spaltenzahl);
        const QStringList felder = felderzahl == 1 ? QStringList{QStringLiteral("&Urliste:")}
                                                   : QStringList{QStringLiteral("Merkmal a&1:"),
                                                                 QStringLiteral("Merkmal a&2:")};
        const auto gewaehlt = spaltenwahl_(text, felder, spalten, wahl, felderzahl == 2);
        if (!gewaehlt) return;
        wahl = *gewaehlt;
    }
    std::vector<std::size_t> genommen;
    for (const int j : wahl)
        if (j >= 0 && static_cast<std::size_t>(j) < tabelle.Spaltenzahl)
            genommen.push_back(static_cast<std::size_t>(j));
    if (genommen.empty()) return;
    const zv::Spaltenauszug auszug = zv::SpaltenAuslesen(tabelle, genommen, dezimal);
    if (!auszug.Fehler.empty()) {
        melden(zv::Fehlermeldung(quelle.toStdString(), auszug.Fehler));
        return;
    }
    FelderFuellen(auszug.Werte, wahl, "Daten öffnen");
}

bool frmStatistik::ZweiSpaltenEinfuegen(const QString& text) {
    if (!Zweidimensional_ || !text.contains(QLatin1Char('\t'))) return false;
    const std::string& dezimal = lauf_.Dezimaltrennzeichen();
    const zv::Spaltentabelle tabelle = zv::SpaltendateiLesen(text.toStdString(), dezimal);
    if (!tabelle.Unlesbar.empty() || tabelle.Trennzeichen != '\t' || tabelle.Spaltenzahl != 2 ||
        tabelle.Zeilen.size() < 2)
        return false;
    const zv::Spaltenauszug auszug = zv::SpaltenAuslesen(tabelle, {0, 1}, dezimal);
    if (!auszug.Fehler.empty()) return false;
    const QString frage =
        QStringLiteral(
            "Der eingefügte Text hat zwei Spalten mit je %1 Werten. Sollen sie auf Merkmal a1 und "
            "Merkmal a2 verteilt werden? Der bisherige Inhalt beider Felder wird dabei "
            "ersetzt.\n\nBei „Nein“ wird der Text wie gewohnt in dieses Feld eingefügt.")
            .arg(auszug.Werte[0].size());
    if (!rueckfrage_(frage, QStringLiteral("Zwei Spalten einfügen"))) return false;
    FelderFuellen(auszug.Werte, {0, 1}, "Zwei Spalten einfügen");
    return true;
}

void frmStatistik::FelderFuellen(const std::vector<std::vector<std::string>>& listen,
                                 const std::vector<int>& felder, const char* titel) {
    const std::string& dezimal = lauf_.Dezimaltrennzeichen();
    bool mitDezimal = false;
    for (const auto& liste : listen)
        for (const std::string& wert : liste)
            mitDezimal = mitDezimal || wert.find(dezimal) != std::string::npos;
    const bool semikolon = mitDezimal && lauf_.Trennzeichen() == dezimal;
    if (semikolon) ui->optSeparator_2->setChecked(true);
    Eingabezeile* const kaesten[] = {ui->txtM1, ui->txtM2};
    std::size_t liste = 0;
    for (std::size_t i = 0; i < felder.size() && i < 2; ++i) {
        if (felder[i] < 0) continue;
        kaesten[i]->Ersetzen(
            QString::fromStdString(zv::Verbinden(listen[liste++], lauf_.Trennzeichen())));
    }
    if (semikolon)
        dialoge_->Meldung(
            "Die Werte haben ein Dezimalkomma, das Komma kann sie deshalb nicht trennen. Als "
            "Trennzeichen ist nun das Semikolon gewählt.",
            titel, zv::Meldungssymbol::Information);
}

void frmStatistik::AusgabepunkteSetzen() {
    const bool bericht = !ui->txtAusgabe->document()->isEmpty();
    ui->mnuSave->setEnabled(bericht);
    ui->mnuPrint->setEnabled(bericht);
    ui->mnuVorschau->setEnabled(bericht);
}

QString frmStatistik::AusgabeText() const {
    // The report exactly as the run wrote it; only text the user typed into the box himself is
    // taken from the box, with its line breaks as CR LF.
    if (!ui->txtAusgabe->document()->isModified()) return QString::fromStdString(bericht_);
    QString text = ui->txtAusgabe->toPlainText();
    text.replace(QLatin1Char('\n'), QLatin1String("\r\n"));
    return text;
}

void frmStatistik::mnuCopy_Click() {
    QClipboard* ablage = QGuiApplication::clipboard();
    ablage->clear();
    ablage->setText(AusgabeText());
}

void frmStatistik::mnuSave_Click() {
    const QString ordner = speicherordner_.isEmpty() ? QDir::homePath() : speicherordner_;
    const QString pfad = speicherdialog_(QDir(ordner).filePath(QStringLiteral("Bericht.txt")));
    if (pfad.isEmpty()) return;
    speicherordner_ = QFileInfo(pfad).absolutePath();
    if (const auto grund = zv::AtomarSchreiben(pfad, AusgabeText().toUtf8())) {
        dialoge_->Meldung(("Die Ausgabe konnte nicht gespeichert werden.\r\n\r\n" +
                           QDir::toNativeSeparators(pfad) + "\r\n" + *grund)
                              .toStdString(),
                          "Ausgabe speichern", zv::Meldungssymbol::Kritisch);
    }
}

QDate frmStatistik::Heute() const {
    // The window's clock counts days since 1970 in UTC; the day is taken in local time.
    const auto ms = static_cast<qint64>(uhr_->Jetzt() * 86400000.0);
    return QDateTime::fromMSecsSinceEpoch(ms).date();
}

Druckumgebung frmStatistik::Druckrahmen() {
    // The header's date is the day of the window's clock.
    return {this, dialoge_, druckfrage_, Heute().toString(QStringLiteral("dd.MM.yyyy"))};
}

Druckausgang frmStatistik::AusgabeDrucken(QPrinter& drucker) {
    return BerichtDrucken(AusgabeText(), ui->txtAusgabe->font(), drucker, Druckrahmen());
}

void frmStatistik::mnuPrint_Click() {
    QPrinter drucker(QPrinter::HighResolution);
    drucker.setDocName(QStringLiteral("Zorvanta-Bericht"));
    if (druckdialog_(drucker, QStringLiteral("Ausgabe drucken"))) AusgabeDrucken(drucker);
}

void frmStatistik::mnuVorschau_Click() {
    VorschauZeigen(AusgabeText(), ui->txtAusgabe->font(), Druckrahmen());
}

void frmStatistik::mnuDiagramm_Click() {
    // The charts of the boxes as they stand, read as "&Berechnen" reads them.
    const bool neu = !diagramm_;
    if (neu) {
        diagramm_ = new frmDiagramm(this);
        diagramm_->setAttribute(Qt::WA_DeleteOnClose);
        (new Tastenregeln(diagramm_))->Anwenden(diagramm_);
    }
    diagramm_->Zeigen(zv::DiagrammdatenBilden(Zustand(), lauf_.Dezimaltrennzeichen()));
    // Placed once its charts give it its least size; an open window stays where it is.
    if (neu) DanebenSetzen(diagramm_);
    diagramm_->show();
    diagramm_->raise();
    diagramm_->activateWindow();
}

void frmStatistik::DanebenSetzen(QWidget* fenster) {
    const QScreen* bildschirm = screen();
    const QWindow* haupt = windowHandle();
    if (bildschirm == nullptr || haupt == nullptr) return;
    // Every control but the output box is kept free.
    std::vector<QRect> freihalten;
    for (QWidget* w : ui->centralwidget->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (w != ui->txtAusgabe && !w->isHidden())
            freihalten.emplace_back(w->mapToGlobal(QPoint(0, 0)), w->size());
    }
    // The new window's frame is known only once the window manager has put it around the
    // shown window: it is taken to be as this window's. Made smaller to keep clear of this
    // window, a chart keeps at least the size its buttons need, and 480 x 360 pixels.
    const QMargins rand = haupt->frameMargins();
    fenster->ensurePolished();
    if (fenster->layout() != nullptr) fenster->layout()->activate();
    const QSize kleinste = fenster->minimumSizeHint().expandedTo(QSize(480, 360)).grownBy(rand);
    const QRect platz = PlatzDaneben(haupt->frameGeometry(), fenster->size().grownBy(rand),
                                     kleinste, bildschirm->availableGeometry(), freihalten);
    fenster->setGeometry(platz.marginsRemoved(rand));
}

void frmStatistik::mnuInfo_Click() {
    dialoge_->Meldung(InfoText().toStdString(), "Info...", zv::Meldungssymbol::Information);
}

void frmStatistik::mnuHilfe_Click() {
    const bool neu = !hilfe_;
    if (neu) {
        hilfe_ = new frmHilfe(this);
        hilfe_->setAttribute(Qt::WA_DeleteOnClose);
        // The main window keeps the focus, so the learner can go on moving in the list.
        hilfe_->setAttribute(Qt::WA_ShowWithoutActivating);
        (new Tastenregeln(hilfe_))->Anwenden(hilfe_);
    }
    HilfeNachfuehren();
    if (neu) DanebenSetzen(hilfe_);
    hilfe_->show();
    hilfe_->raise();
}

void frmStatistik::mnuUebung_Click() {
    const bool neu = !uebung_;
    if (neu) {
        frmUebung::Anbindung anbindung;
        // The task as "&Berechnen" would read the controls now; what the program did not
        // foresee leaves the practice window without a task and says so.
        anbindung.AufgabeHolen = [this] {
            zv::Aufgabe aufgabe;
            Abgesichert("Übung", [&] {
                aufgabe = zv::AufgabeStellen(Zustand(), lauf_.Dezimaltrennzeichen());
            });
            return aufgabe;
        };
        // The generator with the count last asked for, as one edit Ctrl+Z takes back.
        anbindung.NeueDaten = [this] {
            Abgesichert("Neue Aufgabe", [this] { ZufallsdatenErzeugen(); });
        };
        uebung_ = new frmUebung(std::move(anbindung), this);
        uebung_->setAttribute(Qt::WA_DeleteOnClose);
        (new Tastenregeln(uebung_))->Anwenden(uebung_);
    }
    uebung_->Aufbauen();
    if (neu) DanebenSetzen(uebung_);
    uebung_->show();
    uebung_->raise();
    uebung_->activateWindow();
}

void frmStatistik::mnuBlaetter_Click() {
    zv::Blattwunsch wunsch{.Vorlage = Zustand(), .Dezimal = lauf_.Dezimaltrennzeichen()};
    QStringList aufgaben;
    for (const zv::Listeneintrag& eintrag : wunsch.Vorlage.lstSelection)
        if (eintrag.Ausgewaehlt) aufgaben << QString::fromStdString(eintrag.Text);
    if (aufgaben.isEmpty()) {
        dialoge_->Meldung(
            "Bitte wählen Sie in der Liste mindestens einen Eintrag: seine Aufgaben kommen auf "
            "die Blätter.",
            "Übungsblätter", zv::Meldungssymbol::Information);
        return;
    }
    if (!blattangaben_) {
        // The first start value is the day's date as a number, easy to note down.
        const QDate tag = Heute();
        blattangaben_ = Blattangaben{.Startwert = static_cast<std::uint32_t>(
                                         tag.year() * 10000 + tag.month() * 100 + tag.day()),
                                     .Werte = Anzahl_};
    }
    const auto angaben = blattdialog_(*blattangaben_, aufgaben.join(QStringLiteral(", ")));
    if (!angaben) return;
    blattangaben_ = *angaben;
    wunsch.Blaetter = angaben->Blaetter;
    wunsch.Startwert = angaben->Startwert;
    wunsch.Werte = angaben->Werte;
    if (const std::string abbruch = zv::BlattwunschPruefen(wunsch); !abbruch.empty()) {
        dialoge_->Meldung("Mit diesen Einstellungen entstehen keine Aufgaben:\r\n\r\n" + abbruch,
                          "Übungsblätter", zv::Meldungssymbol::Kritisch);
        return;
    }
    QPrinter drucker(QPrinter::HighResolution);
    drucker.setDocName(QStringLiteral("Zorvanta-Übungsblätter"));
    drucker.setPageSize(QPageSize(QPageSize::A4));
    drucker.setFullPage(true);
    if (druckdialog_(drucker, QStringLiteral("Übungsblätter drucken")))
        BlaetterDrucken(wunsch, drucker, Druckrahmen());
}

void frmStatistik::HilfeNachfuehren() {
    if (!hilfe_) return;
    const QListWidgetItem* eintrag = ui->lstSelection->currentItem();
    hilfe_->Zeigen(eintrag ? zv::StatistikZuText(eintrag->text().toStdString()) : nullptr);
}
