#include "cli/Dokubloecke.h"

#include "cli/Optionen.h"
#include "run/Statistiken.h"

namespace zv {

namespace {

// The widest line of roff text the blocks write; roff fills the lines anew anyway.
constexpr std::size_t kRoffbreite = 95;

// Replaces every occurrence of was in text by durch.
std::string Ersetzt(std::string text, std::string_view was, std::string_view durch) {
    for (auto p = text.find(was); p != text.npos; p = text.find(was, p + durch.size()))
        text.replace(p, was.size(), durch);
    return text;
}

// Breaks a line of roff text at spaces into lines of at most kRoffbreite bytes (a word longer
// than that stays whole).
std::string Umbrochen(std::string_view zeile) {
    std::string text;
    while (zeile.size() > kRoffbreite) {
        auto bruch = zeile.rfind(' ', kRoffbreite);
        if (bruch == zeile.npos || bruch == 0) bruch = zeile.find(' ');
        if (bruch == zeile.npos) break;
        text.append(zeile.substr(0, bruch)) += '\n';
        zeile.remove_prefix(bruch + 1);
    }
    return text.append(zeile) += '\n';
}

std::string Eintragsliste(bool zweidimensional) {
    std::string liste;
    for (const Statistik& s : AlleStatistiken()) {
        if (s.Zweidimensional != zweidimensional) continue;
        if (!liste.empty()) liste += ", ";
        liste += Roffname(s.Text);
    }
    return liste + ".";
}

std::string Xml(std::string_view text) {
    std::string ergebnis;
    for (const char c : text) {
        if (c == '&')
            ergebnis += "&amp;";
        else if (c == '<')
            ergebnis += "&lt;";
        else if (c == '>')
            ergebnis += "&gt;";
        else
            ergebnis += c;
    }
    return ergebnis;
}

// A cell of a Markdown table ("|" escaped).
std::string Zelle(std::string_view text) {
    return Ersetzt(std::string(text), "|", "\\|");
}

// The option with its value as a code span of a Markdown table ("|" escaped).
std::string Readmename(const Option& o) {
    std::string name =
        "`" + std::string(o.Kurz.empty() ? "" : std::string(o.Kurz) + "`, `") + std::string(o.Name);
    const std::string_view wert = o.ReadmeWert.empty() ? o.Wert : o.ReadmeWert;
    if (!wert.empty()) name += " " + Zelle(wert);
    return name + "`";
}

}  // namespace

std::string Roffname(std::string_view name) {
    return Ersetzt(std::string(name), "-", "\\-");
}

std::string StatistikenRoff(bool zweidimensional) {
    return Umbrochen(Eintragsliste(zweidimensional));
}

std::string OptionenHandbuch() {
    std::string text;
    bool geteilt = false;  // the row before has no paragraph of its own
    for (const Option& o : AlleOptionen()) {
        const Optionstexte t = o.Texte();
        text += geteilt ? ".TQ\n" : ".TP\n";
        if (!t.Handbuchkopf.empty())
            text += t.Handbuchkopf + '\n';
        else if (o.Wert.empty())
            text += ".B " + Roffname(o.Name) + "\n";
        else
            text += ".BI " + Roffname(o.Name) + " \" " + std::string(o.Wert) + "\"\n";
        geteilt = t.Handbuch.empty();
        if (geteilt) continue;
        std::string absatz = Ersetzt(t.Handbuch, "{Eintraege1}\n", StatistikenRoff(false));
        absatz = Ersetzt(absatz, "{Eintraege2}\n", StatistikenRoff(true));
        text += absatz + "\n";
    }
    return text;
}

std::string OptionenUebersicht() {
    std::string text = ".B zorvanta-report\n", einzeln;
    for (const Option& o : AlleOptionen()) {
        const std::string uebersicht = o.Texte().Uebersicht;
        std::string& ziel = o.Endet ? einzeln : text;
        if (o.Endet) ziel += ".br\n.B zorvanta-report\n";
        if (!uebersicht.empty())
            ziel += uebersicht + '\n';
        else if (o.Endet)
            ziel += ".B " + Roffname(o.Name) + "\n";
        else if (o.Wert.empty())
            ziel += ".RB [ " + Roffname(o.Name) + " ]\n";
        else
            ziel += ".RB [ " + Roffname(o.Name) + "\n.IR " + std::string(o.Wert) + " ]\n";
    }
    return text + einzeln;
}

std::string OptionenReadme() {
    std::string text = "| option | meaning | default |\n|---|---|---|\n";
    std::string namen;
    for (const Option& o : AlleOptionen()) {
        const Optionstexte t = o.Texte();
        namen += (namen.empty() ? "" : " / ") + Readmename(o);
        if (t.Bedeutung.empty()) continue;
        text += "| " + namen + " | " + t.Bedeutung + " | " + t.Vorgabe;
        text += t.Vorgabe.empty() ? "|\n" : " |\n";
        namen.clear();
    }
    return text;
}

std::string StatistikenHandbuch() {
    return Umbrochen("Eindimensional: " + Eintragsliste(false)) +
           Umbrochen("Zweidimensional: " + Eintragsliste(true));
}

std::string StatistikenReadme() {
    std::string text =
        "| list entry | section title | data mode | calculation steps |\n"
        "|---|---|---|---|\n";
    for (const Statistik& s : AlleStatistiken())
        text += "| " + Zelle(s.Text) + " | " + Zelle(s.Titel) + " | " +
                (s.Zweidimensional ? "two-dimensional" : "one-dimensional") + " | " +
                (s.MitBerechnungsschritten ? "yes" : "no") + " |\n";
    return text;
}

std::string StatistikenMetainfo() {
    std::string text;
    for (const bool zweidimensional : {false, true}) {
        text += zweidimensional ? "    <p>Zweidimensionale Daten:</p>\n"
                                : "    <p>Eindimensionale Daten:</p>\n";
        text += "    <ul>\n";
        for (const Statistik& s : AlleStatistiken())
            if (s.Zweidimensional == zweidimensional)
                text +=
                    "      <li>" + Xml(s.Bezeichnung.empty() ? s.Text : s.Bezeichnung) + "</li>\n";
        text += "    </ul>\n";
    }
    return text;
}

std::optional<std::string> Dokublock(std::string_view name) {
    if (name == "optionen-uebersicht") return OptionenUebersicht();
    if (name == "optionen-handbuch") return OptionenHandbuch();
    if (name == "optionen-readme") return OptionenReadme();
    if (name == "statistiken-handbuch") return StatistikenHandbuch();
    if (name == "statistiken-readme") return StatistikenReadme();
    if (name == "statistiken-metainfo") return StatistikenMetainfo();
    return std::nullopt;
}

}  // namespace zv
