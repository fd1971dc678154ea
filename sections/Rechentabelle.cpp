#include "sections/Rechentabelle.h"

#include <algorithm>
#include <charconv>
#include <cstring>

#include "base/Laufzeitfehler.h"
#include "base/Text.h"
#include "base/Zahltext.h"

namespace zv {

void Rechentabelle::Kopf(std::vector<std::string> ueberschriften, std::size_t reihen) {
    kopf_ = std::move(ueberschriften);
    eintraege_.reserve(reihen * kopf_.size());
    text_.reserve(reihen * kopf_.size() * 8);
}

double Rechentabelle::ZwoelfStellen(double x) {
    char text[32];
    const char* ende =
        std::to_chars(text, text + sizeof text, x, std::chars_format::scientific, 11).ptr;
    std::from_chars(text, ende, x);
    return x;
}

void Rechentabelle::KeineSpalten() {
    Wirf(Fehlerart::IndexAusserhalb);
}

Rechentabelle& Rechentabelle::Nummer(std::size_t i) {
    char ziffern[24];
    const char* ende = std::to_chars(ziffern, ziffern + sizeof ziffern, i + 1).ptr;
    return *this << std::string_view(ziffern, static_cast<std::size_t>(ende - ziffern));
}

void Rechentabelle::Marke(std::string text) {
    if (!kopf_.empty() && !eintraege_.empty())
        marken_.emplace_back(eintraege_.size() / kopf_.size() - 1, std::move(text));
}

void Rechentabelle::Summen(std::vector<std::string> eintraege) {
    summen_ = {std::string(kSummenzeile)};
    for (std::string& e : eintraege) summen_.push_back(std::move(e));
    summen_.resize(kopf_.size());
}

std::string Eingesetzt(std::string_view zahl) {
    if (!zahl.empty() && zahl.front() == '-') return "(" + std::string(zahl) + ")";
    return std::string(zahl);
}

std::string Stellentext(const Laufkontext& k, double x, int stellen) {
    return stellen < 0 ? k.Voll(x) : GerundetText(x, stellen, k.Format.Dezimal());
}

int KnappeStellen(const Laufkontext& k, const Gezeigt& werte,
                  const std::function<bool(const Gezeigt&)>& passt) {
    // Beyond 15 significant digits a rounded text is the full one: the loop ends there.
    const std::string_view dezimal = k.Format.Dezimal();
    Gezeigt gezeigt(werte.size());
    for (int stellen = k.Nks; stellen < 400; ++stellen) {
        bool voll = true, gelesen = true;
        for (std::size_t i = 0; i < werte.size(); ++i) {
            std::string text = Stellentext(k, werte[i], stellen);
            voll = voll && text == k.Voll(werte[i]);
            if (const std::size_t d = text.find(dezimal); d != text.npos && !dezimal.empty())
                text.replace(d, dezimal.size(), ".");
            const auto [ende, fehler] =
                std::from_chars(text.data(), text.data() + text.size(), gezeigt[i]);
            gelesen = gelesen && fehler == std::errc() && ende == text.data() + text.size();
        }
        if (voll) return -1;
        if (gelesen && passt(gezeigt)) return stellen;
    }
    return -1;
}

namespace {

constexpr std::string_view kSpaltenabstand = "  ";

// The characters of an entry before its decimal separator: all of them when it has none.
std::size_t VorDemKomma(std::string_view eintrag, std::size_t zeichen, std::string_view dezimal) {
    const std::size_t stelle = dezimal.empty() ? eintrag.npos : eintrag.find(dezimal);
    if (stelle == eintrag.npos) return zeichen;
    return Zeichenzahl(eintrag.substr(0, stelle));
}

}  // namespace

std::vector<Rechentabelle::Spalte> Rechentabelle::Spalten(std::string_view dezimal) const {
    const std::size_t spalten = kopf_.size();
    std::vector<Spalte> s(spalten);
    const auto nehmen = [&](Spalte& spalte, std::string_view eintrag, std::size_t zeichen) {
        const std::size_t vorne = VorDemKomma(eintrag, zeichen, dezimal);
        spalte.Vorne = std::max(spalte.Vorne, vorne);
        spalte.Hinten = std::max(spalte.Hinten, zeichen - vorne);
    };
    std::size_t anfang = 0;
    for (std::size_t e = 0; e < eintraege_.size(); ++e) {
        const Eintrag& eintrag = eintraege_[e];
        nehmen(s[e % spalten], std::string_view(text_).substr(anfang, eintrag.Ende - anfang),
               eintrag.Zeichen);
        anfang = eintrag.Ende;
    }
    for (std::size_t i = 0; i < summen_.size(); ++i)
        nehmen(s[i], summen_[i], Zeichenzahl(summen_[i]));
    for (std::size_t i = 0; i < spalten; ++i)
        s[i].Breite = std::max(Zeichenzahl(kopf_[i]), s[i].Vorne + s[i].Hinten);
    return s;
}

std::size_t Rechentabelle::Reihenbytes(const std::vector<Spalte>& spalten) const {
    // Every row as wide as the columns, in bytes: the blanks and characters of the widths,
    // the bytes of characters longer than one, the gaps, marks and CR LF.
    std::size_t breite = 2 + kSpaltenabstand.size() * (spalten.size() - 1);
    for (const Spalte& s : spalten) breite += s.Breite;
    std::size_t zeichen = 0;
    for (const Eintrag& e : eintraege_) zeichen += e.Zeichen;
    std::size_t bytes = eintraege_.size() / spalten.size() * breite + (text_.size() - zeichen);
    for (const auto& [reihe, text] : marken_) bytes += text.size();
    return bytes;
}

std::size_t Rechentabelle::ReihenSchreiben(char* ziel, const std::vector<Spalte>& spalten,
                                           std::string_view dezimal) const {
    const std::size_t reihen = eintraege_.size() / spalten.size();
    char* p = ziel;
    std::size_t eintrag = 0, anfang = 0, marke = 0;
    for (std::size_t r = 0; r < reihen; ++r) {
        for (std::size_t i = 0; i < spalten.size(); ++i, ++eintrag) {
            if (i > 0) {
                std::memcpy(p, kSpaltenabstand.data(), kSpaltenabstand.size());
                p += kSpaltenabstand.size();
            }
            const Eintrag& e = eintraege_[eintrag];
            const std::string_view text(text_.data() + anfang, e.Ende - anfang);
            anfang = e.Ende;
            const Spalte& s = spalten[i];
            const std::size_t vorne = VorDemKomma(text, e.Zeichen, dezimal);
            const std::size_t links = s.Breite - s.Hinten - vorne;
            std::memset(p, ' ', links);
            p += links;
            std::memcpy(p, text.data(), text.size());
            p += text.size();
            const std::size_t rechts = s.Hinten - (e.Zeichen - vorne);
            std::memset(p, ' ', rechts);
            p += rechts;
        }
        if (marke < marken_.size() && marken_[marke].first == r) {
            const std::string& text = marken_[marke++].second;
            std::memcpy(p, text.data(), text.size());
            p += text.size();
        } else {
            // No blanks at the end of a line.
            while (p > ziel && p[-1] == ' ') --p;
        }
        std::memcpy(p, "\r\n", 2);
        p += 2;
    }
    return static_cast<std::size_t>(p - ziel);
}

void Rechentabelle::Schreiben(Laufkontext& k, const std::vector<std::string>& weitere) const {
    if (Ueberschrift) k.Add("Rechentabelle");
    for (const std::string& zeile : Vorspann) k.Add(zeile);
    if (!kopf_.empty()) {
        const std::string_view dezimal = k.Format.Dezimal();
        const std::vector<Spalte> spalten = Spalten(dezimal);
        std::string kopf;
        for (std::size_t i = 0; i < spalten.size(); ++i) {
            if (i > 0) kopf += kSpaltenabstand;
            kopf.append(spalten[i].Breite - Zeichenzahl(kopf_[i]), ' ');
            kopf += kopf_[i];
        }
        const std::string strich = Striche(static_cast<long long>(Zeichenzahl(kopf)));
        k.Add(kopf);
        k.Add(strich);

        // All rows as one block of lines: one count and one copy into the report.
        k.Ausgabe.AddZeilen(Reihenbytes(spalten),
                            [&](char* ziel) { return ReihenSchreiben(ziel, spalten, dezimal); });

        if (!summen_.empty()) {
            // The sum row as a row of the table: its label right-aligned like the numbers.
            std::string zeile;
            for (std::size_t i = 0; i < spalten.size(); ++i) {
                if (i > 0) zeile += kSpaltenabstand;
                const Spalte& s = spalten[i];
                const std::size_t zeichen = Zeichenzahl(summen_[i]);
                const std::size_t vorne = VorDemKomma(summen_[i], zeichen, dezimal);
                zeile.append(s.Breite - s.Hinten - vorne, ' ');
                zeile += summen_[i];
                zeile.append(s.Hinten - (zeichen - vorne), ' ');
            }
            while (!zeile.empty() && zeile.back() == ' ') zeile.pop_back();
            k.Add(strich);
            k.Add(zeile);
        }
        if (GerundeteEintraege) k.Add(kUngerundetGerechnet);
    }
    for (const std::string& zeile : Nachspann) k.Add(zeile);
    for (const std::string& zeile : weitere) k.Add(zeile);
    k.Add("");
}

}  // namespace zv
