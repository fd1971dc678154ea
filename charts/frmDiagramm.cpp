#include "charts/frmDiagramm.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QKeySequence>
#include <QMessageBox>
#include <QPushButton>
#include <QShortcut>
#include <QTabWidget>
#include <QVBoxLayout>

#include "charts/Bilddatei.h"

namespace {

const QString kPngFilter = QStringLiteral("PNG-Bild (*.png)");
const QString kPdfFilter = QStringLiteral("PDF-Dokument, Vektorgrafik (*.pdf)");

QString Reitername(zv::Diagrammart art) {
    const std::string_view reiter = zv::Artzeile(art).Reiter;
    return QString::fromUtf8(reiter.data(), static_cast<qsizetype>(reiter.size()));
}

}  // namespace

frmDiagramm::frmDiagramm(QWidget* parent) : QWidget(parent, Qt::Window) {
    setWindowTitle(QStringLiteral("Zorvanta – Diagramm"));
    resize(820, 660);

    tabs_ = new QTabWidget(this);
    tabs_->setTabBarAutoHide(true);
    chkResiduen_ = new QCheckBox(QStringLiteral("&Residuen anzeigen"), this);
    cmdSpeichern_ = new QPushButton(QStringLiteral("Bild &speichern..."), this);
    cmdKopieren_ = new QPushButton(QStringLiteral("&Kopieren"), this);
    cmdSchliessen_ = new QPushButton(QStringLiteral("S&chließen"), this);
    chkResiduen_->setObjectName(QStringLiteral("chkResiduen"));
    cmdSpeichern_->setObjectName(QStringLiteral("cmdSpeichern"));
    cmdKopieren_->setObjectName(QStringLiteral("cmdKopieren"));
    cmdSchliessen_->setObjectName(QStringLiteral("cmdSchliessen"));
    cmdSpeichern_->setToolTip(QStringLiteral("Speichert das gezeigte Diagramm als Bild (Strg+S)"));

    auto* knoepfe = new QHBoxLayout;
    knoepfe->addWidget(chkResiduen_);
    knoepfe->addStretch(1);
    knoepfe->addWidget(cmdSpeichern_);
    knoepfe->addWidget(cmdKopieren_);
    knoepfe->addWidget(cmdSchliessen_);
    auto* spalte = new QVBoxLayout(this);
    spalte->addWidget(tabs_, 1);
    spalte->addLayout(knoepfe);

    connect(cmdSpeichern_, &QPushButton::clicked, this,
            [this] { Abgesichert(QStringLiteral("Bild speichern"), [this] { BildSpeichern(); }); });
    connect(cmdKopieren_, &QPushButton::clicked, this,
            [this] { Abgesichert(QStringLiteral("Kopieren"), [this] { Kopieren(); }); });
    connect(cmdSchliessen_, &QPushButton::clicked, this, &QWidget::close);
    connect(new QShortcut(QKeySequence(Qt::Key_Escape), this), &QShortcut::activated, this,
            &QWidget::close);
    // Ctrl+S in this window saves the picture, as the button does, and only while it can.
    connect(new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_S), this), &QShortcut::activated,
            cmdSpeichern_, &QPushButton::click);
    connect(tabs_, &QTabWidget::currentChanged, this, [this](int i) {
        if (i < 0 || i >= static_cast<int>(seiten_.size())) return;
        Seite& seite = seiten_[static_cast<std::size_t>(i)];
        Abgesichert(QStringLiteral("Diagramm zeichnen"), [this, &seite] { SeiteZeichnen(seite); });
        // The switch belongs to the scatter chart with its regression line.
        chkResiduen_->setVisible(seite.Art == zv::Diagrammart::Streudiagramm && daten_.Streuung &&
                                 daten_.Streuung->Regression);
    });
    connect(chkResiduen_, &QCheckBox::toggled, this, [this] {
        Abgesichert(QStringLiteral("Diagramm zeichnen"), [this] {
            for (Seite& seite : seiten_) {
                if (seite.Art != zv::Diagrammart::Streudiagramm || seite.Plot == nullptr) continue;
                delete seite.Plot;
                seite.Plot = nullptr;
                SeiteZeichnen(seite);
            }
        });
    });

    Dateiwahl = [this](QString& filter) {
        return QFileDialog::getSaveFileName(
            this, QStringLiteral("Bild speichern"), QStringLiteral("diagramm.png"),
            kPngFilter + QStringLiteral(";;") + kPdfFilter, &filter);
    };
    Fehlermeldung = [this](const QString& titel, const QString& text) {
        QMessageBox::critical(this, titel, text);
    };
}

frmDiagramm::~frmDiagramm() = default;

void frmDiagramm::SeitenAnlegen(const std::vector<zv::Diagrammart>& arten) {
    bool gleich = arten.size() == seiten_.size();
    for (std::size_t i = 0; gleich && i < arten.size(); ++i) gleich = seiten_[i].Art == arten[i];
    if (gleich) {
        for (Seite& seite : seiten_) {
            delete seite.Plot;
            seite.Plot = nullptr;
        }
        return;
    }
    const QSignalBlocker sperre(tabs_);
    while (tabs_->count() > 0) {
        QWidget* huelle = tabs_->widget(0);
        tabs_->removeTab(0);
        delete huelle;
    }
    seiten_.clear();
    for (zv::Diagrammart art : arten) {
        Seite seite;
        seite.Art = art;
        seite.Huelle = new QWidget;
        auto* schicht = new QVBoxLayout(seite.Huelle);
        schicht->setContentsMargins(0, 0, 0, 0);
        tabs_->addTab(seite.Huelle, Reitername(art));
        seiten_.push_back(seite);
    }
}

void frmDiagramm::Zeigen(zv::Diagrammdaten daten) {
    daten_ = std::move(daten);
    // One page for each chart kind of the mode; without data, the page of the one-dimensional
    // mode shows the report's message.
    const std::vector<zv::Diagrammart> arten = zv::ArtenDesModus(daten_.Zweidimensional);
    const bool residuenVorher = chkResiduen_->isChecked();
    SeitenAnlegen(arten);
    {
        // The residuals start as the data suggest; redrawing follows below.
        const QSignalBlocker sperre(chkResiduen_);
        chkResiduen_->setChecked(daten_.Streuung ? daten_.Streuung->ResiduenAn : residuenVorher);
    }
    const bool mitDiagramm = daten_.Abbruch.empty();
    cmdSpeichern_->setEnabled(mitDiagramm);
    cmdKopieren_->setEnabled(mitDiagramm);
    emit tabs_->currentChanged(tabs_->currentIndex());
}

void frmDiagramm::Leeren(bool zweidimensional) {
    // Data of neither chart with a line in place of the run's: drawn as "Kein Diagramm".
    zv::Diagrammdaten leer;
    leer.Zweidimensional = zweidimensional;
    leer.Abbruch = "Das Datenmaterial wurde umgestellt. „Berechnen“ zeichnet das Diagramm.";
    Zeigen(std::move(leer));
}

void frmDiagramm::SeiteZeichnen(Seite& seite) {
    if (seite.Plot != nullptr) return;
    seite.Plot = new QCustomPlot(seite.Huelle);
    seite.Plot->setObjectName(QStringLiteral("plot") + Reitername(seite.Art));
    // A plot asks for the room its texts take at the width it has now, so the window could never
    // be made smaller and grew with every wider chart. Its texts wrap and shrink to fit down to
    // 320 x 240 pixels: that is its least size.
    seite.Plot->setMinimumSize(320, 240);
    seite.Huelle->layout()->addWidget(seite.Plot);
    const bool residuen = chkResiduen_->isChecked();
    try {
        seite.Ansicht = zv::Zeichnen(*seite.Plot, daten_, seite.Art, residuen);
    } catch (...) {
        // No half-drawn chart stays; the next showing of the page tries anew.
        delete seite.Plot;
        seite.Plot = nullptr;
        throw;
    }
    zv::BedienbarMachen(*seite.Plot);
    QCustomPlot* plot = seite.Plot;
    const zv::Ansicht ansicht = seite.Ansicht;
    connect(plot, &QCustomPlot::mouseDoubleClick, plot, [plot, ansicht] {
        zv::AnsichtHerstellen(*plot, ansicht);
        plot->replot();
    });
    // A new plot is drawn when it is first shown and gets its size.
}

QCustomPlot* frmDiagramm::AktuellesDiagramm() const {
    const int i = tabs_->currentIndex();
    if (i < 0 || i >= static_cast<int>(seiten_.size())) return nullptr;
    return seiten_[static_cast<std::size_t>(i)].Plot;
}

void frmDiagramm::BildSpeichern() {
    QCustomPlot* plot = AktuellesDiagramm();
    if (plot == nullptr) return;
    QString filter = kPngFilter;
    QString pfad = Dateiwahl(filter);
    if (pfad.isEmpty()) return;
    // A name without one of the two types gets the type chosen in the dialog.
    std::optional<zv::Bildformat> format = zv::BildformatZuPfad(pfad);
    if (!format) {
        format = filter == kPdfFilter ? zv::Bildformat::Pdf : zv::Bildformat::Png;
        pfad += *format == zv::Bildformat::Pdf ? QStringLiteral(".pdf") : QStringLiteral(".png");
    }
    const QString fehler = zv::BildSchreiben(*plot, pfad, *format, std::max(100, plot->width()),
                                             std::max(100, plot->height()));
    if (!fehler.isEmpty()) Fehlermeldung(QStringLiteral("Bild speichern"), fehler);
}

void frmDiagramm::Abgesichert(const QString& aktion, const std::function<void()>& arbeit) {
    QString grund;
    try {
        arbeit();
        return;
    } catch (const std::bad_alloc&) {
        grund = QStringLiteral("Der Arbeitsspeicher reicht dafür nicht aus.");
    } catch (const std::exception& f) {
        grund = QStringLiteral("Unerwarteter Fehler: ") + QString::fromUtf8(f.what());
    }
    Fehlermeldung(aktion, QStringLiteral("„%1“ wurde abgebrochen.\n\n%2").arg(aktion, grund));
}

void frmDiagramm::Kopieren() {
    QCustomPlot* plot = AktuellesDiagramm();
    if (plot == nullptr) return;
    QGuiApplication::clipboard()->setImage(plot->toPixmap().toImage());
}
