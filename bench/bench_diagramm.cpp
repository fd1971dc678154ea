// The charts at the largest inputs, headless:
// - Extras "&Diagramm..." from the click until the chart is painted, beside a bare QCustomPlot
//   of the same size drawing the same values as points alone, timed in turn in every
//   iteration;
// - the report tool with --chart as a whole process, beside the same command without it.

#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <qcustomplot.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
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
#include "base/Speicher.h"
#include "base/Zahlenlesen.h"
#include "charts/frmDiagramm.h"
#include "ui/frmStatistik.h"

extern char** environ;

namespace {

using zvbench::Werte;

// Counts the paint events a widget receives.
class Malzaehler : public QObject {
  public:
    explicit Malzaehler(QWidget* w) : w_(w) { w_->installEventFilter(this); }
    ~Malzaehler() override { w_->removeEventFilter(this); }
    int Anzahl = 0;

  protected:
    bool eventFilter(QObject*, QEvent* e) override {
        if (e->type() == QEvent::Paint) ++Anzahl;
        return false;
    }

  private:
    QWidget* w_;
};

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

struct Messung {
    double Prozessor = 0;  // seconds
    double Wand = 0;
};

double Prozessorsekunden() {
    timespec t{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_nsec) / 1e9;
}

template <class Schritt>
double Messen(Messung& m, Schritt&& schritt) {
    const double prozessor = Prozessorsekunden();
    const auto wand = std::chrono::steady_clock::now();
    const bool gut = schritt();
    const double dauer =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - wand).count();
    m.Wand += dauer;
    m.Prozessor += Prozessorsekunden() - prozessor;
    return gut ? dauer : -1;
}

void Melden(benchmark::State& state, const std::string& name, const Messung& m) {
    state.counters[name + "_cpu_ms"] =
        benchmark::Counter(m.Prozessor * 1000.0, benchmark::Counter::kAvgIterations);
    state.counters[name + "_wall_ms"] =
        benchmark::Counter(m.Wand * 1000.0, benchmark::Counter::kAvgIterations);
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
        double dauer = Messen(fenster, [&] {
            menue->trigger();
            auto* d = f.findChild<frmDiagramm*>();
            QCustomPlot* plot = d ? d->AktuellesDiagramm() : nullptr;
            if (plot == nullptr) return false;
            groesse = plot->size();
            Malzaehler maler(plot);
            return GemaltAbwarten(plot, maler) && plot->plottableCount() > 0;
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
            return GemaltAbwarten(&plot, maler);
        });
        if (dauer < 0 || dauerBar < 0) {
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
    std::vector<char*> argv;
    for (auto& t : teile) argv.push_back(t.data());
    argv.push_back(nullptr);
    posix_spawn_file_actions_t ausgaben;
    posix_spawn_file_actions_init(&ausgaben);
    posix_spawn_file_actions_addopen(&ausgaben, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
    bool gut = false;
    rusage verbrauch{};
    const auto wand = std::chrono::steady_clock::now();
    pid_t kind = 0;
    if (posix_spawn(&kind, ZV_REPORT_PROGRAMM, &ausgaben, nullptr, argv.data(), environ) == 0) {
        int status = 0;
        gut = wait4(kind, &status, 0, &verbrauch) == kind && WIFEXITED(status) &&
              WEXITSTATUS(status) == 0;
    }
    const double sekunden =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - wand).count();
    posix_spawn_file_actions_destroy(&ausgaben);
    m.Prozessor +=
        static_cast<double>(verbrauch.ru_utime.tv_sec + verbrauch.ru_stime.tv_sec) +
        static_cast<double>(verbrauch.ru_utime.tv_usec + verbrauch.ru_stime.tv_usec) / 1e6;
    m.Wand += sekunden;
    dauer += sekunden;
    return gut;
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
