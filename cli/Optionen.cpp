#include "cli/Optionen.h"

#include <fstream>
#include <optional>
#include <sstream>

#include "base/Text.h"
#include "base/Version.h"
#include "base/Zahlenlesen.h"
#include "cli/Diagrammoptionen.h"
#include "cli/Feldlesen.h"
#include "run/Rechenlauf.h"
#include "run/Statistiken.h"
#include "run/Trennzeichen.h"

namespace zv {

namespace {

constexpr const char* kHilfe =
    "Aufruf: zorvanta-report [Optionen]\n"
    "Schreibt den Bericht, den \"Berechnen\" im Fenster zeigen würde, auf die Standardausgabe.\n"
    "\n"
    "  --mode 1|2            Datenmaterial: 1 = Eindimensional, 2 = Zweidimensional (1)\n"
    "  --separator NAME      space, comma, semicolon, tab oder tilde (space)\n"
    "  --decimals TEXT       Text des Feldes Nachkommastellen (3)\n"
    "  --detail              Berechnungsschritte anzeigen\n"
    "  --tables              Rechentabellen: nach jedem Abschnitt die Tabelle der Rechnung\n"
    "  --select TEXT         Eintrag der Auswahlliste wählen; mehrfach möglich; all wählt alle\n"
    "  --a1 TEXT             Text des ersten Eingabefeldes\n"
    "  --a1-file PFAD        erstes Eingabefeld aus einer Datei (- für die Standardeingabe)\n"
    "  --a2 TEXT             Text des zweiten Eingabefeldes\n"
    "  --a2-file PFAD        zweites Eingabefeld aus einer Datei (- für die Standardeingabe)\n"
    "  --locale NAME         Gebietsschema für Zahlen, z. B. de_DE oder en_US\n"
    "  --chart PFAD          zusätzlich das Diagramm als PNG oder PDF, nach der Endung\n"
    "  --chart-size BxH      Größe des Diagramms in Pixeln, je 100 bis 4000 (800x600)\n"
    "  --chart-kind ART      bei --mode 2: streudiagramm oder haeufigkeiten (streudiagramm)\n"
    "  --list                alle Einträge der Auswahlliste: Datenmaterial, Berechnungsschritte,\n"
    "                        Eintrag und Überschrift des Abschnitts, durch Tabulatoren getrennt\n"
    "  --version             die Version\n"
    "  --help                diese Hilfe\n"
    "\n"
    "Kann ein Wert eines Eingabefeldes nicht gelesen werden, nennt eine Zeile auf der\n"
    "Standardfehlerausgabe das Feld, die Nummer des Wertes und seinen Text. Eine Datei oder die\n"
    "Standardeingabe darf je Eingabefeld höchstens 16 MiB groß sein.\n";

struct Nutzungsfehler {
    std::string Meldung;
    bool MitHilfehinweis = true;  // the hint at --help, where the options are what went wrong
};

struct Eingabefeld {
    std::optional<std::string> Text;
    std::optional<std::string> Datei;
};

// The text of an input box read from a file, or from the standard input for "-". The standard
// input goes to the first box that names it; a second "-" gets the empty text, as it did when the
// first box read the stream to its end, and still does where the first stopped early.
std::string DateiLesen(const std::string& pfad, char trenner, std::istream& eingabe,
                       bool& eingabeGelesen) {
    const bool standard = pfad == "-";
    const std::string nichtLesbar =
        standard ? std::string("Standardeingabe nicht lesbar") : "Datei nicht lesbar: " + pfad;
    // A directory or an unreadable device fails while reading, and the library throws.
    try {
        Feldinhalt inhalt;
        if (standard) {
            if (eingabeGelesen) return {};
            eingabeGelesen = true;
            if (eingabe.rdbuf() == nullptr) throw Nutzungsfehler{nichtLesbar};
            inhalt = FeldLesen(*eingabe.rdbuf(), trenner);
        } else {
            std::filebuf datei;
            if (datei.open(pfad, std::ios::in | std::ios::binary) == nullptr)
                throw Nutzungsfehler{nichtLesbar};
            inhalt = FeldLesen(datei, trenner);
        }
        if (inhalt.Ende == Leseende::ZuGross)
            throw Nutzungsfehler{
                (standard ? std::string("Standardeingabe zu groß") : "Datei zu groß: " + pfad) +
                    " (höchstens " + std::to_string(kGroessteEingabe >> 20) +
                    " MiB je Eingabefeld)",
                false};
        return std::move(inhalt.Text);
    } catch (const std::ios_base::failure&) {
        throw Nutzungsfehler{nichtLesbar};
    }
}

// A piece of a box as one line can show it: control characters and bytes that are no UTF-8
// as escapes, and a very long piece cut with an ellipsis after 60 characters.
std::string Anzeigetext(std::string_view text) {
    std::string ergebnis;
    std::size_t zeichen = 0;
    for (std::size_t i = 0; i < text.size() && zeichen < 60; ++zeichen) {
        const auto c = static_cast<unsigned char>(text[i]);
        const std::size_t laenge = Utf8Zeichenlaenge(text.substr(i));
        if (laenge > 1 || (laenge == 1 && c >= 0x20 && c != 0x7F && c != '\\')) {
            ergebnis.append(text.substr(i, laenge));
            i += laenge;
            continue;
        }
        static constexpr char kHex[] = "0123456789ABCDEF";
        if (c == '\t')
            ergebnis += "\\t";
        else if (c == '\n')
            ergebnis += "\\n";
        else if (c == '\r')
            ergebnis += "\\r";
        else if (c == '\\')
            ergebnis += "\\\\";
        else
            ergebnis += {'\\', 'x', kHex[c >> 4], kHex[c & 15]};
        ++i;
    }
    if (zeichen == 60 && Zeichenzahl(text) > 60) ergebnis += "…";
    return ergebnis;
}

// The line that names the value the run could not read.
// feld: the trimmed text of the box the piece is in.
std::string Lesehinweis(const Lesefehler& f, std::string_view feld) {
    return "zorvanta-report: a" + std::to_string(f.Feld) + ", Wert " +
           std::to_string(f.Stueck + 1) + " (\"" + Anzeigetext(feld.substr(f.Anfang, f.Laenge)) +
           "\") " +
           (f.Art == Fehlerart::Ueberlauf ? "liegt außerhalb des Zahlenbereichs"
                                          : "ist keine Zahl") +
           "\n";
}

std::string FeldText(const Eingabefeld& feld, char trenner, std::istream& eingabe,
                     bool& eingabeGelesen) {
    if (feld.Datei) return DateiLesen(*feld.Datei, trenner, eingabe, eingabeGelesen);
    return feld.Text.value_or("");
}

}  // namespace

int ReportWerkzeug(const std::vector<std::string>& argumente, std::istream& eingabe,
                   std::ostream& aus, std::ostream& fehler) {
    try {
        Steuerzustand zustand;
        std::vector<std::string> auswahl;
        Eingabefeld a1, a2;
        std::optional<std::string> locale;
        Diagrammwunsch diagramm;

        for (std::size_t i = 0; i < argumente.size(); ++i) {
            std::string name = argumente[i];
            std::optional<std::string> wert;
            if (auto gleich = name.find('='); name.rfind("--", 0) == 0 && gleich != name.npos) {
                wert = name.substr(gleich + 1);
                name.resize(gleich);
            }
            auto Wert = [&]() -> std::string {
                if (wert) return *wert;
                if (i + 1 >= argumente.size()) throw Nutzungsfehler{name + " braucht einen Wert"};
                return argumente[++i];
            };
            if (name == "--help" || name == "-h") {
                aus << kHilfe;
                return 0;
            } else if (name == "--version") {
                aus << "Zorvanta " ZV_VERSION "\n";
                return 0;
            } else if (name == "--list") {
                for (const Statistik& s : AlleStatistiken())
                    aus << (s.Zweidimensional ? "2" : "1") << '\t'
                        << (s.MitBerechnungsschritten ? "mit" : "ohne") << '\t' << s.Text << '\t'
                        << s.Titel << '\n';
                return 0;
            } else if (name == "--detail") {
                if (wert) throw Nutzungsfehler{"--detail nimmt keinen Wert"};
                zustand.chkDetail = true;
            } else if (name == "--tables") {
                if (wert) throw Nutzungsfehler{"--tables nimmt keinen Wert"};
                zustand.Rechentabellen = true;
            } else if (name == "--mode") {
                const std::string m = Wert();
                if (m != "1" && m != "2") throw Nutzungsfehler{"unbekannter Modus: " + m};
                zustand.Zweidimensional = m == "2";
            } else if (name == "--separator") {
                const std::string s = Wert();
                zustand.Trennzeichenwahl = TrennzeichenwahlZuName(s);
                if (zustand.Trennzeichenwahl < 0)
                    throw Nutzungsfehler{"unbekanntes Trennzeichen: " + s};
            } else if (name == "--decimals") {
                zustand.txtNks = Wert();
            } else if (name == "--select") {
                auswahl.push_back(Wert());
            } else if (name == "--a1") {
                a1 = {Wert(), std::nullopt};
            } else if (name == "--a1-file") {
                a1 = {std::nullopt, Wert()};
            } else if (name == "--a2") {
                a2 = {Wert(), std::nullopt};
            } else if (name == "--a2-file") {
                a2 = {std::nullopt, Wert()};
            } else if (name == "--locale") {
                locale = Wert();
            } else if (IstDiagrammoption(name)) {
                const std::string f = DiagrammoptionSetzen(diagramm, name, Wert());
                if (!f.empty()) throw Nutzungsfehler{f};
            } else {
                throw Nutzungsfehler{"unbekannte Option: " + argumente[i]};
            }
        }

        if (const std::string f = DiagrammwunschPruefen(diagramm, zustand.Zweidimensional);
            !f.empty())
            throw Nutzungsfehler{f};

        // The list of the mode, with the chosen entries selected; they run in list order.
        for (const std::string& text : ListenEintraege(zustand.Zweidimensional))
            zustand.lstSelection.push_back({text, false});
        for (const std::string& text : auswahl) {
            bool gefunden = false;
            for (Listeneintrag& e : zustand.lstSelection) {
                if (text == "all" || e.Text == text) {
                    e.Ausgewaehlt = true;
                    gefunden = true;
                }
            }
            if (!gefunden) throw Nutzungsfehler{"kein Eintrag der Auswahlliste: " + text};
        }
        // The detail switch can only be on while a statistic with steps is selected.
        zustand.chkDetail = zustand.chkDetail && DetailGewuenscht(zustand.lstSelection);

        clsRechenlauf lauf(locale ? DezimaltrennzeichenFuerLocale(*locale)
                                  : DezimaltrennzeichenAusUmgebung());
        lauf.TrennzeichenSetzen(zustand.Trennzeichenwahl);
        const char trenner = lauf.Trennzeichen().front();
        bool eingabeGelesen = false;
        zustand.txtM1 = FeldText(a1, trenner, eingabe, eingabeGelesen);
        zustand.txtM2 = FeldText(a2, trenner, eingabe, eingabeGelesen);

        // Without a chart the control states are not needed again: the boxes move into the run.
        const Laufergebnis ergebnis = diagramm.Pfad ? lauf.cmdCalculate_Click(zustand)
                                                    : lauf.cmdCalculate_Click(std::move(zustand));
        aus.write(ergebnis.txtAusgabe.data(),
                  static_cast<std::streamsize>(ergebnis.txtAusgabe.size()));
        aus.flush();
        if (ergebnis.Fehler)
            fehler << Lesehinweis(*ergebnis.Fehler,
                                  ergebnis.Fehler->Feld == 1 ? ergebnis.txtM1 : ergebnis.txtM2);
        if (!aus) {
            fehler << "zorvanta-report: Bericht nicht schreibbar\n";
            return 1;
        }
        // The chart after the report, so that the report is there whatever becomes of it.
        if (diagramm.Pfad &&
            !DiagrammSchreiben(diagramm, zustand, lauf.Dezimaltrennzeichen(), fehler))
            return 1;
        return 0;
    } catch (const Nutzungsfehler& f) {
        fehler << "zorvanta-report: " << f.Meldung
               << (f.MitHilfehinweis ? " (--help zeigt die Optionen)\n" : "\n");
        return 2;
    } catch (const std::bad_alloc&) {
        fehler << kSpeichermangel;
        return 1;
    } catch (const std::exception& f) {
        fehler << UnerwarteterFehler(f.what());
        return 1;
    }
}

std::string UnerwarteterFehler(std::string_view grund) {
    return "zorvanta-report: abgebrochen, unerwarteter Fehler: " + Anzeigetext(grund) + "\n";
}

}  // namespace zv
