#include "cli/Optionen.h"

#include <algorithm>
#include <charconv>
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
#include "uebung/Arbeitsblatt.h"
#include "uebung/Aufgabe.h"
#include "uebung/Bewertung.h"
#ifdef ZV_MIT_DIAGRAMMEN
#include "charts/Blattdatei.h"
#endif

namespace zv {

namespace {

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

struct Aufruf {
    std::ostream& Aus;
    Steuerzustand Zustand = {};
    std::vector<std::string> Auswahl = {};
    Eingabefeld A1 = {}, A2 = {};
    std::optional<std::string> Locale = {};
    Diagrammwunsch Diagramm = {};
    std::vector<std::string> Antworten = {};  // NAME=WERT of --answer, in order
    // --worksheets, --seed, --values and --worksheet-pdf, as read
    std::optional<int> Blaetter = {};
    std::optional<std::uint32_t> Startwert = {};
    std::optional<int> Werte = {};
    std::optional<std::string> Blattdatei = {};
};

namespace {

constexpr const char* kHilfekopf =
    "Aufruf: zorvanta-report [Optionen]\n"
    "Schreibt den Bericht, den \"Berechnen\" im Fenster zeigen würde, auf die Standardausgabe.\n"
    "\n";

constexpr const char* kHilfefuss =
    "\n"
    "Kann ein Wert eines Eingabefeldes nicht gelesen werden, nennt eine Zeile auf der\n"
    "Standardfehlerausgabe das Feld, die Nummer des Wertes und seinen Text. Eine Datei oder die\n"
    "Standardeingabe darf je Eingabefeld höchstens 16 MiB groß sein.\n";

// The column where the help text of an option begins.
constexpr std::size_t kHilfespalte = 24;

// --answer: the task of the control states, one line per answer with its mark and, where
// there is one, the sentence on the mistake or the decimal separator. Every name is checked
// before the first line, so that a wrong one leaves no half list of marks.
int AntwortenPruefen(const Aufruf& aufruf, Steuerzustand zustand, const std::string& dezimal,
                     std::ostream& aus) {
    const Aufgabe aufgabe = AufgabeStellen(std::move(zustand), dezimal);
    if (!aufgabe.Abbruch.empty())
        throw Nutzungsfehler{"keine Aufgabe, die Daten ergeben: " + aufgabe.Abbruch, false};
    std::vector<std::pair<const Antwortzeile*, std::string>> antworten;
    for (const std::string& a : aufruf.Antworten) {
        const std::size_t gleich = a.find('=');
        if (gleich == std::string::npos)
            throw Nutzungsfehler{"--answer braucht NAME=WERT: " + Anzeigetext(a)};
        const std::string name = a.substr(0, gleich);
        const Antwortzeile* zeile = ZeileZuName(aufgabe, name);
        if (zeile == nullptr) {
            std::vector<std::string> namen;
            for (const Antwortzeile& z : aufgabe.Zeilen) namen.push_back(z.Name);
            std::string meldung =
                "kein Ergebnis der gewählten Einträge: " + Anzeigetext(name) +
                " (bekannt: " + (namen.empty() ? std::string("keines") : Verbinden(namen, ", ")) +
                ")";
            // The entries that give no result for these data, with the section's reason.
            for (const auto& [eintrag, grund] : aufgabe.Ohne)
                meldung += "; ohne Ergebnis: " + std::string(eintrag->Text) +
                           (grund.empty() ? std::string() : " (" + grund + ")");
            throw Nutzungsfehler{meldung, false};
        }
        antworten.emplace_back(zeile, a.substr(gleich + 1));
    }
    for (const auto& [zeile, wert] : antworten) {
        const Bewertung b = AntwortBewerten(aufgabe, *zeile, wert);
        aus << zeile->Name << ": " << NotenText(b.Urteil);
        if (!b.Satz.empty()) aus << " – " << b.Satz;
        aus << "\r\n";
    }
    aus.flush();
    return 0;
}

// A whole number from bis to zu written in decimal digits only, or none.
std::optional<std::uint64_t> Ganzzahl(const std::string& text, std::uint64_t von,
                                      std::uint64_t bis) {
    std::uint64_t zahl = 0;
    const char* ende = text.data() + text.size();
    const auto [stelle, fehler] = std::from_chars(text.data(), ende, zahl);
    if (text.empty() || text.front() == '-' || text.front() == '+' || fehler != std::errc() ||
        stelle != ende || zahl < von || zahl > bis)
        return std::nullopt;
    return zahl;
}

// --worksheets: a page of its own data and tasks for each pupil and the answer key, written as
// a PDF. The boxes are filled page by page from the generator, so none may be given.
int BlaetterSchreiben(const Aufruf& aufruf, const Steuerzustand& zustand,
                      const std::string& dezimal) {
    if (!aufruf.Blaetter) {
        for (const auto& [gesetzt, name] :
             {std::pair{aufruf.Startwert.has_value(), "--seed"},
              std::pair{aufruf.Werte.has_value(), "--values"},
              std::pair{aufruf.Blattdatei.has_value(), "--worksheet-pdf"}})
            if (gesetzt) throw Nutzungsfehler{std::string(name) + " gilt nur mit --worksheets"};
        return -1;
    }
    if (!aufruf.Antworten.empty())
        throw Nutzungsfehler{"--worksheets und --answer lassen sich nicht verbinden"};
    if (aufruf.Diagramm.Pfad)
        throw Nutzungsfehler{"--worksheets und --chart lassen sich nicht verbinden"};
    if (aufruf.A1.Text || aufruf.A1.Datei || aufruf.A2.Text || aufruf.A2.Datei)
        throw Nutzungsfehler{
            "--worksheets erzeugt die Daten jedes Blattes selbst; --a1 und --a2 entfallen"};
    if (!aufruf.Blattdatei) throw Nutzungsfehler{"--worksheets braucht --worksheet-pdf DATEI"};
    if (!aufruf.Startwert) throw Nutzungsfehler{"--worksheets braucht --seed ZAHL"};
    if (std::none_of(zustand.lstSelection.begin(), zustand.lstSelection.end(),
                     [](const Listeneintrag& e) { return e.Ausgewaehlt; }))
        throw Nutzungsfehler{"--worksheets braucht mindestens einen Eintrag (--select)"};
#ifdef ZV_MIT_DIAGRAMMEN
    Blattwunsch wunsch{.Blaetter = *aufruf.Blaetter,
                       .Startwert = *aufruf.Startwert,
                       .Werte = aufruf.Werte.value_or(10),
                       .Vorlage = zustand,
                       .Dezimal = dezimal};
    if (const std::string abbruch = BlattwunschPruefen(wunsch); !abbruch.empty())
        throw Nutzungsfehler{"keine Übungsblätter, die Einstellungen ergeben: " + abbruch, false};
    std::vector<Druckblatt> blaetter;
    for (Blattseite& seite : ArbeitsblaetterSetzen(wunsch))
        blaetter.push_back(
            {std::move(seite.Kopf), std::move(seite.Seitenangabe), std::move(seite.Zeilen)});
    if (const std::string grund = BlattdateiSchreiben(blaetter, *aufruf.Blattdatei); !grund.empty())
        throw Nutzungsfehler{grund, false};
    return 0;
#else
    (void)dezimal;
    throw Nutzungsfehler{"--worksheets: dieses Programm wurde ohne Diagramme gebaut", false};
#endif
}

void Diagrammoption(Aufruf& a, const Option& o, const std::string& wert) {
    const std::string f = DiagrammoptionSetzen(a.Diagramm, std::string(o.Name), wert);
    if (!f.empty()) throw Nutzungsfehler{f};
}

// The options, in the order --help lists them. The man-page paragraphs are roff: "\-" for a
// minus, \(Bq and \(lq for German quotes, \~ for a space that does not break.
constexpr Option kOptionen[] = {
    {.Name = "--mode",
     .Wert = "1|2",
     .Hilfe = "Datenmaterial: 1 = Eindimensional, 2 = Zweidimensional (1)",
     .Handbuchkopf = R"(.BR \-\-mode\~1 | 2)",
     .Handbuch = R"(Datenmaterial: 1 = \(BqEindimensional\(lq (eine Urliste),
2 = \(BqZweidimensional\(lq (die Merkmale a1 und a2).
Vorgabe: 1.)",
     .Uebersicht = R"(.RB [ \-\-mode\~1 | 2 ])",
     .ReadmeWert = "1|2",
     .Bedeutung = R"(data mode: 1 = "Eindimensional", 2 = "Zweidimensional")",
     .Vorgabe = "1",
     .Setzen =
         [](Aufruf& a, const Option&, const std::string& m) {
             if (m != "1" && m != "2") throw Nutzungsfehler{"unbekannter Modus: " + m};
             a.Zustand.Zweidimensional = m == "2";
         }},
    {.Name = "--separator",
     .Wert = "NAME",
     .Hilfe = "space, comma, semicolon, tab oder tilde (space)",
     .Handbuch = R"(Das Trennzeichen zwischen den Werten eines Eingabefeldes:
.B space
(Leerstelle),
.B comma
(Komma),
.B semicolon
(Semikolon),
.B tab
(Tabulator) oder
.B tilde
(~).
Vorgabe:
.BR space .)",
     .Bedeutung = "`space`, `comma`, `semicolon`, `tab`, `tilde`",
     .Vorgabe = "space",
     .Setzen =
         [](Aufruf& a, const Option&, const std::string& s) {
             a.Zustand.Trennzeichenwahl = TrennzeichenwahlZuName(s);
             if (a.Zustand.Trennzeichenwahl < 0)
                 throw Nutzungsfehler{"unbekanntes Trennzeichen: " + s};
         }},
    {.Name = "--decimals",
     .Wert = "TEXT",
     .Hilfe = "Text des Feldes Nachkommastellen (3)",
     .Handbuch =
         R"(Der Text des Feldes \(BqNachkommastellen\(lq, so gelesen, wie das Fenster ihn liest: die Zahl der
Nachkommastellen, auf die die Ergebnisse gerundet werden.
Vorgabe: 3.)",
     .Bedeutung = "the text of the decimal-places box, read as the window reads it",
     .Vorgabe = "`3`",
     .Setzen = [](Aufruf& a, const Option&, const std::string& w) { a.Zustand.txtNks = w; }},
    {.Name = "--detail",
     .Wert = "",
     .Hilfe = "Berechnungsschritte anzeigen",
     .Handbuch =
         R"(\(BqBerechnungsschritte anzeigen\(lq: Formeln und Rechnung mit den eingesetzten Zahlen.
Wirkt wie im Fenster nur, wenn mindestens ein Eintrag mit Berechnungsschritten gewählt ist
(siehe
.BR \-\-list ).)",
     .Bedeutung = R"("Berechnungsschritte anzeigen" (counts only with a statistic that has steps))",
     .Vorgabe = "off",
     .Setzen = [](Aufruf& a, const Option&, const std::string&) { a.Zustand.chkDetail = true; }},
    {.Name = "--tables",
     .Wert = "",
     .Hilfe = "Rechentabellen: nach jedem Abschnitt die Tabelle der Rechnung",
     .Handbuch =
         R"(Rechentabellen: Jeder Abschnitt, der eine hat, erhält nach seinen eigenen Zeilen unter der
Zeile \(BqRechentabelle\(lq die Tabelle der Rechnung mit den eigenen Zahlen (Abweichungen, Quadrate,
Ränge, Summen).
Vorgabe: aus; ohne diese Option ändert sich der Bericht nicht.)",
     .Bedeutung = R"(Extras "Rechen&tabellen": after each section that has one, its calculation )"
                  R"(table (below))",
     .Vorgabe = "off",
     .Setzen = [](Aufruf& a, const Option&,
                  const std::string&) { a.Zustand.Rechentabellen = true; }},
    {.Name = "--quartile-method",
     .Wert = "ART",
     .Hilfe = "halves oder standard: wie Q1 und Q3 bestimmt werden (halves)",
     .Handbuch =
         R"(Wie der Abschnitt \(BqQuartile\(lq Q1 und Q3 bestimmt, wie die beiden Punkte im Menü
\(BqExtras\(lq des Fensters:
.B halves
(Hälftenmethode: die Mediane der unteren und der oberen Hälfte der geordneten Werte, bei
ungerader Anzahl ohne den mittleren Wert) oder
.B standard
(Standarddefinition: ist n\(mup nicht ganzzahlig, der Wert an der Stelle n\(mup aufgerundet,
sonst die Mitte der Werte an den Stellen n\(mup und n\(mup+1).
Der Abschnitt nennt die gewählte Definition und sagt, wenn die andere andere Quartile ergibt.
Vorgabe:
.BR halves .)",
     .Bedeutung = "how the section \"Quartile\" reads Q1 and Q3: `halves` (medians of the lower "
                  "and upper half) or `standard` (x(ceil(n*p)), or the middle of two at whole n*p)",
     .Vorgabe = "halves",
     .Setzen =
         [](Aufruf& a, const Option&, const std::string& w) {
             if (w == "halves")
                 a.Zustand.Quartile = Quartilsmethode::Haelften;
             else if (w == "standard")
                 a.Zustand.Quartile = Quartilsmethode::Standard;
             else
                 throw Nutzungsfehler{"unbekannte Quartilsmethode: " + w};
         }},
    {.Name = "--select",
     .Wert = "TEXT",
     .Hilfe = "Eintrag der Auswahlliste wählen; mehrfach möglich; all wählt alle",
     .Handbuch = R"(Wählt den Eintrag der Auswahlliste mit genau diesem Text; mehrfach möglich.
.B all
wählt alle Einträge des Datenmaterials.
Ein Text, der nicht in der Liste des Datenmaterials steht, ist ein Aufruffehler.
Die Einträge bei
.BR \-\-mode\~1 :
{Eintraege1}
Bei
.BR \-\-mode\~2 :
{Eintraege2}
(Die Schreibweisen \(BqStandardabweichnung\(lq und \(BqSpearmen\(lq sind die der Liste.)
Ohne
.B \-\-select
enthält der Bericht nur die Urliste.)",
     .Uebersicht = R"(.RB [ \-\-select
.IR TEXT "] ...")",
     .Bedeutung = "select the list entry with exactly this text; repeatable; `all` selects "
                  "every entry of the mode",
     .Vorgabe = "none",
     .Setzen = [](Aufruf& a, const Option&, const std::string& w) { a.Auswahl.push_back(w); }},
    {.Name = "--a1",
     .Wert = "TEXT",
     .Hilfe = "Text des ersten Eingabefeldes",
     .Handbuch =
         R"(Der Text des ersten Eingabefeldes (\(BqUrliste\(lq, bei zweidimensionalen Daten \(BqMerkmal a1\(lq).
Vorgabe: leer.)",
     .Uebersicht = R"(.RB [ \-\-a1
.IR TEXT " | ")",
     .Setzen =
         [](Aufruf& a, const Option&, const std::string& w) {
             a.A1 = {w, std::nullopt};
         }},
    {.Name = "--a1-file",
     .Wert = "PFAD",
     .Hilfe = "erstes Eingabefeld aus einer Datei (- für die Standardeingabe)",
     .Handbuch = R"(Liest das erste Eingabefeld aus einer Datei;
.B \-
liest die Standardeingabe.
Die Zeilenumbrüche der Datei werden zum Trennzeichen, so dass eine Datei mit einem Wert je
Zeile gelesen werden kann.
Je Eingabefeld werden höchstens 16 MiB (16\~777\~216 Bytes) gelesen.
Eine Liste fasst höchstens 32\~767 Werte, und so viele Zahlen mit allen Stellen, die eine
Gleitkommazahl trägt, brauchen weniger als 1 MiB; die Grenze lässt das Sechzehnfache für
Leerstellen und lange Schreibweisen und hält einen Rechenlauf unter einer Sekunde.
Das Lesen endet, sobald die Liste mehr Trennzeichen hat, als ein Rechenlauf annimmt (32\~768
zwischen ihrem ersten und letzten Zeichen, das keine Leerstelle ist): Der Bericht ist dann
\(BqÜberlauf\(lq, genau wie für die ganze Datei, und der Rest wird nicht mehr gelesen, auch bei
einer Eingabe ohne Ende.
Geht die Eingabe ohne das über 16 MiB hinaus, wird sie abgewiesen wie eine Datei, die nicht
gelesen werden kann (Rückgabewert 2).
Wird
.B \-
für beide Eingabefelder genannt, bekommt das erste die Standardeingabe, das zweite bleibt leer.)",
     .Uebersicht = R"(.B \-\-a1\-file
.IR PFAD ])",
     .ReadmeWert = "PATH",
     .Bedeutung = "the first input box (`-` reads standard input); a file's line breaks become "
                  "the separator",
     .Vorgabe = "empty",
     .Setzen =
         [](Aufruf& a, const Option&, const std::string& w) {
             a.A1 = {std::nullopt, w};
         }},
    {.Name = "--a2",
     .Wert = "TEXT",
     .Hilfe = "Text des zweiten Eingabefeldes",
     .Uebersicht = R"(.RB [ \-\-a2
.IR TEXT " | ")",
     .Setzen =
         [](Aufruf& a, const Option&, const std::string& w) {
             a.A2 = {w, std::nullopt};
         }},
    {.Name = "--a2-file",
     .Wert = "PFAD",
     .Hilfe = "zweites Eingabefeld aus einer Datei (- für die Standardeingabe)",
     .Handbuch = R"(Das zweite Eingabefeld (\(BqMerkmal a2\(lq), wie
.B \-\-a1
und
.BR \-\-a1\-file ;
nur bei
.B \-\-mode\~2
gelesen.)",
     .Uebersicht = R"(.B \-\-a2\-file
.IR PFAD ])",
     .ReadmeWert = "PATH",
     .Bedeutung = "the second input box",
     .Vorgabe = "empty",
     .Setzen =
         [](Aufruf& a, const Option&, const std::string& w) {
             a.A2 = {std::nullopt, w};
         }},
    {.Name = "--locale",
     .Wert = "NAME",
     .Hilfe = "Gebietsschema für Zahlen, z. B. de_DE oder en_US",
     .Handbuch = R"(Das Gebietsschema, nach dem Zahlen gelesen und geschrieben werden, etwa
.B de_DE
(Dezimalkomma) oder
.B en_US
(Dezimalpunkt).
Vorgabe: aus der ersten gesetzten der Umgebungsvariablen
.BR LC_ALL ,
.B LC_NUMERIC
und
.BR LANG ;
ist keine gesetzt, der Dezimalpunkt.)",
     .Bedeutung = "locale for reading and printing numbers (`de_DE`, `en_US`, ...)",
     .Vorgabe = "from LC_ALL, LC_NUMERIC, LANG",
     .Setzen = [](Aufruf& a, const Option&, const std::string& w) { a.Locale = w; }},
    {.Name = "--answer",
     .Wert = "NAME=WERT",
     .Hilfe = "statt des Berichts die Antwort auf ein Ergebnis prüfen; mehrfach möglich",
     .Handbuch = R"(Prüft statt des Berichts die Antwort
.I WERT
auf das Ergebnis
.I NAME
der gewählten Einträge; mehrfach möglich.
.I NAME
ist die Bezeichnung, mit der der Bericht das Ergebnis nennt, etwa
.BR Median ,
.BR s²x ,
.B r
oder
.BR ^b ;
dazu
.BR h.j ,
.BR hi. ,
.BR f(a1|bj) ,
.BR f(a2|bj) ,
.BR f(bj|a1) ,
.BR f(bj|a2) ,
.B h~a1
und
.B h~a2
für die Zeilen der Häufigkeitstabellen.
.I WERT
ist eine Zahl im gewählten Gebietsschema; eine Zahl mit dem anderen Dezimaltrennzeichen wird
gelesen, wie sie gemeint ist, mit einem Hinweis.
Der Modus, die Randhäufigkeiten und die bedingten Häufigkeiten nehmen mehrere Werte,
getrennt durch das Trennzeichen oder Leerstellen (der Modus in beliebiger Reihenfolge,
\(Bqkein\(lq, wenn es keinen gibt).
Je Antwort eine Zeile: der Name, die Bewertung
.RB ( richtig ,
.B zu ungenau
(auf weniger Stellen gerundet),
.B falsch
oder
.BR fehlt )
und, wo einer erkannt wird, ein Satz zum typischen Fehler.
Richtig ist der auf die Nachkommastellen gerundete Wert; endet der ungerundete Wert genau auf
eine 5 hinter der letzten Stelle, zählt auf- und abgerundet.
Werte, die der Bericht ungerundet zeigt (Median, Modus, Quartile), sind auch ungerundet
richtig.
Ein Name, den die gewählten Einträge nicht berechnen, ist ein Aufruffehler, der die bekannten
Namen nennt.
Der Rückgabewert ist 0, wenn alle Antworten bewertet wurden.)",
     .Uebersicht = R"(.RB [ \-\-answer
.IR NAME = WERT ]...)",
     .ReadmeWert = "NAME=VALUE",
     .Bedeutung = "instead of the report, mark the answer VALUE to the result NAME (a label of "
                  "the report); repeatable",
     .Vorgabe = "none",
     .Setzen = [](Aufruf& a, const Option&, const std::string& w) { a.Antworten.push_back(w); }},
    {.Name = "--chart",
     .Wert = "PFAD",
     .Hilfe = "zusätzlich das Diagramm als PNG oder PDF, nach der Endung",
     .Handbuch = R"(Schreibt außerdem das Diagramm des gewählten Datenmaterials in die Datei
.IR PFAD ,
als PNG oder PDF (Vektorgrafik) je nach Endung
.B .png
oder
.BR .pdf ;
eine andere Endung ist ein Aufruffehler.
Bei
.B \-\-mode\~1
zeigt es die Verteilung der Werte mit Modus, Median, Mittelwert, Spannweite und der
Standardabweichung um den Mittelwert.
Der Bericht geht unverändert auf die Standardausgabe.
Eine Anzeige wird nicht gebraucht.
Die Datei wird erst ersetzt, wenn die neue ganz geschrieben ist; eine symbolische Verknüpfung
bleibt, ersetzt wird die Datei, auf die sie zeigt.
Was keine gewöhnliche Datei ist, wird nie ersetzt: In eine Pipe (ihr Leser bekommt das Bild;
das Programm wartet auf ihn) oder ein Gerät wie
.I /dev/null
wird hineingeschrieben, ein Ordner, ein Datenträger oder ein Socket wird abgewiesen
(Rückgabewert 1).)",
     .ReadmeWert = "PATH",
     .Bedeutung = "also write the chart of the data (see [Charts](#charts)): PNG, or PDF as "
                  "vector graphics, by the extension `.png` / `.pdf`",
     .Vorgabe = "none",
     .Setzen = Diagrammoption},
    {.Name = "--chart-size",
     .Wert = "BxH",
     .Hilfe = "Größe des Diagramms in Pixeln, je 100 bis 4000 (800x600)",
     .Handbuchkopf = R"(.BI \-\-chart\-size " B" x H)",
     .Handbuch = R"(Breite und Höhe des Diagramms in Pixeln, jede von 100 bis 4000.
Vorgabe:
.BR 800x600 .)",
     .Uebersicht = R"(.RB [ \-\-chart\-size
.IR B x H ])",
     .ReadmeWert = "WxH",
     .Bedeutung = "the chart's size in pixels, each side 100 to 4000 (the PDF page has that "
                  "size at 96 pixels to the inch)",
     .Vorgabe = "`800x600`",
     .Setzen = Diagrammoption},
    // Its texts name the chart kinds of their table and say what each shows.
    {.Name = "--chart-kind",
     .Wert = "ART",
     .TexteBilden = DiagrammartTexte,
     .ReadmeWert = "KIND",
     .Setzen = Diagrammoption},
    {.Name = "--worksheets",
     .Wert = "N",
     .Hilfe = "statt des Berichts N Übungsblätter (1 bis 500) mit Lösungen als PDF;\n"
              "braucht --seed und --worksheet-pdf",
     .Handbuch = R"(Schreibt statt des Berichts
.I N
Übungsblätter (1 bis 500) in die PDF-Datei von
.BR \-\-worksheet\-pdf :
je Blatt eigene Zufallsdaten, die Aufgaben der gewählten Einträge mit je einer leeren
Antwortzeile, dahinter die Lösungen jedes Blattes mit seinen Daten und den
Berechnungsschritten.
Die Daten von Blatt
.I i
hängen nur von
.BR \-\-seed ,
.I i
und
.B \-\-values
ab; gleiche Optionen ergeben dieselbe Datei.
Die Eingabefelder
.RB ( \-\-a1 ,
.BR \-\-a2 )
entfallen;
.B \-\-answer
und
.B \-\-chart
lassen sich nicht damit verbinden.
Die Seiten sind A4 hoch mit einem Heftrand von 27\~mm.)",
     .Bedeutung = "instead of the report, write N worksheets (1 to 500) with their answer key "
                  "as a PDF; each sheet gets its own random data",
     .Vorgabe = "none",
     .Setzen =
         [](Aufruf& a, const Option&, const std::string& w) {
             const auto n = Ganzzahl(w, 1, kMeisteBlaetter);
             if (!n) throw Nutzungsfehler{"--worksheets braucht eine Zahl von 1 bis 500: " + w};
             a.Blaetter = static_cast<int>(*n);
         }},
    {.Name = "--seed",
     .Wert = "S",
     .Hilfe = "Startwert der Zufallsdaten der Übungsblätter (0 bis 4294967295)",
     .Handbuch = R"(Der Startwert der Zufallsdaten der Übungsblätter, 0 bis 4294967295.)",
     .Bedeutung = "start value of the worksheets' random data (0 to 4294967295)",
     .Vorgabe = "none",
     .Setzen =
         [](Aufruf& a, const Option&, const std::string& w) {
             const auto s = Ganzzahl(w, 0, 4294967295u);
             if (!s) throw Nutzungsfehler{"--seed braucht eine Zahl von 0 bis 4294967295: " + w};
             a.Startwert = static_cast<std::uint32_t>(*s);
         }},
    {.Name = "--values",
     .Wert = "K",
     .Hilfe = "Werte je Eingabefeld auf jedem Übungsblatt, 1 bis 99 (10)",
     .Handbuch = R"(Die Zahl der Werte je Eingabefeld auf jedem Übungsblatt, 1 bis 99.
Das erste Feld bekommt ganze Zahlen von 1 bis 100, das zweite ebenso, wo der Wert des ersten
größer als 9 ist, sonst von 1 bis 10.
Vorgabe: 10.)",
     .Bedeutung = "values per input box on each worksheet, 1 to 99",
     .Vorgabe = "10",
     .Setzen =
         [](Aufruf& a, const Option&, const std::string& w) {
             const auto k = Ganzzahl(w, kWenigsteWerte, kMeisteWerte);
             if (!k) throw Nutzungsfehler{"--values braucht eine Zahl von 1 bis 99: " + w};
             a.Werte = static_cast<int>(*k);
         }},
    {.Name = "--worksheet-pdf",
     .Wert = "PFAD",
     .Hilfe = "die PDF-Datei der Übungsblätter",
     .Handbuch = R"(Die PDF-Datei der Übungsblätter; sie wird erst ersetzt, wenn die neue ganz
geschrieben ist.
Kann sie nicht geschrieben werden, ist das ein Aufruffehler (Rückgabewert 2).)",
     .ReadmeWert = "PATH",
     .Bedeutung = "the worksheets' PDF file",
     .Vorgabe = "none",
     .Setzen =
         [](Aufruf& a, const Option&, const std::string& w) {
             if (w.empty()) throw Nutzungsfehler{"--worksheet-pdf braucht einen Dateinamen"};
             a.Blattdatei = w;
         }},
    {.Name = "--list",
     .Wert = "",
     .Endet = true,
     .Hilfe = "alle Einträge der Auswahlliste: Datenmaterial, Berechnungsschritte,\n"
              "Eintrag und Überschrift des Abschnitts, durch Tabulatoren getrennt",
     .Handbuch =
         R"(Schreibt alle Einträge der Auswahlliste, je Zeile durch Tabulatoren getrennt: Datenmaterial
(1 oder 2), Berechnungsschritte
.RB ( mit
oder
.BR ohne ),
Eintrag und Überschrift seines Abschnitts; dann endet das Programm.)",
     .Bedeutung = "print every list entry (data mode, steps, entry, section title; "
                  "tab-separated) and exit",
     .Setzen =
         [](Aufruf& a, const Option&, const std::string&) {
             for (const Statistik& s : AlleStatistiken())
                 a.Aus << (s.Zweidimensional ? "2" : "1") << '\t'
                       << (s.MitBerechnungsschritten ? "mit" : "ohne") << '\t' << s.Text << '\t'
                       << s.Titel << '\n';
         }},
    {.Name = "--version",
     .Wert = "",
     .Endet = true,
     .Hilfe = "die Version",
     .Handbuch = R"(Schreibt \(BqZorvanta @PROJECT_VERSION@\(lq und endet.)",
     .Bedeutung = R"(print "Zorvanta )" ZV_VERSION
                  R"(" and exit (the window program `zorvanta --version` too))",
     .Setzen = [](Aufruf& a, const Option&,
                  const std::string&) { a.Aus << "Zorvanta " ZV_VERSION "\n"; }},
    {.Name = "--help",
     .Wert = "",
     .Kurz = "-h",
     .Endet = true,
     .Hilfe = "diese Hilfe",
     .Handbuchkopf = R"(.BR \-h ", " \-\-help)",
     .Handbuch = "Schreibt eine Übersicht der Optionen und endet.",
     .Bedeutung = "print an overview of the options and exit",
     .Setzen = [](Aufruf& a, const Option&, const std::string&) { a.Aus << Hilfetext(); }},
};

// A row whose texts are made elsewhere has none of its own that would go unread.
constexpr bool TexteEindeutig() {
    for (const Option& o : kOptionen)
        if (o.TexteBilden != nullptr &&
            !(o.Hilfe.empty() && o.Handbuchkopf.empty() && o.Handbuch.empty() &&
              o.Uebersicht.empty() && o.Bedeutung.empty() && o.Vorgabe.empty()))
            return false;
    return true;
}
static_assert(TexteEindeutig(), "kOptionen: a row with TexteBilden has no texts of its own");

const Option* OptionZuName(const std::string& name) {
    for (const Option& o : kOptionen)
        if (name == o.Name || (!o.Kurz.empty() && name == o.Kurz)) return &o;
    return nullptr;
}

}  // namespace

std::span<const Option> AlleOptionen() {
    return kOptionen;
}

Optionstexte Option::Texte() const {
    if (TexteBilden != nullptr) return TexteBilden();
    return {.Hilfe = std::string(Hilfe),
            .Handbuchkopf = std::string(Handbuchkopf),
            .Handbuch = std::string(Handbuch),
            .Uebersicht = std::string(Uebersicht),
            .Bedeutung = std::string(Bedeutung),
            .Vorgabe = std::string(Vorgabe)};
}

std::string Hilfetext() {
    std::string text = kHilfekopf;
    for (const Option& o : kOptionen) {
        std::string kopf = "  " + std::string(o.Name);
        if (!o.Wert.empty()) kopf += " " + std::string(o.Wert);
        kopf.resize(std::max(kopf.size() + 1, kHilfespalte), ' ');
        text += kopf;
        const std::string hilfe = o.Texte().Hilfe;
        for (const char c : hilfe) {
            text += c;
            if (c == '\n') text.append(kHilfespalte, ' ');
        }
        text += '\n';
    }
    return text + kHilfefuss;
}

int ReportWerkzeug(const std::vector<std::string>& argumente, std::istream& eingabe,
                   std::ostream& aus, std::ostream& fehler) {
    try {
        Aufruf aufruf{.Aus = aus};
        for (std::size_t i = 0; i < argumente.size(); ++i) {
            std::string name = argumente[i];
            std::optional<std::string> wert;
            if (auto gleich = name.find('='); name.rfind("--", 0) == 0 && gleich != name.npos) {
                wert = name.substr(gleich + 1);
                name.resize(gleich);
            }
            const Option* o = OptionZuName(name);
            if (o == nullptr) throw Nutzungsfehler{"unbekannte Option: " + argumente[i]};
            if (o->Wert.empty()) {
                if (wert && !o->Endet) throw Nutzungsfehler{name + " nimmt keinen Wert"};
                wert.emplace();
            } else if (!wert) {
                if (i + 1 >= argumente.size()) throw Nutzungsfehler{name + " braucht einen Wert"};
                wert = argumente[++i];
            }
            o->Setzen(aufruf, *o, *wert);
            if (o->Endet) return 0;
        }
        Steuerzustand& zustand = aufruf.Zustand;
        const Diagrammwunsch& diagramm = aufruf.Diagramm;

        if (const std::string f = DiagrammwunschPruefen(diagramm, zustand.Zweidimensional);
            !f.empty())
            throw Nutzungsfehler{f};

        // The list of the mode, with the chosen entries selected; they run in list order.
        for (const std::string& text : ListenEintraege(zustand.Zweidimensional))
            zustand.lstSelection.push_back({text, false});
        for (const std::string& text : aufruf.Auswahl) {
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

        clsRechenlauf lauf(aufruf.Locale ? DezimaltrennzeichenFuerLocale(*aufruf.Locale)
                                         : DezimaltrennzeichenAusUmgebung());
        lauf.TrennzeichenSetzen(zustand.Trennzeichenwahl);
        // Worksheets before the boxes are read: their data come from the generator.
        if (const int code = BlaetterSchreiben(aufruf, zustand, lauf.Dezimaltrennzeichen());
            code >= 0)
            return code;
        const char trenner = lauf.Trennzeichen().front();
        bool eingabeGelesen = false;
        zustand.txtM1 = FeldText(aufruf.A1, trenner, eingabe, eingabeGelesen);
        zustand.txtM2 = FeldText(aufruf.A2, trenner, eingabe, eingabeGelesen);

        if (!aufruf.Antworten.empty()) {
            if (diagramm.Pfad)
                throw Nutzungsfehler{"--answer und --chart lassen sich nicht verbinden"};
            const int code =
                AntwortenPruefen(aufruf, std::move(zustand), lauf.Dezimaltrennzeichen(), aus);
            if (!aus) {
                fehler << "zorvanta-report: Bewertung nicht schreibbar\n";
                return 1;
            }
            return code;
        }
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
