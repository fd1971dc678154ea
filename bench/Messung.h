#pragma once
// Measuring helpers of the window benchmarks: paint events counted, a step timed by the
// process's processor time (the toolkit fills large areas with helper threads) and by the wall
// clock, a started program timed by its own processor time.

#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QEvent>
#include <QObject>
#include <QWidget>
#include <chrono>
#include <ctime>
#include <string>
#include <vector>

namespace zvbench {

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

struct Messung {
    double Prozessor = 0;  // seconds
    double Wand = 0;
};

inline double Prozessorsekunden() {
    timespec t{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_nsec) / 1e9;
}

// Times the step and adds it to the measurement; returns the wall-clock seconds.
template <class Schritt>
double Messen(Messung& m, Schritt&& schritt) {
    const double prozessor = Prozessorsekunden();
    const auto wand = std::chrono::steady_clock::now();
    schritt();
    const double dauer =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - wand).count();
    m.Wand += dauer;
    m.Prozessor += Prozessorsekunden() - prozessor;
    return dauer;
}

// Per iteration, in milliseconds: NAME_cpu_ms and NAME_wall_ms.
inline void Melden(benchmark::State& state, const std::string& name, const Messung& m) {
    state.counters[name + "_cpu_ms"] =
        benchmark::Counter(m.Prozessor * 1000.0, benchmark::Counter::kAvgIterations);
    state.counters[name + "_wall_ms"] =
        benchmark::Counter(m.Wand * 1000.0, benchmark::Counter::kAvgIterations);
}

// Runs the program until it ends, the given output stream sent to /dev/null, and adds its own
// processor time (user and system) and the wall-clock time to the measurement and the
// seconds to dauer. True when it ended with status 0.
inline bool ProgrammMessen(const char* pfad, std::vector<std::string> argumente,
                           std::vector<std::string> umgebung, int stumm, Messung& m,
                           double& dauer) {
    std::vector<char*> argv, envp;
    for (auto& a : argumente) argv.push_back(a.data());
    argv.push_back(nullptr);
    for (auto& e : umgebung) envp.push_back(e.data());
    envp.push_back(nullptr);
    posix_spawn_file_actions_t ausgaben;
    posix_spawn_file_actions_init(&ausgaben);
    posix_spawn_file_actions_addopen(&ausgaben, stumm, "/dev/null", O_WRONLY, 0);
    bool gut = false;
    rusage verbrauch{};
    const auto wand = std::chrono::steady_clock::now();
    pid_t kind = 0;
    if (posix_spawn(&kind, pfad, &ausgaben, nullptr, argv.data(), envp.data()) == 0) {
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

}  // namespace zvbench
