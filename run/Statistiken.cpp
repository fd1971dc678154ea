#include "run/Statistiken.h"

#include "base/Laufzeitfehler.h"
#include "sections/Abschnitte.h"

namespace zv {

namespace {

constexpr bool Eindimensional = false, Zweidimensional = true;
constexpr bool OhneSchritte = false, MitSchritten = true;

// One row per statistic, each mode's entries in list order: list entry, title, data mode,
// calculation steps, report section (declared in sections/Abschnitte.h). A new statistic is a
// section file, its declaration and a row here.
constexpr Statistik kStatistiken[] = {
    {"Modus", "MODUS", Eindimensional, OhneSchritte, AusgabeModus},
    {"Median", "MEDIAN", Eindimensional, MitSchritten, AusgabeMedian},
    {"Arithmetisches Mittel", "ARITHMETISCHES MITTEL (MITTELWERT)", Eindimensional, OhneSchritte,
     AusgabeMittelwert},
    {"Spannweite", "SPANNWEITE", Eindimensional, OhneSchritte, AusgabeSpannweite},
    {"Durchschnittliche Abweichung", "DURCHSCHNITTLICHE ABWEICHUNG", Eindimensional, OhneSchritte,
     AusgabeDurchschnittlicheAbweichung},
    {"Mittlere quadratische Abweichung", "MITTLERE QUADRATISCHE ABWEICHUNG (VARIANZ)",
     Eindimensional, OhneSchritte, AusgabeVarianz},
    {"Standardabweichnung", "STANDARDABWEICHNUNG", Eindimensional, OhneSchritte,
     AusgabeStandardabweichung, "Standardabweichung"},
    {"Randhäufigkeiten", "RANDHÄUFIGKEITEN", Zweidimensional, OhneSchritte,
     AusgabeRandhaeufigkeiten},
    {"Bedingte Häufigkeiten", "BEDINGTE HÄUFIGKEITEN", Zweidimensional, MitSchritten,
     AusgabeBedingteHaeufigkeiten},
    {"Unabhängigkeitsquotienten", "UNABHÄNGIGKEITSQUOTIENTEN", Zweidimensional, OhneSchritte,
     AusgabeUnabhaengigkeitsquotienten},
    {"Schwerpunkt", "SCHWERPUNKT", Zweidimensional, MitSchritten, AusgabeSchwerpunkt},
    {"Bravais-Pearson-Korrelationskoeffizient", "BRAVAIS-PEARSON-KORRELATIONSKOEFFIZIENT",
     Zweidimensional, MitSchritten, AusgabeBravaisPearson},
    {"Spearmen-Rangkorrelationskoeffizient", "RANGKORRELATIONSKOEFFIZIENT VON SPEARMAN",
     Zweidimensional, MitSchritten, AusgabeSpearman, "Rangkorrelationskoeffizient nach Spearman"},
    {"Kontingenzkoeffizient", "KONTINGENZKOEFFIZIENT", Zweidimensional, MitSchritten,
     AusgabeKontingenzkoeffizient},
    {"Lineare Regression", "LINEARE REGRESSION", Zweidimensional, MitSchritten,
     AusgabeLineareRegression},
    {"Determinationskoeffizient", "DETERMINATIONSKOEFFIZIENT", Zweidimensional, MitSchritten,
     AusgabeDeterminationskoeffizient},
};

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

const Statistik* StatistikZuAbschnitt(void (*abschnitt)(Laufkontext&)) {
    for (const Statistik& s : kStatistiken)
        if (s.Routine == abschnitt) return &s;
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
