#include "core/Statistiken.h"

#include <array>

namespace zv {

namespace {

// The three frequency-table sections take the flag that suppresses their title; a run passes
// false.
template <void (clsRechenlauf::*Abschnitt)(bool&)>
void MitTitel(clsRechenlauf& lauf) {
    bool ohneTitel = false;
    (lauf.*Abschnitt)(ohneTitel);
}

template <void (clsRechenlauf::*Abschnitt)()>
void Aufruf(clsRechenlauf& lauf) {
    (lauf.*Abschnitt)();
}

using L = clsRechenlauf;

constexpr std::array<Statistik, 16> kStatistiken{{
    // One-dimensional, in list order
    {"Modus", false, false, Aufruf<&L::AusgabeModus>},
    {"Median", false, true, Aufruf<&L::AusgabeMedian>},
    {"Arithmetisches Mittel", false, false, Aufruf<&L::AusgabeMittelwert>},
    {"Spannweite", false, false, Aufruf<&L::AusgabeSpannweite>},
    {"Durchschnittliche Abweichung", false, false, Aufruf<&L::AusgabeDurchschnittlicheAbweichung>},
    {"Mittlere quadratische Abweichung", false, false, Aufruf<&L::AusgabeVarianz>},
    {"Standardabweichnung", false, false, Aufruf<&L::AusgabeStandardabweichung>},
    // Two-dimensional, in list order
    {"Randhäufigkeiten", true, false, MitTitel<&L::AusgabeRandhaeufigkeiten>},
    {"Bedingte Häufigkeiten", true, true, MitTitel<&L::AusgabeBedingteHaeufigkeiten>},
    {"Unabhängigkeitsquotienten", true, false, MitTitel<&L::AusgabeUnabhaengigkeitsquotienten>},
    {"Schwerpunkt", true, true, Aufruf<&L::AusgabeSchwerpunkt>},
    {"Bravais-Pearson-Korrelationskoeffizient", true, true, Aufruf<&L::AusgabeBravaisPearson>},
    {"Spearmen-Rangkorrelationskoeffizient", true, true, Aufruf<&L::AusgabeSpearman>},
    {"Kontingenzkoeffizient", true, true, Aufruf<&L::AusgabeKontingenzkoeffizient>},
    {"Lineare Regression", true, true, Aufruf<&L::AusgabeLineareRegression>},
    {"Determinationskoeffizient", true, true, Aufruf<&L::AusgabeDeterminationskoeffizient>},
}};

}  // namespace

std::span<const Statistik> AlleStatistiken() { return kStatistiken; }

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

}  // namespace zv
