#include "cli/Diagrammoptionen.h"

#include <algorithm>
#include <cctype>
#include <string_view>
#include <utility>
#include <vector>

#include "chartdata/Diagrammarten.h"
#include "cli/Dokubloecke.h"

#ifdef ZV_MIT_DIAGRAMMEN
#include "charts/Werkzeugdiagramm.h"
#endif

namespace zv {

namespace {

constexpr int kKleinsteSeite = 100;
constexpr int kGroessteSeite = 4000;

// A side of --chart-size: 1 to 4 digits, 100 to 4000.
std::optional<int> Seitenlaenge(const std::string& text) {
    if (text.empty() || text.size() > 4) return std::nullopt;
    if (!std::all_of(text.begin(), text.end(), [](unsigned char c) { return std::isdigit(c); }))
        return std::nullopt;
    const int wert = std::stoi(text);
    if (wert < kKleinsteSeite || wert > kGroessteSeite) return std::nullopt;
    return wert;
}

// The extension of the file name, in lower case: what follows its last dot.
std::string Endung(const std::string& pfad) {
    const std::string name = pfad.substr(pfad.find_last_of('/') + 1);
    const auto punkt = name.find_last_of('.');
    if (punkt == std::string::npos) return {};
    std::string endung = name.substr(punkt + 1);
    for (char& c : endung) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return endung;
}

// The data mode as --mode names it.
std::string Modusname(bool zweidimensional) {
    return zweidimensional ? "2" : "1";
}

// The parts joined: "a", "a oder b", "a, b oder c" with the separators ", " and " oder ".
std::string Aufgezaehlt(const std::vector<std::string>& teile, std::string_view trenner,
                        std::string_view letzterTrenner) {
    std::string text;
    for (std::size_t i = 0; i < teile.size(); ++i) {
        if (i > 0) text += i + 1 == teile.size() ? letzterTrenner : trenner;
        text += teile[i];
    }
    return text;
}

// Appends teil to text, after trenner where text already has something.
void Anhaengen(std::string& text, std::string_view trenner, const std::string& teil) {
    if (!text.empty()) text += trenner;
    text += teil;
}

}  // namespace

Optionstexte DiagrammartTexte() {
    Optionstexte t;
    std::vector<std::string> roffnamen;                         // of every mode
    std::vector<std::pair<std::string, std::string>> vorgaben;  // mode, kind drawn unnamed
    for (const bool zweidimensional : {false, true}) {
        std::vector<std::string> namen, readme, absatz;
        for (const Diagrammartzeile& zeile : kDiagrammarten) {
            if (zeile.Zweidimensional != zweidimensional || zeile.Name.empty()) continue;
            namen.emplace_back(zeile.Name);
            readme.push_back("`" + std::string(zeile.Name) + "`");
            absatz.push_back(".B " + Roffname(zeile.Name) + "\n(" +
                             std::string(zeile.Beschreibung) + ")");
            roffnamen.push_back(Roffname(zeile.Name));
        }
        if (namen.empty()) continue;
        const std::string modus = Modusname(zweidimensional);
        const std::string vorgabe(Artzeile(ArtenDesModus(zweidimensional).front()).Name);
        vorgaben.emplace_back(modus, vorgabe);
        Anhaengen(t.Hilfe, ";\n",
                  "bei --mode " + modus + ": " + Aufgezaehlt(namen, ", ", " oder ") + " (" +
                      vorgabe + ")");
        Anhaengen(t.Handbuch, "\n",
                  "Bei\n"
                  ".BR \\-\\-mode\\~" +
                      modus +
                      " :\n"
                      "welches Diagramm\n"
                      ".B \\-\\-chart\n"
                      "schreibt:\n" +
                      Aufgezaehlt(absatz, ",\n", " oder\n") +
                      ".\n"
                      "Vorgabe:\n"
                      ".BR " +
                      Roffname(vorgabe) + " .");
        Anhaengen(t.Bedeutung, "; ",
                  "with `--mode " + modus + "`: " + Aufgezaehlt(readme, ", ", " or "));
    }
    // The default names its mode only where more than one mode has named kinds.
    for (const auto& [modus, vorgabe] : vorgaben)
        Anhaengen(t.Vorgabe, ", ",
                  "`" + vorgabe + "`" +
                      (vorgaben.size() > 1 ? " (`--mode " + modus + "`)" : std::string()));
    const std::string namen = Aufgezaehlt(roffnamen, " | ", " | ");
    t.Handbuchkopf = ".BR \\-\\-chart\\-kind\\~" + namen;
    t.Uebersicht = ".RB [ \\-\\-chart\\-kind\n.BR " + namen + " ]";
    return t;
}

std::string DiagrammoptionSetzen(Diagrammwunsch& wunsch, const std::string& name,
                                 const std::string& wert) {
    if (name == "--chart") {
        const std::string endung = Endung(wert);
        if (endung != "png" && endung != "pdf")
            return "--chart braucht eine Datei auf .png oder .pdf: " + wert;
        wunsch.Pfad = wert;
    } else if (name == "--chart-size") {
        const auto mal = wert.find_first_of("xX");
        const auto breite =
            mal == std::string::npos ? std::nullopt : Seitenlaenge(wert.substr(0, mal));
        const auto hoehe =
            mal == std::string::npos ? std::nullopt : Seitenlaenge(wert.substr(mal + 1));
        if (!breite || !hoehe)
            return "--chart-size braucht BREITExHÖHE, jede Seite 100 bis 4000: " + wert;
        wunsch.Groesse = wert;
        wunsch.Breite = *breite;
        wunsch.Hoehe = *hoehe;
    } else if (name == "--chart-kind") {
        if (ArtZumNamen(wert) == nullptr) return "unbekannte Diagrammart: " + wert;
        wunsch.Art = wert;
    }
    return {};
}

std::string DiagrammwunschPruefen(const Diagrammwunsch& wunsch, bool zweidimensional) {
    if (!wunsch.Pfad && wunsch.Groesse) return "--chart-size gilt nur mit --chart";
    if (!wunsch.Pfad && wunsch.Art) return "--chart-kind gilt nur mit --chart";
    if (wunsch.Art) {
        const Diagrammartzeile* zeile = ArtZumNamen(*wunsch.Art);
        if (zeile == nullptr) return "unbekannte Diagrammart: " + *wunsch.Art;
        if (zeile->Zweidimensional != zweidimensional)
            return "--chart-kind gilt nur mit --mode " + Modusname(zeile->Zweidimensional);
    }
#ifndef ZV_MIT_DIAGRAMMEN
    if (wunsch.Pfad) return "--chart: dieses Programm wurde ohne Diagramme gebaut";
#endif
    return {};
}

bool DiagrammSchreiben(const Diagrammwunsch& wunsch, const Steuerzustand& zustand,
                       const std::string& dezimal, std::ostream& fehler) {
#ifdef ZV_MIT_DIAGRAMMEN
    const Diagrammdaten daten = DiagrammdatenBilden(zustand, dezimal);
    std::string meldung;
    // The named kind, or the first of the mode.
    const Diagrammartzeile* art = wunsch.Art
                                      ? ArtZumNamen(*wunsch.Art)
                                      : &Artzeile(ArtenDesModus(zustand.Zweidimensional).front());
    if (!daten.Abbruch.empty()) {
        meldung = "kein Diagramm: " + daten.Abbruch;
    } else if (art == nullptr) {
        meldung = "unbekannte Diagrammart: " + *wunsch.Art;
    } else {
        meldung =
            DiagrammdateiSchreiben(daten, art->Art, wunsch.Breite, wunsch.Hoehe, *wunsch.Pfad);
    }
    if (meldung.empty()) return true;
    fehler << "zorvanta-report: " << meldung << '\n';
#else
    (void)wunsch, (void)zustand, (void)dezimal;
    fehler << "zorvanta-report: dieses Programm wurde ohne Diagramme gebaut\n";
#endif
    return false;
}

}  // namespace zv
