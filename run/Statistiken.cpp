#include "run/Statistiken.h"

#include "base/Laufzeitfehler.h"

namespace zv {

namespace {

constexpr bool Eindimensional = false, Zweidimensional = true;
constexpr bool OhneSchritte = false, MitSchritten = true;

// One row per statistic, each mode's entries in list order: list entry, title, data mode,
// calculation steps, report section. A new statistic is a section file and a row here.
// clang-format off
#define ZV_STATISTIKEN(ZEILE)                                                                      \
    ZEILE("Modus", "MODUS", Eindimensional, OhneSchritte, AusgabeModus)                             \
    ZEILE("Median", "MEDIAN", Eindimensional, MitSchritten, AusgabeMedian)                          \
    ZEILE("Arithmetisches Mittel", "ARITHMETISCHES MITTEL (MITTELWERT)", Eindimensional,            \
          OhneSchritte, AusgabeMittelwert)                                                          \
    ZEILE("Spannweite", "SPANNWEITE", Eindimensional, OhneSchritte, AusgabeSpannweite)              \
    ZEILE("Durchschnittliche Abweichung", "DURCHSCHNITTLICHE ABWEICHUNG", Eindimensional,           \
          OhneSchritte, AusgabeDurchschnittlicheAbweichung)                                         \
    ZEILE("Mittlere quadratische Abweichung", "MITTLERE QUADRATISCHE ABWEICHUNG (VARIANZ)",         \
          Eindimensional, OhneSchritte, AusgabeVarianz)                                             \
    ZEILE("Standardabweichnung", "STANDARDABWEICHNUNG", Eindimensional, OhneSchritte,               \
          AusgabeStandardabweichung)                                                                \
    ZEILE("Randhäufigkeiten", "RANDHÄUFIGKEITEN", Zweidimensional, OhneSchritte,                    \
          AusgabeRandhaeufigkeiten)                                                                 \
    ZEILE("Bedingte Häufigkeiten", "BEDINGTE HÄUFIGKEITEN", Zweidimensional, MitSchritten,          \
          AusgabeBedingteHaeufigkeiten)                                                             \
    ZEILE("Unabhängigkeitsquotienten", "UNABHÄNGIGKEITSQUOTIENTEN", Zweidimensional, OhneSchritte,  \
          AusgabeUnabhaengigkeitsquotienten)                                                        \
    ZEILE("Schwerpunkt", "SCHWERPUNKT", Zweidimensional, MitSchritten, AusgabeSchwerpunkt)          \
    ZEILE("Bravais-Pearson-Korrelationskoeffizient", "BRAVAIS-PEARSON-KORRELATIONSKOEFFIZIENT",     \
          Zweidimensional, MitSchritten, AusgabeBravaisPearson)                                     \
    ZEILE("Spearmen-Rangkorrelationskoeffizient", "RANGKORRELATIONSKOEFFIZIENT VON SPEARMAN",       \
          Zweidimensional, MitSchritten, AusgabeSpearman)                                           \
    ZEILE("Kontingenzkoeffizient", "KONTINGENZKOEFFIZIENT", Zweidimensional, MitSchritten,          \
          AusgabeKontingenzkoeffizient)                                                             \
    ZEILE("Lineare Regression", "LINEARE REGRESSION", Zweidimensional, MitSchritten,                \
          AusgabeLineareRegression)                                                                 \
    ZEILE("Determinationskoeffizient", "DETERMINATIONSKOEFFIZIENT", Zweidimensional, MitSchritten,  \
          AusgabeDeterminationskoeffizient)
// clang-format on

}  // namespace

// Each section is declared by its row.
#define ZV_DEKLARATION(text, titel, modus, schritte, routine) void routine(Laufkontext&);
ZV_STATISTIKEN(ZV_DEKLARATION)
#undef ZV_DEKLARATION

namespace {

#define ZV_ZEILE(text, titel, modus, schritte, routine) {text, titel, modus, schritte, routine},
constexpr Statistik kStatistiken[] = {ZV_STATISTIKEN(ZV_ZEILE)};
#undef ZV_ZEILE

}  // namespace

std::span<const Statistik> AlleStatistiken() {
    return kStatistiken;
}

std::vector<std::string> ListenEintraege(bool zweidimensional) {
    std::vector<std::string> eintraege;
    for (const Statistik& s : kStatistiken)
        if (s.Zweidimensional == zweidimensional) eintraege.emplace_back(s.Text);
    return eintraege;
}

const Statistik* StatistikZuText(std::string_view text) {
    for (const Statistik& s : kStatistiken)
        if (s.Text == text) return &s;
    return nullptr;
}

bool DetailGewuenscht(const std::vector<Listeneintrag>& eintraege) {
    for (const Listeneintrag& e : eintraege) {
        if (!e.Ausgewaehlt) continue;
        const Statistik* s = StatistikZuText(e.Text);
        if (s != nullptr && s->MitBerechnungsschritten) return true;
    }
    return false;
}

void AbschnittSchreiben(const Statistik& statistik, Laufkontext& k) {
    k.Titel = statistik.Titel;
    try {
        statistik.Routine(k);
    } catch (const Laufzeitfehler& fehler) {
        k.Add(fehler.what());
    }
}

}  // namespace zv
