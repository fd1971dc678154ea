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
    std::size_t stelle = eintrag.npos;
    if (dezimal.size() == 1) {
        const void* fund = std::memchr(eintrag.data(), dezimal.front(), eintrag.size());
        if (fund != nullptr)
            stelle = static_cast<std::size_t>(static_cast<const char*>(fund) - eintrag.data());
    } else if (!dezimal.empty()) {
        stelle = eintrag.find(dezimal);
    }
    if (stelle == eintrag.npos) return zeichen;
    // An entry of one byte per character has as many characters before the separator as bytes.
    return zeichen == eintrag.size() ? stelle : Zeichenzahl(eintrag.substr(0, stelle));
}

// n blanks / n bytes at p; the entries and gaps of a table row are a few bytes each, which a
// plain loop writes faster than a call.
char* Leerzeichen(char* p, std::size_t n) {
    for (; n > 0; --n) *p++ = ' ';
    return p;
}
char* Kopiert(char* p, const char* quelle, std::size_t n) {
    if (n > 32) {
        std::memcpy(p, quelle, n);
        return p + n;
    }
    for (; n > 0; --n) *p++ = *quelle++;
    return p;
}

}  // namespace

std::vector<Rechentabelle::Spalte> Rechentabelle::Spalten(std::string_view dezimal,
                                                          std::vector<std::uint32_t>& vorne) const {
    const std::size_t spalten = kopf_.size();
    std::vector<Spalte> s(spalten);
    const auto nehmen = [&](Spalte& spalte, std::string_view eintrag, std::size_t zeichen) {
        const std::size_t v = VorDemKomma(eintrag, zeichen, dezimal);
        spalte.Vorne = std::max(spalte.Vorne, v);
        spalte.Hinten = std::max(spalte.Hinten, zeichen - v);
        return v;
    };
    vorne.resize(eintraege_.size());
    std::size_t anfang = 0;
    for (std::size_t e = 0, i = 0; e < eintraege_.size(); ++e, i = i + 1 == spalten ? 0 : i + 1) {
        const Eintrag& eintrag = eintraege_[e];
        vorne[e] = static_cast<std::uint32_t>(nehmen(
            s[i], std::string_view(text_.data() + anfang, eintrag.Ende - anfang), eintrag.Zeichen));
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
                                           const std::vector<std::uint32_t>& vorneListe) const {
    const std::size_t reihen = eintraege_.size() / spalten.size();
    char* p = ziel;
    std::size_t eintrag = 0, anfang = 0, marke = 0;
    for (std::size_t r = 0; r < reihen; ++r) {
        for (std::size_t i = 0; i < spalten.size(); ++i, ++eintrag) {
            if (i > 0) p = Kopiert(p, kSpaltenabstand.data(), kSpaltenabstand.size());
            const Eintrag& e = eintraege_[eintrag];
            const Spalte& s = spalten[i];
            const std::size_t vorne = vorneListe[eintrag];
            p = Leerzeichen(p, s.Breite - s.Hinten - vorne);
            p = Kopiert(p, text_.data() + anfang, e.Ende - anfang);
            anfang = e.Ende;
            p = Leerzeichen(p, s.Hinten - (e.Zeichen - vorne));
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
        // A table shown again in the same report (the variance's, under the measures built on
        // it) takes its columns and rows from where it was written the first time.
        // A table lives for one report, so the bytes there are still its rows.
        const bool wieder = zuletzt_.Bericht == &k.Ausgabe && zuletzt_.Dezimal == dezimal &&
                            zuletzt_.Laenge > 0 &&
                            zuletzt_.Von + zuletzt_.Laenge <= k.Ausgabe.Value().size();
        std::vector<std::uint32_t> vorneJeEintrag;
        const std::vector<Spalte> spalten =
            wieder ? zuletzt_.Spalten : Spalten(dezimal, vorneJeEintrag);
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
        const std::size_t von = k.Ausgabe.Value().size();
        if (wieder) {
            k.Ausgabe.AddZeilen(zuletzt_.Laenge, [&](char* ziel) {
                // After the report made room: the rows written before lie before ziel.
                std::memcpy(ziel, k.Ausgabe.Value().data() + zuletzt_.Von, zuletzt_.Laenge);
                return zuletzt_.Laenge;
            });
        } else {
            k.Ausgabe.AddZeilen(Reihenbytes(spalten), [&](char* ziel) {
                return ReihenSchreiben(ziel, spalten, vorneJeEintrag);
            });
        }
        zuletzt_ = {&k.Ausgabe, std::string(dezimal), spalten, von, k.Ausgabe.Value().size() - von};

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
