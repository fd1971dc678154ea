// libFuzzer target: runs the calculation with control states and box texts taken from the fuzz
// input and checks what must hold for every report, whatever was typed: it is valid UTF-8 with
// every line ending in CR LF and no infinite or NaN value, it is empty only when nothing can be
// shown, an error line stands only where an error may, the sections come in list order, and
// the boxes come back trimmed of blanks. On a violation it prints the report and aborts.
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
#include "base/Text.h"
#include "base/Zahlenlesen.h"
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

// The box without its leading and trailing blanks (only code 32).
std::string Getrimmt(const std::string& s) {
    const std::size_t a = s.find_first_not_of(' ');
    return a == s.npos ? "" : s.substr(a, s.find_last_not_of(' ') - a + 1);
}

// Number of pieces of a trimmed box, and whether the run can read them all.
std::pair<std::size_t, bool> Stuecke(const std::string& box, char trenner, const std::string& d) {
    const auto teile = zv::Teilen(box, trenner);
    try {
        for (string_view teil : teile) zv::ZahlLesen(teil, d);
    } catch (const zv::Laufzeitfehler&) {
        return {teile.size(), false};
    }
    return {teile.size(), teile.size() <= 32767};
}

void Pruefe(const zv::Steuerzustand& z, const std::string& dezimal, const zv::Laufergebnis& e) {
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

    // The decimal-places box is read first; out of range ends the run before the boxes.
    bool nksLesbar = true;
    try {
        static_cast<void>(zv::AufInt16Runden(zv::FuehrendeZahl(z.txtNks)));
    } catch (const zv::Laufzeitfehler&) {
        nksLesbar = false;
    }
    const char trenner = Trennzeichen(z.Trennzeichenwahl);
    const auto [n1, lesbar1] = Stuecke(Getrimmt(z.txtM1), trenner, dezimal);
    const auto [n2, lesbar2] = Stuecke(Getrimmt(z.txtM2), trenner, dezimal);
    const bool zweiteErreicht = nksLesbar && z.Zweidimensional && n1 > 0 && lesbar1;
    if (e.txtM1 != (nksLesbar ? Getrimmt(z.txtM1) : z.txtM1)) Verletzt("first box", bericht);
    if (e.txtM2 != (zweiteErreicht ? Getrimmt(z.txtM2) : z.txtM2)) Verletzt("second box", bericht);

    // The runs that end before the raw list give one message or error line.
    auto EineZeile = [&](bool fehler, string_view text = {}) {
        if (zeilen.size() != 1 || (fehler ? !IstFehlerzeile(zeilen[0]) : zeilen[0] != text))
            Verletzt("wrong one-line report", bericht);
    };
    if (!nksLesbar) return EineZeile(false, "Überlauf");
    if (n1 == 0) return EineZeile(false, "Daten unvollständig, Berechnung nicht möglich!");
    if (!lesbar1) return EineZeile(true);
    if (z.Zweidimensional && n2 > 32768) return EineZeile(true);  // beyond the 16-bit index
    if (z.Zweidimensional && n1 != n2)
        return EineZeile(false, "Anzahl der Merkmale ist nicht gleich, Berechnung nicht möglich!");
    if (z.Zweidimensional && !lesbar2) return EineZeile(true);

    // The raw list: a line (a table of three lines in two dimensions) and an empty line; a
    // single value in one dimension has none.
    const std::size_t pos = z.Zweidimensional ? 4 : n1 > 1 ? 2 : 0;
    if (zeilen.size() < pos || (pos > 0 && !zeilen[pos - 1].empty())) Verletzt("raw list", bericht);
    std::vector<string_view> gewaehlt;
    for (const zv::Listeneintrag& eintrag : z.lstSelection)
        if (eintrag.Ausgewaehlt) gewaehlt.push_back(eintrag.Text);
    if (bericht.empty() && (pos > 0 || !gewaehlt.empty())) Verletzt("empty report", bericht);

    // Whether the selected sections from k on make up exactly the lines from p on. A section is
    // its title and its lines up to the next title or error line, optionally that error line.
    // Three sections compute before their title and may instead be a lone error line, so an
    // error line after a section that ended without one is tried in both readings.
    auto IstTitel = [](string_view zeile) {
        const auto alle = zv::AlleStatistiken();
        return std::any_of(alle.begin(), alle.end(),
                           [&](const zv::Statistik& s) { return s.Titel == zeile; });
    };
    auto Passt = [&](auto& selbst, std::size_t k, std::size_t p) -> bool {
        if (k == gewaehlt.size()) return p == zeilen.size();
        if (p >= zeilen.size()) return false;
        if (IstFehlerzeile(zeilen[p]))
            return (gewaehlt[k] == "Randhäufigkeiten" || gewaehlt[k] == "Bedingte Häufigkeiten" ||
                    gewaehlt[k] == "Kontingenzkoeffizient") &&
                   selbst(selbst, k + 1, p + 1);
        if (zeilen[p] != Titel(gewaehlt[k])) return false;
        std::size_t q = p + 1;
        while (q < zeilen.size() && !IstTitel(zeilen[q]) && !IstFehlerzeile(zeilen[q])) ++q;
        if (q < zeilen.size() && IstFehlerzeile(zeilen[q]) && selbst(selbst, k + 1, q + 1))
            return true;
        // Ended without an error: on its empty line, on the message that refuses the lists, or
        // (the determination section without details) on its result line.
        const string_view letzte = zeilen[q - 1];
        return (letzte.empty() ||
                letzte == "Anzahl der Ausprägungen nicht identisch, Berechnung nicht möglich." ||
                (gewaehlt[k] == "Determinationskoeffizient" && letzte.starts_with("R² = "))) &&
               selbst(selbst, k + 1, q);
    };
    if (!Passt(Passt, 0, pos))
        Verletzt("sections out of order, or a misplaced error line", bericht);
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
    Pruefe(z, dezimal, zv::clsRechenlauf(dezimal).cmdCalculate_Click(z));
    return 0;
}
