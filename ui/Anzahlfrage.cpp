#include "ui/Anzahlfrage.h"

#include <cmath>
#include <string>

#include "base/Text.h"
#include "base/Zahlenlesen.h"

namespace zv {

Antwortpruefung AnzahlAntwortPruefen(std::string_view antwort, std::string_view dezimal) {
    const std::string_view text = OhneRandLeerzeichen(antwort);
    if (text.empty()) return {Antwortart::Nichts, 0};
    if (!IstNumerisch(text, dezimal)) return {Antwortart::NichtNumerisch, 0};
    // Rounded in double precision: a huge or infinite answer is simply out of range.
    const double zahl = std::nearbyint(FuehrendeZahl(text));
    if (!(zahl >= 1.0 && zahl <= 99.0)) return {Antwortart::AusserhalbBereich, 0};
    return {Antwortart::NeueAnzahl, static_cast<std::int16_t>(zahl)};
}

bool AnzahlErfragen(bool eindimensional, std::int16_t& anzahl, std::string_view dezimal,
                    IDialoge& dialoge) {
    const std::string wort = eindimensional ? "Ausprägungen" : "Merkmale";
    const std::string antwort = dialoge.Eingabe(
        "Bitte Anzahl der " + wort + " angeben:", "Zufalsgenerator", std::to_string(anzahl));
    const Antwortpruefung pruefung = AnzahlAntwortPruefen(antwort, dezimal);
    switch (pruefung.Art) {
        case Antwortart::Nichts:
            return false;
        case Antwortart::NichtNumerisch:
            dialoge.Meldung("Bitte nummerische Werte eingeben!", "Fehler Zufallsgenerator",
                            Meldungssymbol::Kritisch);
            return false;
        case Antwortart::AusserhalbBereich:
            dialoge.Meldung("Bitte eine Zahl zwischen 1 und 99 eingeben!", "Zufallsgenerator",
                            Meldungssymbol::Kritisch);
            return false;
        case Antwortart::NeueAnzahl:
            anzahl = pruefung.Anzahl;
            return true;
    }
    return false;
}

}  // namespace zv
