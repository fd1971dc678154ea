// libFuzzer target: drives the calculation run with control states and box texts taken from
// the fuzz input and checks what must hold for every report, whatever was typed.
//
// Input layout (every byte string is a valid input):
//   byte 0      flags: bit 0 two-dimensional, bit 1 detail switch, bit 2 decimal point "."
//               (else ","), bit 3 select every entry of the list; bits 4 to 7 are a
//               repeat code: 13, 14 and 15 repeat short boxes (up to 64 bytes) 10, 100 and
//               1100 times, joined by the separator, so that the long lists near the 16-bit
//               limits are reached as well (rarely, as they are slow to run)
//   byte 1      separator option: value % 6 - 1, so -1 (none chosen) .. 4
//   bytes 2, 3  selected entries, one bit per entry in list order (byte 2 is the low byte)
//   the rest    decimal-places text | first box | second box   ('|' separates the fields)
//
// On a violated invariant the target prints what it saw and aborts.

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "core/Laufzeitfehler.h"
#include "core/Rechenlauf.h"
#include "core/Statistiken.h"
#include "core/Text.h"
#include "core/Zahlenlesen.h"

namespace {

using zv::Fehlerart;

constexpr std::string_view kDatenUnvollstaendig = "Daten unvollständig, Berechnung nicht möglich!";
constexpr std::string_view kAnzahlUngleich =
    "Anzahl der Merkmale ist nicht gleich, Berechnung nicht möglich!";
constexpr std::string_view kAuspraegungen =
    "Anzahl der Ausprägungen nicht identisch, Berechnung nicht möglich.";

[[noreturn]] void Verletzt(const char* regel, const std::string& bericht) {
    std::fprintf(stderr, "invariant violated: %s\n--- report (%zu bytes) ---\n%.4000s\n", regel,
                 bericht.size(), bericht.c_str());
    std::abort();
}

bool IstFehlerzeile(std::string_view zeile) {
    for (Fehlerart art :
         {Fehlerart::Typenunvertraeglich, Fehlerart::Ueberlauf, Fehlerart::DivisionDurchNull,
          Fehlerart::IndexAusserhalb, Fehlerart::UngueltigesArgument})
        if (zeile == zv::Beschreibung(art)) return true;
    return false;
}

// The title line each list entry's section starts with.
std::string_view Titel(std::string_view eintrag) {
    static constexpr std::string_view kTitel[][2] = {
        {"Modus", "MODUS"},
        {"Median", "MEDIAN"},
        {"Arithmetisches Mittel", "ARITHMETISCHES MITTEL (MITTELWERT)"},
        {"Spannweite", "SPANNWEITE"},
        {"Durchschnittliche Abweichung", "DURCHSCHNITTLICHE ABWEICHUNG"},
        {"Mittlere quadratische Abweichung", "MITTLERE QUADRATISCHE ABWEICHUNG (VARIANZ)"},
        {"Standardabweichnung", "STANDARDABWEICHNUNG"},
        {"Randhäufigkeiten", "RANDHÄUFIGKEITEN"},
        {"Bedingte Häufigkeiten", "BEDINGTE HÄUFIGKEITEN"},
        {"Unabhängigkeitsquotienten", "UNABHÄNGIGKEITSQUOTIENTEN"},
        {"Kontingenzkoeffizient", "KONTINGENZKOEFFIZIENT"},
        {"Schwerpunkt", "SCHWERPUNKT"},
        {"Bravais-Pearson-Korrelationskoeffizient", "BRAVAIS-PEARSON-KORRELATIONSKOEFFIZIENT"},
        {"Spearmen-Rangkorrelationskoeffizient", "RANGKORRELATIONSKOEFFIZIENT VON SPEARMAN"},
        {"Lineare Regression", "LINEARE REGRESSION"},
        {"Determinationskoeffizient", "DETERMINATIONSKOEFFIZIENT"},
    };
    for (const auto& t : kTitel)
        if (t[0] == eintrag) return t[1];
    return {};
}

// These three build their values before their title: a fault leaves only the error line.
bool FehlerVorDemTitel(std::string_view eintrag) {
    return eintrag == "Randhäufigkeiten" || eintrag == "Bedingte Häufigkeiten" ||
           eintrag == "Kontingenzkoeffizient";
}

bool IstGueltigesUtf8(std::string_view s) {
    for (std::size_t i = 0; i < s.size();) {
        const auto c = static_cast<unsigned char>(s[i]);
        // Continuation bytes after a lead byte; 9 marks a byte that cannot start a character.
        const std::size_t folge = c < 0x80                ? 0
                                  : c >= 0xC2 && c < 0xE0 ? 1
                                  : c >= 0xE0 && c < 0xF0 ? 2
                                  : c >= 0xF0 && c < 0xF5 ? 3
                                                          : 9;
        if (folge == 9 || i + folge >= s.size()) return false;
        for (std::size_t k = 1; k <= folge; ++k)
            if ((static_cast<unsigned char>(s[i + k]) & 0xC0) != 0x80) return false;
        i += folge + 1;
    }
    return true;
}

// The separator of an option index; with no option chosen a fresh run keeps the blank it
// starts with.
char Trennzeichen(int wahl) {
    static constexpr char kTrenner[] = {' ', ',', ';', '\t', '~'};
    return wahl >= 0 && wahl < 5 ? kTrenner[wahl] : ' ';
}

// The report split into its lines; every line must end in CR LF and no CR or LF may stand
// anywhere else.
std::vector<std::string_view> InZeilen(const std::string& bericht) {
    std::vector<std::string_view> zeilen;
    std::string_view rest(bericht);
    while (!rest.empty()) {
        const std::size_t ende = rest.find_first_of("\r\n");
        if (ende == rest.npos) Verletzt("last line without CR LF", bericht);
        if (rest[ende] != '\r' || ende + 1 >= rest.size() || rest[ende + 1] != '\n')
            Verletzt("lone CR or LF", bericht);
        zeilen.push_back(rest.substr(0, ende));
        rest.remove_prefix(ende + 2);
    }
    return zeilen;
}

// What the run must do with one box: how many pieces and whether all of them convert.
struct Box {
    std::string getrimmt;
    std::size_t stuecke = 0;
    bool lesbar = true;  // every piece converts and the count fits
};

Box Pruefen(const std::string& text, char trenner, const std::string& dezimal) {
    Box b;
    b.getrimmt = std::string(zv::OhneRandLeerzeichen(text));
    const auto teile = zv::Teilen(b.getrimmt, trenner);
    b.stuecke = teile.size();
    if (teile.size() > 32767) b.lesbar = false;
    for (std::size_t i = 0; b.lesbar && i < teile.size(); ++i) {
        try {
            zv::ZahlLesen(teile[i], dezimal);
        } catch (const zv::Laufzeitfehler&) {
            b.lesbar = false;
        }
    }
    return b;
}

void Pruefe(const zv::Steuerzustand& z, const std::string& dezimal, const zv::Laufergebnis& e) {
    const std::string& bericht = e.txtAusgabe;
    const std::vector<std::string_view> zeilen = InZeilen(bericht);
    if (!IstGueltigesUtf8(bericht)) Verletzt("report is not valid UTF-8", bericht);
    for (std::string_view zeile : zeilen)
        for (std::string_view wort : {"inf", "nan", "Inf", "NaN", "INF", "NAN"})
            if (zeile.find(wort) != zeile.npos) Verletzt("infinite or NaN value printed", bericht);

    // The settings: decimal places first, an error there ends the run before the boxes.
    bool nksLesbar = true;
    std::int16_t nks = 0;
    try {
        nks = zv::AufInt16Runden(zv::FuehrendeZahl(z.txtNks));
    } catch (const zv::Laufzeitfehler&) {
        nksLesbar = false;
    }
    const char trenner = Trennzeichen(z.Trennzeichenwahl);
    const std::string ausgabetrenner = std::string(1, trenner) + " ";

    const Box b1 = Pruefen(z.txtM1, trenner, dezimal);
    const Box b2 = Pruefen(z.txtM2, trenner, dezimal);

    // Written-back boxes: trimmed of blanks, the second one only when the run got that far.
    const std::string erwartetNks = nksLesbar && nks == 0 ? "3" : z.txtNks;
    if (e.txtNks != erwartetNks) Verletzt("decimal-places box written back wrongly", bericht);
    const std::string& m1 = nksLesbar ? b1.getrimmt : z.txtM1;
    const bool zweiteErreicht = nksLesbar && z.Zweidimensional && b1.stuecke > 0 && b1.lesbar;
    const std::string& m2 = zweiteErreicht ? b2.getrimmt : z.txtM2;
    if (e.txtM1 != m1) Verletzt("first box not written back trimmed of blanks", bericht);
    if (e.txtM2 != m2) Verletzt("second box not written back as expected", bericht);

    // The runs that end before the raw list.
    auto EineZeile = [&](bool fehler, std::string_view text) {
        if (zeilen.size() != 1) Verletzt("expected a one-line report", bericht);
        if (fehler ? !IstFehlerzeile(zeilen[0]) : zeilen[0] != text)
            Verletzt("wrong one-line report", bericht);
    };
    if (!nksLesbar) return EineZeile(false, "Überlauf");
    if (b1.stuecke == 0) return EineZeile(false, kDatenUnvollstaendig);
    if (!b1.lesbar) return EineZeile(true, {});
    if (z.Zweidimensional) {
        // More pieces than a 16-bit upper index can count fail before the counts are compared.
        if (b2.stuecke > 32768) return EineZeile(true, {});
        if (b1.stuecke != b2.stuecke) return EineZeile(false, kAnzahlUngleich);
        if (!b2.lesbar) return EineZeile(true, {});
    }

    // The raw list: its values in the number typed.
    std::size_t pos = 0;
    auto Werteanzahl = [&](std::string_view zeile, std::string_view kopf) {
        if (zeile.substr(0, kopf.size()) != kopf) Verletzt("raw-list line head", bericht);
        const std::string_view werte = zeile.substr(kopf.size());
        std::size_t anzahl = 1;
        for (std::size_t p = werte.find(ausgabetrenner); p != werte.npos;
             p = werte.find(ausgabetrenner, p + ausgabetrenner.size()))
            ++anzahl;
        // Padding blanks may follow the blank separator's two blanks: count runs, not pairs.
        if (trenner == ' ') {
            anzahl = 0;
            bool inWert = false;
            for (char c : werte) {
                if (c != ' ' && !inWert) ++anzahl;
                inWert = c != ' ';
            }
        }
        return anzahl;
    };
    if (!z.Zweidimensional) {
        if (b1.stuecke > 1) {
            if (zeilen.size() < 2 || Werteanzahl(zeilen[0], "Urliste: ") != b1.stuecke ||
                !zeilen[1].empty())
                Verletzt("raw list", bericht);
            pos = 2;
        }
    } else {
        if (zeilen.size() < 4 || Werteanzahl(zeilen[0], "Merkmal ") != b1.stuecke ||
            Werteanzahl(zeilen[1], "(x)  a1 ") != b1.stuecke ||
            Werteanzahl(zeilen[2], "(y)  a2 ") != b1.stuecke || !zeilen[3].empty())
            Verletzt("raw-list table", bericht);
        pos = 4;
    }

    // The sections, in list order: each is its title and its lines up to the next title, and
    // an error line ends it. The three sections that compute before their title may instead
    // be a lone error line. So an error line is the last line of the report or is followed
    // by a title or by such a lone error line, and nothing else.
    std::vector<std::string_view> gewaehlt;
    for (const zv::Listeneintrag& eintrag : z.lstSelection)
        if (eintrag.Ausgewaehlt && zv::StatistikZuText(eintrag.Text) != nullptr)
            gewaehlt.push_back(eintrag.Text);
    if (bericht.empty() && (z.Zweidimensional || b1.stuecke != 1 || !gewaehlt.empty()))
        Verletzt("empty report", bericht);

    auto IstTitel = [&](std::string_view zeile) {
        for (const zv::Statistik& s : zv::AlleStatistiken())
            if (zeile == Titel(s.Text)) return true;
        return false;
    };
    // Whether the selected sections from k on make up exactly the lines from p on. A section
    // is its title and the lines up to the next title or error line, optionally that error
    // line; an error line after a section that ended without one can also be the next
    // section failing before its title, so both readings are tried.
    auto Passt = [&](auto& selbst, std::size_t k, std::size_t p) -> bool {
        if (k == gewaehlt.size()) return p == zeilen.size();
        if (p >= zeilen.size()) return false;
        if (IstFehlerzeile(zeilen[p]))
            return FehlerVorDemTitel(gewaehlt[k]) && selbst(selbst, k + 1, p + 1);
        if (zeilen[p] != Titel(gewaehlt[k])) return false;
        std::size_t q = p + 1;
        while (q < zeilen.size() && !IstTitel(zeilen[q]) && !IstFehlerzeile(zeilen[q])) ++q;
        if (q < zeilen.size() && IstFehlerzeile(zeilen[q]) && selbst(selbst, k + 1, q + 1))
            return true;
        // Ended without an error: on its empty line, on the message that refuses the lists,
        // or (the determination section without details) on its result line.
        const std::string_view letzte = zeilen[q - 1];
        const bool ordentlich =
            letzte.empty() || letzte == kAuspraegungen ||
            (gewaehlt[k] == "Determinationskoeffizient" && letzte.substr(0, 6) == "R² = ");
        return ordentlich && selbst(selbst, k + 1, q);
    };
    if (!Passt(Passt, 0, pos))
        Verletzt("sections out of list order, or an error line where none may stand", bericht);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t groesse) {
    if (groesse < 4) return 0;
    const unsigned flags = daten[0];
    zv::Steuerzustand z;
    z.Zweidimensional = (flags & 1) != 0;
    z.chkDetail = (flags & 2) != 0;
    const std::string dezimal = (flags & 4) != 0 ? "." : ",";
    const bool alle = (flags & 8) != 0;
    z.Trennzeichenwahl = static_cast<int>(daten[1] % 6) - 1;
    const unsigned auswahl = daten[2] | (static_cast<unsigned>(daten[3]) << 8);

    const std::string_view rest(reinterpret_cast<const char*>(daten + 4), groesse - 4);
    const std::size_t s1 = rest.find('|');
    const std::size_t s2 = s1 == rest.npos ? rest.npos : rest.find('|', s1 + 1);
    z.txtNks = std::string(rest.substr(0, s1));
    if (s1 != rest.npos)
        z.txtM1 = std::string(rest.substr(s1 + 1, s2 == rest.npos ? rest.npos : s2 - s1 - 1));
    if (s2 != rest.npos) z.txtM2 = std::string(rest.substr(s2 + 1));

    const unsigned code = flags >> 4;
    const int wiederholungen = code == 15 ? 1100 : code == 14 ? 100 : code == 13 ? 10 : 1;
    if (wiederholungen > 1 && z.txtM1.size() <= 64 && z.txtM2.size() <= 64) {
        const char trenner = Trennzeichen(z.Trennzeichenwahl);
        for (std::string* box : {&z.txtM1, &z.txtM2}) {
            if (box->empty()) continue;
            std::string lang;
            lang.reserve((box->size() + 1) * wiederholungen);
            for (int i = 0; i < wiederholungen; ++i) {
                if (i > 0) lang.push_back(trenner);
                lang += *box;
            }
            *box = std::move(lang);
        }
    }

    const std::vector<std::string> eintraege = zv::ListenEintraege(z.Zweidimensional);
    for (std::size_t i = 0; i < eintraege.size(); ++i)
        z.lstSelection.push_back({eintraege[i], alle || ((auswahl >> i) & 1u) != 0});

    zv::clsRechenlauf frisch(dezimal);
    const zv::Laufergebnis ergebnis = frisch.cmdCalculate_Click(z);
    Pruefe(z, dezimal, ergebnis);

    // A window runs many times on the same fields: after a run in the other mode with every
    // entry selected, and a second press, the same state gives the same report.
    zv::Steuerzustand anders = z;
    anders.Zweidimensional = !z.Zweidimensional;
    anders.chkDetail = true;
    anders.lstSelection.clear();
    for (const std::string& text : zv::ListenEintraege(anders.Zweidimensional))
        anders.lstSelection.push_back({text, true});
    frisch.cmdCalculate_Click(anders);
    if (frisch.cmdCalculate_Click(z).txtAusgabe != ergebnis.txtAusgabe)
        Verletzt("a later run on the same fields gives another report", ergebnis.txtAusgabe);
    return 0;
}
