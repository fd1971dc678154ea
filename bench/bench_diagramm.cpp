// The charts at the largest inputs, headless:
// - Extras "&Diagramm..." from the click until the chart is painted, beside a bare QCustomPlot
//   of the same size drawing the same values as points alone, timed in turn in every
//   iteration;
// - the report tool with --chart as a whole process, beside the same command without it.

#include <benchmark/benchmark.h>
#include <qcustomplot.h>
#include <unistd.h>

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QListWidget>
#include <QRadioButton>
#include <QWindow>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "Arbeitslasten.h"
#include "Messung.h"
#include "base/Speicher.h"
#include "base/Zahlenlesen.h"
#include "charts/frmDiagramm.h"
#include "ui/frmStatistik.h"

extern char** environ;

namespace {

using zvbench::Malzaehler;
using zvbench::Melden;
using zvbench::Messen;
using zvbench::Messung;
using zvbench::Werte;

// Delivers events until the widget's window is exposed and the widget painted; false after
// five seconds without.
bool GemaltAbwarten(QWidget* w, Malzaehler& maler) {
    QElapsedTimer uhr;
    uhr.start();
    while (!(w->window()->windowHandle() && w->window()->windowHandle()->isExposed() &&
             maler.Anzahl > 0)) {
        if (uhr.elapsed() > 5000) return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    }
    return true;
}

// The workload's values, read as the run reads them.
std::vector<double> Werteliste(const std::string& text) {
    std::vector<double> werte;
    std::size_t anfang = 0;
    while (anfang <= text.size()) {
        const std::size_t ende = std::min(text.find(' ', anfang), text.size());
        werte.push_back(zv::ZahlLesen(std::string_view(text).substr(anfang, ende - anfang), ","));
        anfang = ende + 1;
    }
    return werte;
}

// ----- The chart window against the bare points -------------------------------------------

void Diagrammfenster(benchmark::State& state, bool zweidimensional) {
    const int n = static_cast<int>(state.range(0));
    zv::Steuerzustand z = zvbench::Zustand(zweidimensional, n, Werte::Ganz, true);
    frmStatistik f;
    f.show();
    f.findChild<QRadioButton*>(zweidimensional ? "optMaterial_1" : "optMaterial_0")
        ->setChecked(true);
    f.findChild<QLineEdit*>("txtM1")->setText(QString::fromStdString(z.txtM1));
    f.findChild<QLineEdit*>("txtM2")->setText(QString::fromStdString(z.txtM2));
    QAction* menue = f.findChild<QAction*>("mnuDiagramm");

    // The points alone: (index, value) of the list, or the pairs (x, y).
    const std::vector<double> m1 = Werteliste(z.txtM1);
    const std::vector<double> m2 = zweidimensional ? Werteliste(z.txtM2) : m1;
    QVector<double> x(n), y(n);
    for (int i = 0; i < n; ++i) {
        x[i] = zweidimensional ? m1[static_cast<std::size_t>(i)] : i;
        y[i] = m2[static_cast<std::size_t>(i)];
    }

    Messung fenster, bar;
    QSize groesse;
    for (auto _ : state) {
        bool gezeigt = false, barGezeigt = false;
        const double dauer = Messen(fenster, [&] {
            menue->trigger();
            auto* d = f.findChild<frmDiagramm*>();
            QCustomPlot* plot = d ? d->AktuellesDiagramm() : nullptr;
            if (plot == nullptr) return;
            groesse = plot->size();
            Malzaehler maler(plot);
            gezeigt = GemaltAbwarten(plot, maler) && plot->plottableCount() > 0;
        });
        const double dauerBar = Messen(bar, [&] {
            QCustomPlot plot;
            plot.resize(groesse);
            auto* punkte = plot.addGraph();
            punkte->setData(x, y);
            punkte->setLineStyle(QCPGraph::lsNone);
            punkte->setScatterStyle(QCPScatterStyle(QCPScatterStyle::ssCircle, 4));
            plot.setAntialiasedElements(QCP::aePlottables);
            plot.rescaleAxes();
            // Drawn once, when shown with its size.
            Malzaehler maler(&plot);
            plot.show();
            barGezeigt = GemaltAbwarten(&plot, maler);
        });
        if (!gezeigt || !barGezeigt) {
            state.SkipWithError("a chart was not shown");
            return;
        }
        state.SetIterationTime(dauer + dauerBar);
        // The next click opens the window anew.
        state.PauseTiming();
        delete f.findChild<frmDiagramm*>();
        QCoreApplication::processEvents();
        state.ResumeTiming();
    }
    Melden(state, "window", fenster);
    Melden(state, "bare", bar);
    state.counters["plot_width"] = groesse.width();
    state.counters["plot_height"] = groesse.height();
}

// ----- The report tool with and without --chart --------------------------------------------

// Runs the tool with the arguments, standard output discarded; false if it failed.
bool Werkzeug(const std::vector<std::string>& argumente, Messung& m, double& dauer) {
    std::vector<std::string> teile{ZV_REPORT_PROGRAMM};
    teile.insert(teile.end(), argumente.begin(), argumente.end());
    std::vector<std::string> umgebung;
    for (char** e = environ; *e != nullptr; ++e) umgebung.emplace_back(*e);
    return zvbench::ProgrammMessen(ZV_REPORT_PROGRAMM, teile, umgebung, STDOUT_FILENO, m, dauer);
}

enum class Befehl { Beispiel, W1, W2 };

void WerkzeugMitDiagramm(benchmark::State& state, Befehl befehl) {
    const std::string ordner =
        std::filesystem::temp_directory_path() / ("zv_bench_diagramm_" + std::to_string(getpid()));
    std::filesystem::create_directories(ordner);
    std::vector<std::string> argumente;
    if (befehl == Befehl::Beispiel) {
        argumente = {"--mode",
                     "2",
                     "--separator",
                     "semicolon",
                     "--detail",
                     "--select",
                     "Kontingenzkoeffizient",
                     "--a1",
                     "10;20;5",
                     "--a2",
                     "3;7;15"};
    } else {
        const bool zwei = befehl == Befehl::W2;
        const zv::Steuerzustand z = zvbench::Zustand(zwei, 32767, Werte::Ganz, true);
        std::ofstream(ordner + "/a1.txt") << z.txtM1;
        std::ofstream(ordner + "/a2.txt") << z.txtM2;
        argumente = {"--mode", zwei ? "2" : "1", "--detail",        "--select",
                     "all",    "--a1-file",      ordner + "/a1.txt"};
        if (zwei) argumente.insert(argumente.end(), {"--a2-file", ordner + "/a2.txt"});
    }
    argumente.insert(argumente.end(), {"--locale", "de_DE"});
    std::vector<std::string> mitDiagramm = argumente;
    mitDiagramm.insert(mitDiagramm.end(), {"--chart", ordner + "/diagramm.png"});

    Messung mit, ohne;
    for (auto _ : state) {
        double dauer = 0;
        if (!Werkzeug(mitDiagramm, mit, dauer) || !Werkzeug(argumente, ohne, dauer)) {
            state.SkipWithError("the report tool failed");
            return;
        }
        state.SetIterationTime(dauer);
    }
    Melden(state, "chart", mit);
    Melden(state, "plain", ohne);
    std::filesystem::remove_all(ordner);
}

const int kRegistriert = [] {
    for (const auto& [name, zwei] :
         {std::pair{"Chart_window_W1", false}, {"Chart_window_W2", true}})
        benchmark::RegisterBenchmark(
            name, [zwei = zwei](benchmark::State& s) { Diagrammfenster(s, zwei); })
            ->Arg(32767)
            ->Unit(benchmark::kMillisecond)
            ->UseManualTime()
            ->MinTime(1.0);
    for (const auto& [name, befehl] : {std::pair{"Report_chart_example", Befehl::Beispiel},
                                       {"Report_chart_W1", Befehl::W1},
                                       {"Report_chart_W2", Befehl::W2}})
        benchmark::RegisterBenchmark(
            name, [befehl = befehl](benchmark::State& s) { WerkzeugMitDiagramm(s, befehl); })
            ->Unit(benchmark::kMillisecond)
            ->UseManualTime()
            ->MinTime(1.0);
    return 0;
}();

}  // namespace

int main(int argc, char** argv) {
    zv::SpeicherEinrichten();
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    QApplication anwendung(argc, argv);
    frmStatistik::SchriftenErsetzen();
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
