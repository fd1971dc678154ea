#include "run/Eingabehinweis.h"

#include <algorithm>
#include <cctype>

#include "base/Text.h"
#include "base/Zahlenlesen.h"
#include "run/Statistiken.h"
#include "run/Trennzeichen.h"

namespace zv {

namespace {

// How the hints name each separator, in the order of the window's options.
struct Trennzeichenname {
    std::string_view MitArtikel;  // "das Semikolon (;)"
    std::string_view Mehrzahl;    // "Semikolons"
};

constexpr Trennzeichenname kNamen[] = {{"die Leerstelle", "Leerstellen"},
                                       {"das Komma (,)", "Kommas"},
                                       {"das Semikolon (;)", "Semikolons"},
                                       {"der Tabulator", "Tabulatoren"},
                                       {"die Tilde (~)", "Tilden"}};
static_assert(std::size(kNamen) == std::size(kTrennzeichenoptionen));

constexpr std::size_t kHoechstensWerte = 32767;

std::size_t Option(char zeichen) {
    for (std::size_t i = 0; i < std::size(kTrennzeichenoptionen); ++i)
        if (kTrennzeichenoptionen[i].Zeichen == zeichen) return i;
    return 0;
}

// A count with a point between the thousands, as a German text writes it: 32.767.
std::string Anzahl(std::size_t n) {
    std::string t = std::to_string(n);
    for (auto i = static_cast<long long>(t.size()) - 3; i > 0; i -= 3)
        t.insert(static_cast<std::size_t>(i), ".");
    return t;
}

std::string Werte(std::size_t n) {
    return n == 1 ? "1 Wert" : Anzahl(n) + " Werte";
}

std::string Feldname(int feld, bool zweidimensional) {
    if (!zweidimensional) return "der Urliste";
    return feld == 1 ? "Merkmal a1" : "Merkmal a2";
}

// The cause of a piece that is no number, and what to do, as one line.
std::string Ursache(std::string_view stueck, char trenner, std::string_view dezimal) {
    // A decimal sign of the other kind: "2.5" where the locale writes 2,5.
    const char anderes = dezimal == "," ? '.' : ',';
    if (std::count(stueck.begin(), stueck.end(), anderes) == 1) {
        std::string richtig(stueck);
        richtig.replace(richtig.find(anderes), 1, dezimal);
        if (IstNumerisch(richtig, dezimal))
            return std::string(dezimal == "," ? "Dezimalkomma" : "Dezimalpunkt") +
                   " verwenden: " + std::string(OhneRandLeerzeichen(richtig));
    }
    // Another separator inside the piece: the values were separated by it.
    for (std::size_t i = 0; i < std::size(kTrennzeichenoptionen); ++i) {
        const char c = kTrennzeichenoptionen[i].Zeichen;
        const auto wie_oft = std::count(stueck.begin(), stueck.end(), c);
        if (c == trenner || wie_oft == 0 || (dezimal.front() == c && wie_oft == 1)) continue;
        const Trennzeichenname& gewaehlt = kNamen[Option(trenner)];
        return "Er enthält " + std::string(kNamen[i].Mehrzahl) + ", als Trennzeichen ist aber " +
               std::string(gewaehlt.MitArtikel) + " gewählt.\nDie Werte mit " +
               std::string(gewaehlt.Mehrzahl) + " trennen oder als Trennzeichen " +
               std::string(kNamen[i].MitArtikel) + " wählen.";
    }
    return "Erlaubt sind Zahlen wie 12, -3" + std::string(dezimal) + "5 oder 1" +
           std::string(dezimal) + "5E+3.";
}

// Commas read as separators where the locale writes decimal commas: a comma right between two
// digits may have been meant as one ("1,5,2,5" are four values, not 1,5 and 2,5).
std::optional<Eingabehinweis> KommaHinweis(const std::string& text, int feld,
                                           bool zweidimensional) {
    for (std::size_t i = 1; i + 1 < text.size(); ++i)
        if (text[i] == ',' && std::isdigit(static_cast<unsigned char>(text[i - 1])) &&
            std::isdigit(static_cast<unsigned char>(text[i + 1]))) {
            const std::vector<std::string_view> teile = Teilen(text, ',');
            const std::string beispiel = std::string(teile[0]) + "," + std::string(teile[1]);
            return Eingabehinweis{
                feld,
                "Das Komma trennt hier die Werte: „" + beispiel + "“ sind in " +
                    Feldname(feld, zweidimensional) + " die Werte " + std::string(teile[0]) +
                    " und " + std::string(teile[1]) +
                    ".\nFür Dezimalzahlen als Trennzeichen die Leerstelle oder das "
                    "Semikolon wählen.",
                false};
        }
    return std::nullopt;
}

}  // namespace

std::optional<Eingabehinweis> HinweisZurEingabe(const Laufergebnis& ergebnis, bool zweidimensional,
                                                char trenner, std::string_view dezimal) {
    const std::string& m1 = ergebnis.txtM1;
    const std::string& m2 = ergebnis.txtM2;
    if (const auto& f = ergebnis.Fehler) {
        const std::string& text = f->Feld == 1 ? m1 : m2;
        const std::string_view stueck =
            std::string_view(text).substr(std::min(f->Anfang, text.size()), f->Laenge);
        const std::string ort = Feldname(f->Feld, zweidimensional);
        const std::string wert = "Wert " + Anzahl(f->Stueck + 1);
        if (OhneRandLeerzeichen(stueck).empty())
            return Eingabehinweis{f->Feld, "In " + ort + " fehlt " + wert +
                                               ": zwischen zwei Trennzeichen steht nichts.\n"
                                               "Den Wert eintragen oder ein Trennzeichen löschen."};
        const std::string zitat = "„" + std::string(stueck) + "“";
        if (f->Art == Fehlerart::Ueberlauf)
            return Eingabehinweis{f->Feld, wert + " in " + ort + " ist zu groß: " + zitat +
                                               ".\nZahlen dürfen höchstens etwa 1" +
                                               std::string(dezimal) + "8E+308 groß sein."};
        return Eingabehinweis{f->Feld, wert + " in " + ort + " ist keine Zahl: " + zitat + ".\n" +
                                           Ursache(stueck, trenner, dezimal)};
    }
    const std::size_t n1 = Teilen(m1, trenner).size();
    const std::size_t n2 = zweidimensional ? Teilen(m2, trenner).size() : n1;
    if (n1 == 0)
        return Eingabehinweis{1,
                              (zweidimensional ? "Merkmal a1" : "Die Urliste") +
                                  std::string(" ist leer: bitte Werte eintragen, getrennt durch ") +
                                  std::string(kNamen[Option(trenner)].MitArtikel) + "."};
    for (const auto& [feld, n] : {std::pair{1, n1}, std::pair{2, n2}})
        if (n > kHoechstensWerte)
            return Eingabehinweis{feld, (zweidimensional ? "Merkmal a" + std::to_string(feld)
                                                         : std::string("Die Urliste")) +
                                            " hat " + Werte(n) + "; höchstens " +
                                            Anzahl(kHoechstensWerte) + " sind möglich."};
    if (n1 != n2)
        return Eingabehinweis{n1 < n2 ? 1 : 2,
                              "a1 hat " + Werte(n1) + ", a2 hat " +
                                  (n2 == 0 ? "keine" : Anzahl(n2)) +
                                  ".\nZu jedem Wert von a1 gehört ein Wert von a2: beide "
                                  "Listen brauchen gleich viele Werte."};
    if (trenner == ',' && dezimal == ",") {
        if (auto h = KommaHinweis(m1, 1, zweidimensional)) return h;
        if (zweidimensional) return KommaHinweis(m2, 2, zweidimensional);
    }
    return std::nullopt;
}

std::string DetailHinweis(bool zweidimensional) {
    std::string eintraege;
    for (const Statistik& s : AlleStatistiken())
        if (s.Zweidimensional == zweidimensional && s.MitBerechnungsschritten)
            eintraege += (eintraege.empty() ? "" : ", ") + std::string(s.Text);
    return "Berechnungsschritte gibt es nur zu: " + eintraege +
           ".\nEinen dieser Einträge in der Liste auswählen.";
}

}  // namespace zv
