#include "core/Utf.h"

namespace zv {

void Utf8NachUtf16Anhaengen(std::string_view s, std::u16string& ziel) {
    const std::size_t n = s.size();
    std::size_t i = 0;
    while (i < n) {
        unsigned char c = static_cast<unsigned char>(s[i]);
        if (c < 0x80) {
            ziel.push_back(c);
            ++i;
            continue;
        }
        int folge = 0;
        char32_t cp = 0;
        char32_t minimum = 0;
        if ((c & 0xE0) == 0xC0) {
            folge = 1, cp = c & 0x1F, minimum = 0x80;
        } else if ((c & 0xF0) == 0xE0) {
            folge = 2, cp = c & 0x0F, minimum = 0x800;
        } else if ((c & 0xF8) == 0xF0) {
            folge = 3, cp = c & 0x07, minimum = 0x10000;
        } else {
            ziel.push_back(0xFFFD);
            ++i;
            continue;
        }
        bool gueltig = i + static_cast<std::size_t>(folge) < n;
        std::size_t j = 1;
        for (; gueltig && j <= static_cast<std::size_t>(folge); ++j) {
            unsigned char f = static_cast<unsigned char>(s[i + j]);
            if ((f & 0xC0) != 0x80) {
                gueltig = false;
                break;
            }
            cp = (cp << 6) | (f & 0x3F);
        }
        if (!gueltig || cp < minimum || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) {
            ziel.push_back(0xFFFD);
            ++i;
            continue;
        }
        if (cp >= 0x10000) {
            cp -= 0x10000;
            ziel.push_back(static_cast<char16_t>(0xD800 + (cp >> 10)));
            ziel.push_back(static_cast<char16_t>(0xDC00 + (cp & 0x3FF)));
        } else {
            ziel.push_back(static_cast<char16_t>(cp));
        }
        i += folge + 1;
    }
}

std::string Utf16NachUtf8(std::u16string_view s) {
    std::string ziel;
    ziel.reserve(s.size() + s.size() / 8);
    for (std::size_t i = 0; i < s.size(); ++i) {
        char32_t cp = s[i];
        if (cp >= 0xD800 && cp <= 0xDBFF && i + 1 < s.size() && s[i + 1] >= 0xDC00 &&
            s[i + 1] <= 0xDFFF) {
            cp = 0x10000 + ((cp - 0xD800) << 10) + (s[i + 1] - 0xDC00);
            ++i;
        } else if (cp >= 0xD800 && cp <= 0xDFFF) {
            cp = 0xFFFD;
        }
        if (cp < 0x80) {
            ziel.push_back(static_cast<char>(cp));
        } else if (cp < 0x800) {
            ziel.push_back(static_cast<char>(0xC0 | (cp >> 6)));
            ziel.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
        } else if (cp < 0x10000) {
            ziel.push_back(static_cast<char>(0xE0 | (cp >> 12)));
            ziel.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
            ziel.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
        } else {
            ziel.push_back(static_cast<char>(0xF0 | (cp >> 18)));
            ziel.push_back(static_cast<char>(0x80 | ((cp >> 12) & 0x3F)));
            ziel.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
            ziel.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
        }
    }
    return ziel;
}

}  // namespace zv
