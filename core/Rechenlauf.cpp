#include "core/Rechenlauf.h"

#include <algorithm>

#include "core/Laufzeitfehler.h"
#include "core/Statistiken.h"
#include "core/Text.h"
#include "core/Zahlenlesen.h"
#include "core/Zahltext.h"

namespace zv {

namespace {

constexpr std::string_view kDatenUnvollstaendig = "Daten unvollständig, Berechnung nicht möglich!";
constexpr std::string_view kAnzahlUngleich =
    "Anzahl der Merkmale ist nicht gleich, Berechnung nicht möglich!";

// Splits the trimmed box text at the separator. The upper index is a 16-bit number: 32769 or
// more pieces overflow.
std::vector<std::string_view> InStuecke(std::string_view text, const std::string& trenner,
                                        std::int16_t& obergrenze) {
    // Counted first, so that a flood of separators is refused without being cut up.
    if (std::count(text.begin(), text.end(), trenner.front()) >= 32768) Wirf(Fehlerart::Ueberlauf);
    std::vector<std::string_view> stuecke = Teilen(text, trenner.front());
    obergrenze = static_cast<std::int16_t>(static_cast<int>(stuecke.size()) - 1);
    return stuecke;
}

// Converts every piece. The conversion loop counts in 16 bits: after the last of 32768 pieces
// its counter overflows.
void Umwandeln(const std::vector<std::string_view>& stuecke, const std::string& dezimal,
               std::vector<double>& werte) {
    werte.assign(stuecke.size(), 0.0);
    for (std::size_t i = 0; i < stuecke.size(); ++i) werte[i] = ZahlLesen(stuecke[i], dezimal);
    if (stuecke.size() > 32767) Wirf(Fehlerart::Ueberlauf);
}

}  // namespace

clsRechenlauf::clsRechenlauf(std::string dezimal) : Dezimaltrennzeichen(std::move(dezimal)) {}

void clsRechenlauf::TrennzeichenSetzen(int gewaehlt) {
    static constexpr std::string_view kTrennzeichen[] = {" ", ",", ";", "\t", "~"};
    if (gewaehlt >= 0 && gewaehlt < 5) Trennzeichen = kTrennzeichen[gewaehlt];
    Ausgabetrennzeichen = Trennzeichen + " ";
}

Laufergebnis clsRechenlauf::cmdCalculate_Click(const Steuerzustand& zustand) {
    Laufergebnis ergebnis{{}, zustand.txtM1, zustand.txtM2, zustand.txtNks};
    Ausgabe = std::make_unique<clsConcat>();
    Zweidimensional = zustand.Zweidimensional;

    // Reading the settings and the data set: any error ends the run with its description.
    try {
        Nks = AufInt16Runden(FuehrendeZahl(zustand.txtNks));
        if (Nks == 0) {
            Nks = 3;
            ergebnis.txtNks = "3";
        }
        TrennzeichenSetzen(zustand.Trennzeichenwahl);
        Detail = zustand.chkDetail;

        ergebnis.txtM1 = std::string(OhneRandLeerzeichen(zustand.txtM1));
        const auto stuecke1 = InStuecke(ergebnis.txtM1, Trennzeichen, M1Max);
        if (M1Max == -1) {
            Add(kDatenUnvollstaendig);
            ergebnis.txtAusgabe = Ausgabe->Value();
            return ergebnis;
        }
        Umwandeln(stuecke1, Dezimaltrennzeichen, M1);

        if (zustand.Zweidimensional) {
            ergebnis.txtM2 = std::string(OhneRandLeerzeichen(zustand.txtM2));
            const auto stuecke2 = InStuecke(ergebnis.txtM2, Trennzeichen, M2Max);
            if (M1Max != M2Max) {
                Add(kAnzahlUngleich);
                ergebnis.txtAusgabe = Ausgabe->Value();
                return ergebnis;
            }
            Umwandeln(stuecke2, Dezimaltrennzeichen, M2);
        }

        AusgabeUrliste();
    } catch (const Laufzeitfehler& fehler) {
        Add(fehler.what());
        ergebnis.txtAusgabe = Ausgabe->Value();
        return ergebnis;
    }

    // The selected statistics in list order; an error ends only its own section.
    for (const Listeneintrag& eintrag : zustand.lstSelection) {
        if (!eintrag.Ausgewaehlt) continue;
        const Statistik* statistik = StatistikZuText(eintrag.Text);
        if (statistik == nullptr) continue;
        try {
            statistik->Routine(*this);
        } catch (const Laufzeitfehler& fehler) {
            Add(fehler.what());
        }
    }

    ergebnis.txtAusgabe = Ausgabe->Value();
    return ergebnis;
}

std::string clsRechenlauf::Voll(double x) const { return VollText(x, Dezimaltrennzeichen); }

std::string clsRechenlauf::Gerundet(double x) const {
    return GerundetText(x, Nks, Dezimaltrennzeichen);
}

std::string clsRechenlauf::Verbunden(const std::vector<std::string>& teile) const {
    return Verbinden(teile, Ausgabetrennzeichen);
}

}  // namespace zv
