#include "base/Text.h"

namespace zv {

std::size_t Zeichenzahl(std::string_view text) {
    std::size_t n = 0;
    for (unsigned char c : text)
        if ((c & 0xC0) != 0x80) ++n;  // every byte but a continuation byte starts a character
    return n;
}

std::size_t Utf8Zeichenlaenge(std::string_view text) {
    if (text.empty()) return 0;
    const auto b = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
    const unsigned char c = b(0);
    if (c < 0x80) return 1;
    // The allowed range of the second byte depends on the first; later bytes are 80..BF.
    std::size_t laenge = 0;
    unsigned char von = 0x80, bis = 0xBF;
    if (c >= 0xC2 && c <= 0xDF)
        laenge = 2;
    else if (c >= 0xE0 && c <= 0xEF)
        laenge = 3, von = c == 0xE0 ? 0xA0 : 0x80, bis = c == 0xED ? 0x9F : 0xBF;
    else if (c >= 0xF0 && c <= 0xF4)
        laenge = 4, von = c == 0xF0 ? 0x90 : 0x80, bis = c == 0xF4 ? 0x8F : 0xBF;
    if (laenge == 0 || text.size() < laenge || b(1) < von || b(1) > bis) return 0;
    for (std::size_t i = 2; i < laenge; ++i)
        if ((b(i) & 0xC0) != 0x80) return 0;
    return laenge;
}

std::string Leerzeichen(long long n) {
    return n > 0 ? std::string(n, ' ') : std::string();
}

std::string Striche(long long n) {
    return n > 0 ? std::string(n, '-') : std::string();
}

std::string Verbinden(const std::vector<std::string>& teile, std::string_view trenner) {
    std::size_t laenge = 0;
    for (const auto& t : teile) laenge += t.size() + trenner.size();
    std::string ergebnis;
    ergebnis.reserve(laenge);
    for (std::size_t i = 0; i < teile.size(); ++i) {
        if (i > 0) ergebnis += trenner;
        ergebnis += teile[i];
    }
    return ergebnis;
}

std::vector<std::string_view> Teilen(std::string_view text, char trenner) {
    std::vector<std::string_view> teile;
    if (text.empty()) return teile;
    std::size_t anfang = 0;
    for (;;) {
        std::size_t pos = text.find(trenner, anfang);
        if (pos == std::string_view::npos) {
            teile.push_back(text.substr(anfang));
            return teile;
        }
        teile.push_back(text.substr(anfang, pos - anfang));
        anfang = pos + 1;
    }
}

std::string_view OhneRandLeerzeichen(std::string_view text) {
    std::size_t a = text.find_first_not_of(' ');
    if (a == std::string_view::npos) return {};
    std::size_t e = text.find_last_not_of(' ');
    return text.substr(a, e - a + 1);
}

std::string ZeilenumbruecheAlsTrenner(std::string_view text, char trenner) {
    while (!text.empty() && (text.back() == '\n' || text.back() == '\r')) text.remove_suffix(1);
    std::string ergebnis;
    ergebnis.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r') {
            if (i + 1 < text.size() && text[i + 1] == '\n') ++i;
            ergebnis.push_back(trenner);
        } else if (text[i] == '\n') {
            ergebnis.push_back(trenner);
        } else {
            ergebnis.push_back(text[i]);
        }
    }
    return ergebnis;
}

}  // namespace zv
