#pragma once
// The main window. It computes nothing itself: "&Berechnen" hands the control states to the
// calculation run and shows what comes back. The controls and their designed places are in
// frmStatistik.ui; this class adds start-up, the layout on resize, the data-mode switch,
// the input behaviour and the Extras menu.

#include <QMainWindow>
#include <QPointer>
#include <QString>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "run/Rechenlauf.h"
#include "run/Zufallsdaten.h"

class QButtonGroup;
class QWidget;
class frmDiagramm;

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
    };

    explicit frmStatistik(QWidget* parent = nullptr);
    explicit frmStatistik(const Dienste& dienste, QWidget* parent = nullptr);
    ~frmStatistik() override;

    bool Zweidimensional() const { return Zweidimensional_; }
    const zv::clsRechenlauf& Lauf() const { return lauf_; }

    // The text of the info box, every line ending in CR LF.
    static QString InfoText();

    // Lets Verdana and Courier New fall back to metric-compatible families where absent.
    static void SchriftenErsetzen();

  protected:
    bool eventFilter(QObject* beobachtet, QEvent* e) override;

  private:
    void Form_Load();
    void Form_Resize();
    void ListeFuellen();
    void ZufallsdatenErzeugen();
    void TrennzeichenSetzen();

    void optMaterial_Click(int Index);
    void optSeparator_Click(int Index);
    void lstSelection_Click();
    void txtM_KeyPress(int& Zeichencode);
    void cmdCalculate_Click();
    void cmdClose_Click();
    void mnuZufallsgenerator_Click();
    void mnuCopy_Click();
    void mnuDiagramm_Click();
    void mnuInfo_Click();

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
    // The chart window while it is open; each run redraws it.
    QPointer<frmDiagramm> diagramm_;
};
