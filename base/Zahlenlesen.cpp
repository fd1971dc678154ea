#include "base/Zahlenlesen.h"

#include <cmath>
#include <cstdlib>

#include "base/CZahlen.h"
#include "base/Laufzeitfehler.h"

namespace zv {

namespace {

bool IstZiffer(char c) {
    return c >= '0' && c <= '9';
}
bool IstLeer(char c) {
    return c == ' ' || c == '\t';
}

// Matches the whole text against the number syntax and writes it in C syntax into c.
bool AlsCZahl(std::string_view text, std::string_view dezimal, std::string& c) {
    std::size_t i = 0;
    const std::size_t n = text.size();
    while (i < n && IstLeer(text[i])) ++i;
    if (i < n && (text[i] == '+' || text[i] == '-')) c.push_back(text[i++]);
    bool trenner = false;
    std::size_t ziffern = 0;
    while (i < n) {
        if (IstZiffer(text[i])) {
            c.push_back(text[i++]);
            ++ziffern;
        } else if (!trenner && !dezimal.empty() && text.substr(i, dezimal.size()) == dezimal) {
            c.push_back('.');
            i += dezimal.size();
            trenner = true;
        } else {
            break;
        }
    }
    if (ziffern == 0) return false;
    if (i < n && (text[i] == 'e' || text[i] == 'E')) {
        c.push_back('e');
        ++i;
        if (i < n && (text[i] == '+' || text[i] == '-')) c.push_back(text[i++]);
        std::size_t expZiffern = 0;
        while (i < n && IstZiffer(text[i])) {
            c.push_back(text[i++]);
            ++expZiffern;
        }
        if (expZiffern == 0) return false;
    }
    while (i < n && IstLeer(text[i])) ++i;
    return i == n;
}

}  // namespace

double ZahlLesen(std::string_view text, std::string_view dezimal) {
    std::string c;
    c.reserve(text.size() + 1);
    if (!AlsCZahl(text, dezimal, c)) Wirf(Fehlerart::Typenunvertraeglich);
    const double wert = CZahlLesen(c.c_str());
    if (std::isinf(wert)) Wirf(Fehlerart::Ueberlauf);
    return wert;
}

bool IstNumerisch(std::string_view text, std::string_view dezimal) {
    std::string c;
    return AlsCZahl(text, dezimal, c);
}

double FuehrendeZahl(std::string_view text) {
    // Blanks and tabs are dropped wherever they stand; then the longest number at the start.
    std::string s;
    s.reserve(text.size());
    for (char ch : text)
        if (!IstLeer(ch)) s.push_back(ch);

    std::string c;
    std::size_t i = 0;
    const std::size_t n = s.size();
    if (i < n && (s[i] == '+' || s[i] == '-')) c.push_back(s[i++]);
    std::size_t ziffern = 0;
    while (i < n && IstZiffer(s[i])) c.push_back(s[i++]), ++ziffern;
    if (i < n && s[i] == '.') {
        c.push_back(s[i++]);
        while (i < n && IstZiffer(s[i])) c.push_back(s[i++]), ++ziffern;
    }
    if (ziffern == 0) return 0.0;
    if (i < n && (s[i] == 'e' || s[i] == 'E')) {
        std::size_t j = i + 1;
        std::string exp = "e";
        if (j < n && (s[j] == '+' || s[j] == '-')) exp.push_back(s[j++]);
        std::size_t expZiffern = 0;
        while (j < n && IstZiffer(s[j])) exp.push_back(s[j++]), ++expZiffern;
        if (expZiffern > 0) c += exp;
    }
    return CZahlLesen(c.c_str());
}

std::int16_t AufInt16Runden(double wert) {
    const double r = std::nearbyint(wert);  // the default rounding mode: half to even
    if (!(r >= -32768.0 && r <= 32767.0)) Wirf(Fehlerart::Ueberlauf);
    return static_cast<std::int16_t>(r);
}

std::string DezimaltrennzeichenFuerLocale(std::string_view name) {
    // "ll_CC.codeset@modifier": only language and country matter.
    std::string_view basis = name.substr(0, name.find_first_of(".@"));
    std::string_view sprache = basis.substr(0, basis.find_first_of("_-"));
    std::string_view land;
    if (sprache.size() < basis.size()) land = basis.substr(sprache.size() + 1);

    // Countries whose convention differs from their language's.
    static constexpr std::string_view punktLaender[][2] = {
        {"de", "CH"}, {"de", "LI"}, {"it", "CH"}, {"es", "MX"}, {"es", "US"},
        {"es", "GT"}, {"es", "HN"}, {"es", "NI"}, {"es", "PA"}, {"es", "PR"},
        {"es", "SV"}, {"es", "DO"}, {"pt", "MO"}, {"fr", "CH"}};
    static constexpr std::string_view kommaLaender[][2] = {
        {"en", "ZA"}, {"en", "DK"}, {"en", "DE"}, {"en", "NL"}, {"en", "SE"}, {"en", "FI"}};
    for (const auto& p : punktLaender)
        if (sprache == p[0] && land == p[1]) return ".";
    for (const auto& p : kommaLaender)
        if (sprache == p[0] && land == p[1]) return ",";

    static constexpr std::string_view kommaSprachen[] = {
        "af", "az", "be", "bg", "bs", "ca", "cs", "da", "de", "el", "es", "et", "eu", "fi",
        "fo", "fr", "gl", "hr", "hu", "hy", "id", "is", "it", "ka", "kk", "ky", "lb", "lt",
        "lv", "mk", "mn", "nb", "nl", "nn", "no", "pl", "pt", "ro", "ru", "sk", "sl", "sq",
        "sr", "sv", "tr", "uk", "uz", "vi", "br", "oc", "rm", "se", "fy", "wa", "tk", "tt"};
    for (std::string_view s : kommaSprachen)
        if (sprache == s) return ",";
    return ".";
}

std::string DezimaltrennzeichenAusUmgebung() {
    for (const char* variable : {"LC_ALL", "LC_NUMERIC", "LANG"}) {
        const char* wert = std::getenv(variable);
        if (wert != nullptr && *wert != '\0') return DezimaltrennzeichenFuerLocale(wert);
    }
    return ".";
}

}  // namespace zv
