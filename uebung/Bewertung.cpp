#include "uebung/Bewertung.h"

#include <algorithm>

#include "base/Laufzeitfehler.h"
#include "base/Zahlenlesen.h"
#include "base/Zahltext.h"
#include "uebung/Fehlerkatalog.h"

namespace zv {

namespace {

// The decimal text d as a double (point as separator).
double AlsZahl(const std::string& d) {
    return ZahlLesen(d, ".");
}

// The decimal text of |x| one unit higher in its last place: "2.34" -> "2.35", "9.9" -> "10.0".
std::string EinsHoeher(std::string text) {
    std::size_t i = text.size();
    while (i > 0) {
        --i;
        if (text[i] == '.' || text[i] == '-') continue;
        if (text[i] != '9') {
            ++text[i];
            return text;
        }
        text[i] = '0';
    }
    const std::size_t erste = text.front() == '-' ? 1 : 0;
    return text.insert(erste, "1");
}

// The values that count as x rounded to p places: the report's rounding, and where x printed in
// full ends in a 5 right after place p, its neighbour on the other side as well.
std::vector<double> Gerundete(double x, int p) {
    std::vector<double> werte = {AufStellen(x, p)};
    const std::string voll = VollText(x, ".");
    const std::size_t punkt = voll.find('.');
    if (voll.find('E') != std::string::npos || punkt == std::string::npos) return werte;
    const std::size_t stellen = voll.size() - punkt - 1;
    if (stellen != static_cast<std::size_t>(p) + 1 || voll.back() != '5') return werte;
    std::string ab = voll.substr(0, voll.size() - 1);
    if (ab.back() == '.') ab.pop_back();
    werte.push_back(AlsZahl(ab));
    werte.push_back(AlsZahl(EinsHoeher(ab)));
    return werte;
}

bool Trifft(double antwort, double x, int p) {
    const std::vector<double> werte = Gerundete(x, p);
    return std::find(werte.begin(), werte.end(), antwort) != werte.end();
}

std::string_view Ohne(std::string_view t) {
    while (!t.empty() && (t.front() == ' ' || t.front() == '\t')) t.remove_prefix(1);
    while (!t.empty() && (t.back() == ' ' || t.back() == '\t')) t.remove_suffix(1);
    return t;
}

// The hint for numbers read with the other decimal separator; gelesen: what was read.
std::string Trennerhinweis(const std::string& gelesen, std::string_view dezimal) {
    const bool komma = dezimal == ",";
    return "Gelesen " + gelesen + "; hier trennt ein " + (komma ? "Komma" : "Punkt") +
           " die Nachkommastellen, nicht ein " + (komma ? "Punkt." : "Komma.");
}

std::string KeineZahl(std::string_view text) {
    return "„" + std::string(text) + "“ ist keine Zahl.";
}

}  // namespace

std::string_view NotenText(Note note) {
    switch (note) {
        case Note::Richtig:
            return "richtig";
        case Note::ZuUngenau:
            return "zu ungenau";
        case Note::Falsch:
            return "falsch";
        case Note::Fehlt:
            break;
    }
    return "fehlt";
}

double AufStellen(double x, int nks) {
    return AlsZahl(GerundetText(x, nks, "."));
}

Note WertBewerten(double antwort, double wahr, int nks, bool vollGedruckt) {
    if (vollGedruckt && antwort == AlsZahl(VollText(wahr, "."))) return Note::Richtig;
    if (Trifft(antwort, wahr, nks)) return Note::Richtig;
    for (int p = 0; p < nks; ++p)
        if (Trifft(antwort, wahr, p)) return Note::ZuUngenau;
    return Note::Falsch;
}

Gelesen AntwortLesen(std::string_view text, std::string_view dezimal) {
    const std::string_view andere = dezimal == "," ? "." : ",";
    for (const std::string_view trenner : {dezimal, andere}) {
        if (!IstNumerisch(text, trenner)) continue;
        try {
            return {true, trenner != dezimal, ZahlLesen(text, trenner)};
        } catch (const Laufzeitfehler&) {
            return {};  // beyond the range of numbers
        }
    }
    return {};
}

Bewertung AntwortBewerten(const Aufgabe& aufgabe, const Antwortzeile& zeile,
                          std::string_view antwort) {
    const std::string_view dezimal = aufgabe.Einstellungen.Dezimaltrennzeichen;
    const int nks = aufgabe.Einstellungen.Nks;
    antwort = Ohne(antwort);
    if (antwort.empty()) return {Note::Fehlt, {}};

    const bool liste = zeile.Art == Zeilenart::ListeGerundet || zeile.Art == Zeilenart::ListeVoll ||
                       zeile.Art == Zeilenart::Modus;
    if (zeile.Art == Zeilenart::Modus && zeile.Wahr.empty()) {
        std::string klein(antwort);
        for (char& c : klein)
            if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
        if (klein == "kein" || klein == "kein modus") return {Note::Richtig, {}};
        return {Note::Falsch, "Jeder Wert kommt nur einmal vor: Es gibt keinen Modus („kein“)."};
    }

    // The pieces: split at the chosen separator and at blanks.
    std::vector<std::string_view> stuecke;
    const char trenner = aufgabe.Einstellungen.Trennzeichen.empty()
                             ? ' '
                             : aufgabe.Einstellungen.Trennzeichen.front();
    if (liste) {
        std::size_t anfang = 0;
        for (std::size_t i = 0; i <= antwort.size(); ++i) {
            if (i < antwort.size() && antwort[i] != trenner && antwort[i] != ' ' &&
                antwort[i] != '\t')
                continue;
            if (i > anfang) stuecke.push_back(antwort.substr(anfang, i - anfang));
            anfang = i + 1;
        }
    } else {
        stuecke.push_back(antwort);
    }

    std::vector<double> werte;
    bool vertauscht = false;
    for (const std::string_view s : stuecke) {
        const Gelesen g = AntwortLesen(s, dezimal);
        if (!g.Lesbar) return {Note::Falsch, KeineZahl(s)};
        vertauscht = vertauscht || g.Vertauscht;
        werte.push_back(g.Wert);
    }
    std::string hinweis;
    if (vertauscht)
        hinweis = Trennerhinweis(
            werte.size() == 1 ? "als " + VollText(werte.front(), dezimal) : "wie gemeint", dezimal);

    // A single number given for a list is checked against the mistakes of the row (the mode's
    // count) before the count of values is held against it.
    Note note = Note::Richtig;
    if (werte.size() != zeile.Wahr.size()) {
        note = Note::Falsch;
    } else {
        std::vector<double> wahr = zeile.Wahr;
        if (zeile.Art == Zeilenart::Modus) {
            std::sort(werte.begin(), werte.end());
            std::sort(wahr.begin(), wahr.end());
        }
        const bool voll = zeile.Art == Zeilenart::Voll || zeile.Art == Zeilenart::ListeVoll ||
                          zeile.Art == Zeilenart::Modus;
        for (std::size_t i = 0; i < werte.size(); ++i)
            note = std::max(note, WertBewerten(werte[i], wahr[i], nks, voll));
    }
    if (note != Note::Falsch) return {note, hinweis};
    if (werte.size() == 1) {
        std::string satz =
            FehlerErkennen(aufgabe, zeile, werte.front(), VollText(werte.front(), dezimal));
        if (!satz.empty()) return {note, std::move(satz)};
    }
    if (werte.size() != zeile.Wahr.size())
        return {note, "Erwartet " + std::string(zeile.Wahr.size() == 1 ? "ist " : "sind ") +
                          GanzzahlText(static_cast<long long>(zeile.Wahr.size())) +
                          (zeile.Wahr.size() == 1 ? " Wert" : " Werte") + ", angegeben " +
                          (werte.size() == 1 ? "ist " : "sind ") +
                          GanzzahlText(static_cast<long long>(werte.size())) + "."};
    return {note, hinweis};
}

}  // namespace zv
