// libFuzzer target: runs the calculation with control states and box texts taken from the fuzz
// input and checks what must hold for every report, whatever was typed: it is valid UTF-8 with
// every line ending in CR LF and no infinite or NaN value, it is empty only when nothing can be
// shown, and every selected section stands in list order. On a violation it prints the report
// and aborts.
//
// Input layout (any bytes are an input):
//   byte 0     bit 0 two-dimensional, bit 1 details, bit 2 decimal point "." (else ","),
//              bit 3 every entry selected; bits 4-7 = 13, 14, 15 repeat short boxes (up to 64
//              bytes) 10, 100, 1100 times, joined by the separator, to reach the long lists
//   byte 1     separator option: value % 6 - 1 (-1, none chosen, .. 4); value / 6 odd: the
//              calculation tables
//   bytes 2-3  selected entries, one bit each in list order (byte 2 is the low byte)
//   the rest   decimal places | first box | second box

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "base/Laufzeitfehler.h"
#include "run/Rechenlauf.h"
#include "run/Statistiken.h"
#include "run/Trennzeichen.h"

namespace {

using std::string_view;

[[noreturn]] void Verletzt(const char* regel, const std::string& bericht) {
    std::fprintf(stderr, "invariant violated: %s\n--- report (%zu bytes) ---\n%.4000s\n", regel,
                 bericht.size(), bericht.c_str());
    std::abort();
}

bool IstFehlerzeile(string_view zeile) {
    for (int art = 0; art <= static_cast<int>(zv::Fehlerart::UngueltigesArgument); ++art)
        if (zeile == zv::Beschreibung(static_cast<zv::Fehlerart>(art))) return true;
    return false;
}

std::string_view Titel(std::string_view eintrag) {
    return zv::StatistikZuText(eintrag)->Titel;
}

bool IstGueltigesUtf8(string_view s) {
    for (std::size_t i = 0; i < s.size();) {
        const auto c = static_cast<unsigned char>(s[i]);
        // Continuation bytes after a lead byte; -1 for a byte that cannot start a character.
        const int folge = c < 0x80 ? 0 : c >= 0xC2 && c < 0xF5 ? 1 + (c >= 0xE0) + (c >= 0xF0) : -1;
        if (folge < 0 || i + folge >= s.size()) return false;
        for (std::size_t k = 1; k <= static_cast<std::size_t>(folge); ++k)
            if ((static_cast<unsigned char>(s[i + k]) & 0xC0) != 0x80) return false;
        i += folge + 1;
    }
    return true;
}

// The separator of the option; without one a new run splits at blanks.
char Trennzeichen(int wahl) {
    return zv::IstTrennzeichenwahl(wahl) ? zv::kTrennzeichenoptionen[wahl].Zeichen : ' ';
}

void Pruefe(const zv::Steuerzustand& z, const zv::Laufergebnis& e) {
    const std::string& bericht = e.txtAusgabe;
    std::vector<string_view> zeilen;
    for (string_view rest(bericht); !rest.empty();) {
        const std::size_t ende = rest.find_first_of("\r\n");
        if (ende == rest.npos || rest.substr(ende, 2) != "\r\n")
            Verletzt("line not ended in CR LF", bericht);
        zeilen.push_back(rest.substr(0, ende));
        rest.remove_prefix(ende + 2);
    }
    if (!IstGueltigesUtf8(bericht)) Verletzt("report is not valid UTF-8", bericht);
    for (string_view wort : {"inf", "nan", "Inf", "NaN", "INF", "NAN"})
        if (bericht.find(wort) != bericht.npos) Verletzt("infinite or NaN value printed", bericht);

    // A run that ends before the raw list gives one message or error line.
    static constexpr string_view kMeldungen[] = {
        "Daten unvollständig, Berechnung nicht möglich!",
        "Anzahl der Merkmale ist nicht gleich, Berechnung nicht möglich!"};
    const bool urliste = !zeilen.empty() &&
                         (zeilen[0].starts_with("Urliste: ") || zeilen[0].starts_with("Merkmal "));
    if (!urliste && zeilen.size() == 1 &&
        (IstFehlerzeile(zeilen[0]) || zeilen[0] == kMeldungen[0] || zeilen[0] == kMeldungen[1]))
        return;

    // Otherwise the raw list (a line, or a table of three lines in two dimensions, and an empty
    // line; a single value in one dimension has none), then the sections in list order.
    std::size_t p = !urliste ? 0 : z.Zweidimensional ? 4 : 2;
    if (zeilen.size() < p || (p > 0 && !zeilen[p - 1].empty())) Verletzt("raw list", bericht);
    for (const zv::Listeneintrag& eintrag : z.lstSelection) {
        if (!eintrag.Ausgewaehlt) continue;
        const auto titel = std::find(zeilen.begin() + static_cast<std::ptrdiff_t>(p), zeilen.end(),
                                     Titel(eintrag.Text));
        if (titel != zeilen.end()) {
            p = static_cast<std::size_t>(titel - zeilen.begin()) + 1;
        } else if (eintrag.Text != "Randhäufigkeiten" && eintrag.Text != "Bedingte Häufigkeiten" &&
                   eintrag.Text != "Kontingenzkoeffizient") {
            // Only these compute before their title and may stand as a lone error line.
            Verletzt("section missing or out of list order", bericht);
        }
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t groesse) {
    if (groesse < 4) return 0;
    zv::Steuerzustand z;
    z.Zweidimensional = (daten[0] & 1) != 0;
    z.chkDetail = (daten[0] & 2) != 0;
    const std::string dezimal = (daten[0] & 4) != 0 ? "." : ",";
    z.Trennzeichenwahl = daten[1] % 6 - 1;
    z.Rechentabellen = daten[1] / 6 % 2 != 0;
    z.Quartile =
        daten[1] / 12 % 2 != 0 ? zv::Quartilsmethode::Standard : zv::Quartilsmethode::Haelften;
    const unsigned auswahl = (daten[0] & 8) != 0 ? 0xFFFF : daten[2] | daten[3] << 8;
    const std::vector<std::string> eintraege = zv::ListenEintraege(z.Zweidimensional);
    for (std::size_t i = 0; i < eintraege.size(); ++i)
        z.lstSelection.push_back({eintraege[i], ((auswahl >> i) & 1u) != 0});

    const string_view rest(reinterpret_cast<const char*>(daten + 4), groesse - 4);
    const std::size_t s1 = rest.find('|'), s2 = rest.find('|', s1 == rest.npos ? s1 : s1 + 1);
    z.txtNks = rest.substr(0, s1);
    if (s1 != rest.npos) z.txtM1 = rest.substr(s1 + 1, s2 == rest.npos ? s2 : s2 - s1 - 1);
    if (s2 != rest.npos) z.txtM2 = rest.substr(s2 + 1);

    const int mal[] = {10, 100, 1100};
    if (daten[0] >> 4 >= 13 && z.txtM1.size() <= 64 && z.txtM2.size() <= 64) {
        for (std::string* box : {&z.txtM1, &z.txtM2}) {
            std::string lang = *box;
            for (int i = 1; !box->empty() && i < mal[(daten[0] >> 4) - 13]; ++i)
                lang += Trennzeichen(z.Trennzeichenwahl) + *box;
            *box = lang;
        }
    }
    Pruefe(z, zv::clsRechenlauf(dezimal).cmdCalculate_Click(z));
    return 0;
}
