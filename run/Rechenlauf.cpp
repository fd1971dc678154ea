#include "run/Rechenlauf.h"

#include <algorithm>

#include "base/Laufzeitfehler.h"
#include "base/Text.h"
#include "base/Zahlenlesen.h"
#include "base/clsConcat.h"
#include "run/Statistiken.h"
#include "run/Trennzeichen.h"
#include "sections/Abschnitte.h"

namespace zv {

namespace {

constexpr std::string_view kDatenUnvollstaendig = "Daten unvollständig, Berechnung nicht möglich!";
constexpr std::string_view kAnzahlUngleich =
    "Anzahl der Merkmale ist nicht gleich, Berechnung nicht möglich!";

// Splits the trimmed box text at the separator. A text of 32769 pieces or more is refused with
// an overflow.
std::vector<std::string_view> InStuecke(std::string_view text, char trenner) {
    // Counted first, so that a flood of separators is refused without being cut up.
    if (std::count(text.begin(), text.end(), trenner) >= 32768) Wirf(Fehlerart::Ueberlauf);
    return Teilen(text, trenner);
}

// Converts every piece; a piece that cannot be read is named in the error. A list of 32768
// pieces is refused with an overflow only after all of them were converted, so that a piece
// that cannot be read is reported instead. No list holds more than 32767 values.
std::vector<double> Umwandeln(const std::vector<std::string_view>& stuecke, std::string_view text,
                              const std::string& dezimal, int feld,
                              std::optional<Lesefehler>& fehler) {
    std::vector<double> werte(stuecke.size());
    for (std::size_t i = 0; i < stuecke.size(); ++i) {
        try {
            werte[i] = ZahlLesen(stuecke[i], dezimal);
        } catch (const Laufzeitfehler& f) {
            fehler = Lesefehler{feld, i, static_cast<std::size_t>(stuecke[i].data() - text.data()),
                                stuecke[i].size(), f.Art()};
            throw;
        }
    }
    if (stuecke.size() > 32767) Wirf(Fehlerart::Ueberlauf);
    return werte;
}

// Trims leading and trailing blanks in place, without a second copy of the box.
void OhneRandLeerzeichenKuerzen(std::string& text) {
    const std::string_view innen = OhneRandLeerzeichen(text);
    const std::size_t anfang =
        innen.empty() ? 0 : static_cast<std::size_t>(innen.data() - text.data());
    text.resize(anfang + innen.size());
    text.erase(0, anfang);
}

}  // namespace

clsRechenlauf::clsRechenlauf(std::string dezimal) {
    einstellungen_.Dezimaltrennzeichen = std::move(dezimal);
}

void clsRechenlauf::TrennzeichenSetzen(int gewaehlt) {
    if (IstTrennzeichenwahl(gewaehlt))
        einstellungen_.Trennzeichen = std::string(1, kTrennzeichenoptionen[gewaehlt].Zeichen);
    einstellungen_.Ausgabetrennzeichen = einstellungen_.Trennzeichen + " ";
}

Lesung clsRechenlauf::Einlesen(Steuerzustand zustand) {
    Lesung l{{}, {}, {}, {}, std::move(zustand.txtM1), std::move(zustand.txtM2), zustand.txtNks};
    Datensatz daten;
    daten.Zweidimensional = zustand.Zweidimensional;
    try {
        einstellungen_.Nks = AufInt16Runden(FuehrendeZahl(zustand.txtNks));
        if (einstellungen_.Nks == 0) {
            einstellungen_.Nks = 3;
            l.txtNks = "3";
        }
        TrennzeichenSetzen(zustand.Trennzeichenwahl);
        einstellungen_.Detail = zustand.chkDetail;
        einstellungen_.Rechentabellen = zustand.Rechentabellen;
        einstellungen_.Quartile = zustand.Quartile;
        l.Einstellungen = einstellungen_;
        const char trenner = einstellungen_.Trennzeichen.front();

        OhneRandLeerzeichenKuerzen(l.txtM1);
        const auto stuecke1 = InStuecke(l.txtM1, trenner);
        if (stuecke1.empty()) {
            l.Abbruch = kDatenUnvollstaendig;
            return l;
        }
        daten.M1 = Umwandeln(stuecke1, l.txtM1, einstellungen_.Dezimaltrennzeichen, 1, l.Fehler);

        if (zustand.Zweidimensional) {
            OhneRandLeerzeichenKuerzen(l.txtM2);
            const auto stuecke2 = InStuecke(l.txtM2, trenner);
            if (stuecke1.size() != stuecke2.size()) {
                l.Abbruch = kAnzahlUngleich;
                return l;
            }
            daten.M2 =
                Umwandeln(stuecke2, l.txtM2, einstellungen_.Dezimaltrennzeichen, 2, l.Fehler);
        }
    } catch (const Laufzeitfehler& fehler) {
        l.Abbruch = fehler.what();
        return l;
    }
    l.Daten = std::move(daten);
    return l;
}

Laufergebnis clsRechenlauf::cmdCalculate_Click(Steuerzustand zustand) {
    // The boxes move into the result: a box may hold megabytes, and each copy costs as much.
    const std::vector<Listeneintrag> auswahl = std::move(zustand.lstSelection);
    Lesung l = Einlesen(std::move(zustand));
    Laufergebnis ergebnis{
        {}, std::move(l.txtM1), std::move(l.txtM2), std::move(l.txtNks), std::move(l.Fehler)};
    clsConcat Ausgabe;
    // A run that ends early shows one line: a message, or the description of an error.
    const auto endeMit = [&](std::string_view zeile) {
        Ausgabe.Add(zeile);
        ergebnis.txtAusgabe = Ausgabe.Value();
        return std::move(ergebnis);  // called once, on the way out
    };
    if (!l.Daten) return endeMit(l.Abbruch);

    Laufkontext kontext(*l.Daten, einstellungen_, Stat, Ausgabe);
    try {
        AusgabeUrliste(kontext);
    } catch (const Laufzeitfehler& fehler) {
        return endeMit(fehler.what());
    }

    // The selected statistics in list order; an error ends only its own section.
    for (const Listeneintrag& eintrag : auswahl) {
        if (!eintrag.Ausgewaehlt) continue;
        if (const Statistik* statistik = StatistikZuText(eintrag.Text))
            AbschnittSchreiben(*statistik, kontext);
    }

    ergebnis.txtAusgabe = Ausgabe.Value();
    return ergebnis;
}

}  // namespace zv
