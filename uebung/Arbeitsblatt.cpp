#include "uebung/Arbeitsblatt.h"

#include <algorithm>

#include "base/Text.h"
#include "base/Zahltext.h"
#include "run/Trennzeichen.h"
#include "uebung/Aufgabe.h"

namespace zv {

namespace {

// Pages and start values lie this far apart on the clock; the generator moves it by at most
// kMeisteWerte either way.
constexpr double kBlattabstand = 1000.0;
constexpr double kStartabstand = kBlattabstand * (kMeisteBlaetter + 1);

// Values per line of the data block, and the columns each takes (up to "100" and blanks).
constexpr std::size_t kWerteProZeile = 12;
constexpr std::size_t kWertbreite = 5;
// The mark before a piece of a line carried on from the line above.
constexpr const char* kFortsetzung = "» ";
constexpr std::size_t kTabweite = 8;

std::string Rechtsbuendig(std::string_view text, std::size_t breite) {
    const std::size_t zeichen = Zeichenzahl(text);
    return Leerzeichen(static_cast<long long>(breite > zeichen ? breite - zeichen : 0)) +
           std::string(text);
}

// The line with its tabs expanded, cut into pieces of at most kBlattbreite characters; every
// piece after the first begins with the continuation mark.
std::vector<std::string> Umbrechen(std::string_view zeile) {
    std::string flach;
    std::size_t spalte = 0;
    for (std::size_t i = 0; i < zeile.size();) {
        if (zeile[i] == '\t') {
            const std::size_t bis = (spalte / kTabweite + 1) * kTabweite;
            flach.append(bis - spalte, ' ');
            spalte = bis;
            ++i;
            continue;
        }
        const std::size_t laenge = std::max<std::size_t>(1, Utf8Zeichenlaenge(zeile.substr(i)));
        flach.append(zeile.substr(i, laenge));
        i += laenge;
        ++spalte;
    }
    std::vector<std::string_view> zeichen;
    for (std::size_t i = 0; i < flach.size();) {
        const std::size_t laenge = std::max<std::size_t>(1, Utf8Zeichenlaenge(flach.substr(i)));
        zeichen.push_back(std::string_view(flach).substr(i, laenge));
        i += laenge;
    }
    // Pieces end at the last blank that fits, so that no number is cut in two; the blank
    // itself gives way to the break. Only a run without blanks is cut where the width ends.
    std::vector<std::string> stuecke;
    std::size_t anfang = 0;
    do {
        const bool weiter = !stuecke.empty();
        const std::size_t platz = kBlattbreite - (weiter ? Zeichenzahl(kFortsetzung) : 0);
        std::size_t ende = zeichen.size(), naechster = zeichen.size();
        if (zeichen.size() - anfang > platz) {
            ende = naechster = anfang + platz;
            for (std::size_t j = anfang + platz; j > anfang; --j)
                if (zeichen[j] == " ") {
                    ende = j;
                    naechster = j + 1;
                    break;
                }
        }
        std::string stueck = weiter ? kFortsetzung : "";
        for (std::size_t j = anfang; j < ende; ++j) stueck.append(zeichen[j]);
        stuecke.push_back(std::move(stueck));
        anfang = naechster;
    } while (anfang < zeichen.size());
    return stuecke;
}

// A text with lines ending in CR LF, LF or CR, as lines of the page width.
void TextAnhaengen(std::vector<std::string>& zeilen, std::string_view text) {
    std::size_t anfang = 0;
    while (anfang < text.size()) {
        std::size_t ende = text.find_first_of("\r\n", anfang);
        if (ende == std::string_view::npos) ende = text.size();
        for (std::string& s : Umbrechen(text.substr(anfang, ende - anfang)))
            zeilen.push_back(std::move(s));
        if (ende < text.size() && text[ende] == '\r' && ende + 1 < text.size() &&
            text[ende + 1] == '\n')
            ++ende;
        anfang = ende + 1;
    }
}

std::vector<std::string> Werte(const std::string& feld, char trenner) {
    std::vector<std::string> werte;
    for (std::string_view w : Teilen(feld, trenner)) werte.emplace_back(OhneRandLeerzeichen(w));
    return werte;
}

// The data set at a glance: n stated, the values in rows of equal columns; for pairs the row
// of a1 right above the row of a2, so that each pair stands in one column.
std::vector<std::string> Datenblock(const Zufallsdaten& daten, bool zweidimensional, char trenner) {
    const std::vector<std::string> a1 = Werte(daten.txtM1, trenner);
    const std::vector<std::string> a2 =
        zweidimensional ? Werte(daten.txtM2, trenner) : std::vector<std::string>();
    std::vector<std::string> zeilen;
    zeilen.push_back(zweidimensional ? "Daten: n = " + std::to_string(a1.size()) +
                                           " Wertepaare (a1 | a2), spaltenweise gepaart"
                                     : "Daten: n = " + std::to_string(a1.size()) + " Werte");
    for (std::size_t anfang = 0; anfang < a1.size(); anfang += kWerteProZeile) {
        const std::size_t ende = std::min(a1.size(), anfang + kWerteProZeile);
        std::string z1 = zweidimensional ? "  a1:" : "    ";
        std::string z2 = "  a2:";
        for (std::size_t i = anfang; i < ende; ++i) {
            z1 += Rechtsbuendig(a1[i], kWertbreite);
            if (zweidimensional && i < a2.size()) z2 += Rechtsbuendig(a2[i], kWertbreite);
        }
        zeilen.push_back(std::move(z1));
        if (zweidimensional) {
            zeilen.push_back(std::move(z2));
            if (ende < a1.size()) zeilen.emplace_back();
        }
    }
    return zeilen;
}

// What an answer of this kind is to look like, after its label.
std::string_view Antworthinweis(Zeilenart art) {
    switch (art) {
        case Zeilenart::Gerundet:
            return "";
        case Zeilenart::Voll:
            return " (ungerundet)";
        case Zeilenart::ListeGerundet:
            return " (alle Werte der Reihe nach)";
        case Zeilenart::ListeVoll:
            return " (alle Werte der Reihe nach, ungerundet)";
        case Zeilenart::Modus:
            return " (alle Werte; „kein“, wenn es keinen gibt)";
    }
    return "";
}

// The answer lines of a row: one short line for one value; for a list, as many lines across the
// page as its values need when written by hand (about half again as wide as printed, each value
// and the gap after it).
std::vector<std::string> Antwortlinien(const Antwortzeile& zeile, int nks) {
    const std::string einrueckung = "      ";
    if (zeile.Art == Zeilenart::Gerundet || zeile.Art == Zeilenart::Voll)
        return {einrueckung + std::string(44, '_')};
    const std::size_t breite = kBlattbreite - einrueckung.size();
    std::size_t zeichen = 0;
    for (const double w : zeile.Wahr) {
        const bool gerundet = zeile.Art == Zeilenart::ListeGerundet && nks >= 0;
        zeichen += Zeichenzahl(gerundet ? GerundetText(w, nks, ",") : VollText(w, ",")) + 2;
    }
    const std::size_t linien = std::max<std::size_t>(1, (zeichen * 3 / 2 + breite - 1) / breite);
    // An empty line between two answer lines gives the writing the height of a school line.
    std::vector<std::string> raum = {einrueckung + std::string(breite, '_')};
    for (std::size_t i = 1; i < linien; ++i) {
        raum.emplace_back();
        raum.push_back(raum.front());
    }
    return raum;
}

// The places to round to and the decimal separator, with pi as an example where it has that
// many digits; the run also takes a negative number of places, which rounds before the point.
std::string Rundungszeile(int nks, const std::string& dezimal) {
    const std::string trenner =
        "Dezimaltrennzeichen: " + std::string(dezimal == "," ? "Komma" : "Punkt");
    if (nks < 0)
        return "Runden Sie wie der Bericht mit Nachkommastellen = " + std::to_string(nks) + "; " +
               trenner + ".";
    static constexpr std::string_view kPi = "1415926535897932384626433832795028841971";
    const std::string beispiel =
        static_cast<std::size_t>(nks) <= kPi.size()
            ? " (etwa 3" + dezimal + std::string(kPi.substr(0, static_cast<std::size_t>(nks))) + ")"
            : std::string();
    return "Runden Sie auf " + std::to_string(nks) + " Nachkommastelle" + (nks == 1 ? "" : "n") +
           "; " + trenner + beispiel + ".";
}

// Cuts a block into pages under one header; the pages after the first say they carry it on.
// gebunden[i]: line i stays on the page of line i - 1, as a task's answer lines stay under its
// label. A page ends before such a block unless the block alone is longer than a page.
void Seitenanhaengen(std::vector<Blattseite>& seiten, const std::string& kopf,
                     const std::vector<std::string>& zeilen,
                     const std::vector<bool>& gebunden = {}) {
    std::size_t anfang = 0;
    while (true) {
        // A page carrying a block on does not open with the empty line that ended the last.
        while (anfang > 0 && anfang < zeilen.size() && zeilen[anfang].empty()) ++anfang;
        if (anfang > 0 && anfang >= zeilen.size()) break;
        std::size_t ende = std::min(zeilen.size(), anfang + kZeilenProBlatt);
        std::size_t block = ende;
        while (block > anfang && block < gebunden.size() && gebunden[block]) --block;
        if (block > anfang) ende = block;
        seiten.push_back({anfang == 0 ? kopf : kopf + " (Fortsetzung)",
                          {},
                          std::vector<std::string>(zeilen.begin() + static_cast<long>(anfang),
                                                   zeilen.begin() + static_cast<long>(ende))});
        if (ende >= zeilen.size()) break;
        anfang = ende;
    }
}

}  // namespace

double Blattuhr::Jetzt() {
    return static_cast<double>(startwert_) * kStartabstand + blatt_ * kBlattabstand;
}

Zufallsdaten BlattdatenErzeugen(const Blattwunsch& wunsch, int blatt) {
    Blattuhr uhr(wunsch.Startwert, blatt);
    Zufallsquelle zufall;
    const int wahl =
        IstTrennzeichenwahl(wunsch.Vorlage.Trennzeichenwahl) ? wunsch.Vorlage.Trennzeichenwahl : 0;
    const char trenner[] = {kTrennzeichenoptionen[static_cast<std::size_t>(wahl)].Zeichen, '\0'};
    return ZufallsdatenErzeugen(static_cast<std::int16_t>(wunsch.Werte), trenner, uhr, zufall)
        .value_or(Zufallsdaten{});
}

std::string BlattwunschPruefen(const Blattwunsch& wunsch) {
    const Zufallsdaten daten = BlattdatenErzeugen(wunsch, 1);
    Steuerzustand probe = wunsch.Vorlage;
    probe.txtM1 = daten.txtM1;
    probe.txtM2 = probe.Zweidimensional ? daten.txtM2 : std::string();
    return AufgabeStellen(std::move(probe), wunsch.Dezimal).Abbruch;
}

std::vector<Blattseite> ArbeitsblaetterSetzen(const Blattwunsch& wunsch) {
    const bool zweidimensional = wunsch.Vorlage.Zweidimensional;
    const int wahl =
        IstTrennzeichenwahl(wunsch.Vorlage.Trennzeichenwahl) ? wunsch.Vorlage.Trennzeichenwahl : 0;
    const char trenner = kTrennzeichenoptionen[static_cast<std::size_t>(wahl)].Zeichen;
    const std::string gesamt = std::to_string(wunsch.Blaetter);

    std::vector<Blattseite> blaetter, loesungen;
    for (int blatt = 1; blatt <= wunsch.Blaetter; ++blatt) {
        const Zufallsdaten daten = BlattdatenErzeugen(wunsch, blatt);
        Steuerzustand zustand = wunsch.Vorlage;
        zustand.txtM1 = daten.txtM1;
        zustand.txtM2 = zweidimensional ? daten.txtM2 : std::string();
        const Aufgabe aufgabe = AufgabeStellen(std::move(zustand), wunsch.Dezimal);
        const std::string nummer = "Blatt " + std::to_string(blatt) + " von " + gesamt;
        const std::vector<std::string> datenblock = Datenblock(daten, zweidimensional, trenner);

        std::vector<std::string> zeilen = {
            "Name: ______________________________   Klasse: ________   Datum: ____________", ""};
        std::vector<bool> gebunden;
        zeilen.insert(zeilen.end(), datenblock.begin(), datenblock.end());
        zeilen.emplace_back();
        zeilen.push_back(Rundungszeile(aufgabe.Einstellungen.Nks, wunsch.Dezimal));
        zeilen.emplace_back();
        if (!aufgabe.Abbruch.empty()) {
            TextAnhaengen(zeilen, aufgabe.Abbruch);
        } else {
            zeilen.push_back("Bestimmen Sie:");
            zeilen.emplace_back();
            for (const Antwortzeile& z : aufgabe.Zeilen) {
                TextAnhaengen(zeilen, "  " + z.Name + std::string(Antworthinweis(z.Art)) + ":");
                gebunden.resize(zeilen.size(), false);
                for (std::string& linie : Antwortlinien(z, aufgabe.Einstellungen.Nks))
                    zeilen.push_back(std::move(linie));
                gebunden.resize(zeilen.size(), true);
                zeilen.emplace_back();
            }
        }
        Seitenanhaengen(blaetter, "Übungsblatt – " + nummer, zeilen, gebunden);

        std::vector<std::string> loesung = {"Lösung zu " + nummer, ""};
        loesung.insert(loesung.end(), datenblock.begin(), datenblock.end());
        loesung.emplace_back();
        if (!aufgabe.Abbruch.empty()) TextAnhaengen(loesung, aufgabe.Abbruch);
        for (const Statistik* eintrag : aufgabe.Eintraege) {
            // Sections are apart by one empty line, whether or not a section ends in one.
            TextAnhaengen(loesung, Loesungsweg(aufgabe, *eintrag));
            if (!loesung.back().empty()) loesung.emplace_back();
        }
        Seitenanhaengen(loesungen, "Lösungen – " + nummer, loesung);
    }
    blaetter.insert(blaetter.end(), std::make_move_iterator(loesungen.begin()),
                    std::make_move_iterator(loesungen.end()));
    const std::string seitenzahl = std::to_string(blaetter.size());
    for (std::size_t i = 0; i < blaetter.size(); ++i)
        blaetter[i].Seitenangabe = "Seite " + std::to_string(i + 1) + " von " + seitenzahl;
    return blaetter;
}

}  // namespace zv
