#include "sections/Rechentabelle.h"

#include <algorithm>
#include <charconv>
#include <cstring>

#include "base/Laufzeitfehler.h"
#include "base/Text.h"

namespace zv {

void Rechentabelle::Kopf(std::vector<std::string> ueberschriften, std::size_t reihen) {
    kopf_ = std::move(ueberschriften);
    breiten_.assign(kopf_.size(), 0);
    for (std::size_t i = 0; i < kopf_.size(); ++i) breiten_[i] = Zeichenzahl(kopf_[i]);
    eintraege_.reserve(reihen * kopf_.size());
    text_.reserve(reihen * kopf_.size() * 8);
    spalte_ = 0;
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
    for (std::size_t i = 0; i < summen_.size(); ++i)
        breiten_[i] = std::max(breiten_[i], Zeichenzahl(summen_[i]));
}

namespace {

// Short pieces are copied 16 bytes at a time where 16 bytes can be read and written: the
// bytes beyond the piece are overwritten by the next one.
constexpr std::size_t kHappen = 16;

void Kopieren(char*& ziel, const char* quelle, std::size_t n, const char* quellende) {
    if (n <= kHappen && quellende - quelle >= static_cast<std::ptrdiff_t>(kHappen))
        std::memcpy(ziel, quelle, kHappen);
    else
        std::memcpy(ziel, quelle, n);
    ziel += n;
}

}  // namespace

std::size_t Rechentabelle::Reihenbytes(const std::string& trenner) const {
    // Every row as wide as the widest entries, in bytes: the blanks and characters of the
    // widths, the bytes of characters longer than one, separators, marks and CR LF; and
    // room for a last 16-byte copy.
    const std::size_t spalten = kopf_.size();
    std::size_t breite = 2 + trenner.size() * (spalten - 1);
    for (std::size_t b : breiten_) breite += b;
    std::size_t zeichen = 0;
    for (const Eintrag& e : eintraege_) zeichen += e.Zeichen;
    std::size_t bytes = eintraege_.size() / spalten * breite + (text_.size() - zeichen) + kHappen;
    for (const auto& [reihe, text] : marken_) bytes += text.size();
    return bytes;
}

std::size_t Rechentabelle::ReihenSchreiben(char* ziel, const std::string& trenner) const {
    const std::size_t spalten = kopf_.size();
    const std::size_t reihen = eintraege_.size() / spalten;
    const std::string leer(kHappen, ' ');
    std::string trennstueck = trenner;
    trennstueck.resize(std::max(trennstueck.size(), kHappen));
    const char* const quellende = text_.data() + text_.size();

    char* p = ziel;
    std::size_t eintrag = 0, anfang = 0, marke = 0;
    for (std::size_t r = 0; r < reihen; ++r) {
        for (std::size_t i = 0; i < spalten; ++i, ++eintrag) {
            if (i > 0)
                Kopieren(p, trennstueck.data(), trenner.size(), trennstueck.data() + kHappen);
            const Eintrag& e = eintraege_[eintrag];
            const std::size_t blanks = breiten_[i] - e.Zeichen;
            if (blanks <= kHappen)
                std::memcpy(p, leer.data(), kHappen);
            else
                std::memset(p, ' ', blanks);
            p += blanks;
            Kopieren(p, text_.data() + anfang, e.Ende - anfang, quellende);
            anfang = e.Ende;
        }
        if (marke < marken_.size() && marken_[marke].first == r) {
            const std::string& text = marken_[marke++].second;
            std::memcpy(p, text.data(), text.size());
            p += text.size();
        }
        std::memcpy(p, "\r\n", 2);
        p += 2;
    }
    return static_cast<std::size_t>(p - ziel);
}

void Rechentabelle::Schreiben(Laufkontext& k, const std::vector<std::string>& weitere) const {
    k.Add("Rechentabelle");
    for (const std::string& zeile : Vorspann) k.Add(zeile);
    if (const std::size_t spalten = kopf_.size(); spalten > 0) {
        const std::string& trenner = k.Ausgabetrennzeichen;
        const auto kopfzeile = [&](const std::vector<std::string>& eintraege) {
            std::string zeile;
            for (std::size_t i = 0; i < spalten; ++i) {
                if (i > 0) zeile += trenner;
                zeile.append(breiten_[i] - Zeichenzahl(eintraege[i]), ' ');
                zeile += eintraege[i];
            }
            return zeile;
        };
        const std::string kopf = kopfzeile(kopf_);
        const std::string strich = Striche(static_cast<long long>(Zeichenzahl(kopf)));
        k.Add(kopf);
        k.Add(strich);

        // All rows as one block of lines: one count and one copy into the report.
        k.Ausgabe.AddZeilen(Reihenbytes(trenner),
                            [&](char* ziel) { return ReihenSchreiben(ziel, trenner); });

        if (!summen_.empty()) {
            k.Add(strich);
            k.Add(kopfzeile(summen_));
        }
        if (GerundeteEintraege) k.Add(kUngerundetGerechnet);
    }
    for (const std::string& zeile : Nachspann) k.Add(zeile);
    for (const std::string& zeile : weitere) k.Add(zeile);
    k.Add("");
}

}  // namespace zv
