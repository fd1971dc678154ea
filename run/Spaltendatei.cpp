#include "run/Spaltendatei.h"

#include <algorithm>
#include <map>

#include "base/Text.h"
#include "base/Zahlenlesen.h"

namespace zv {

namespace {

// The longest content a message quotes of a row, in characters.
constexpr std::size_t kInhaltLaenge = 60;

void Utf8Anhaengen(std::string& text, char32_t zeichen) {
    if (zeichen < 0x80) {
        text.push_back(static_cast<char>(zeichen));
    } else if (zeichen < 0x800) {
        text.push_back(static_cast<char>(0xC0 | (zeichen >> 6)));
        text.push_back(static_cast<char>(0x80 | (zeichen & 0x3F)));
    } else if (zeichen < 0x10000) {
        text.push_back(static_cast<char>(0xE0 | (zeichen >> 12)));
        text.push_back(static_cast<char>(0x80 | ((zeichen >> 6) & 0x3F)));
        text.push_back(static_cast<char>(0x80 | (zeichen & 0x3F)));
    } else {
        text.push_back(static_cast<char>(0xF0 | (zeichen >> 18)));
        text.push_back(static_cast<char>(0x80 | ((zeichen >> 12) & 0x3F)));
        text.push_back(static_cast<char>(0x80 | ((zeichen >> 6) & 0x3F)));
        text.push_back(static_cast<char>(0x80 | (zeichen & 0x3F)));
    }
}

bool IstUtf8(std::string_view text) {
    for (std::size_t i = 0; i < text.size();) {
        const std::size_t n = Utf8Zeichenlaenge(text.substr(i));
        if (n == 0) return false;
        i += n;
    }
    return true;
}

// Windows-1252, which spreadsheets on Windows write by default: the bytes 0x80 to 0x9F are
// typographic characters, the rest are Latin-1. The five unassigned bytes keep their value.
std::string AusWindows1252(std::string_view roh) {
    static constexpr char16_t kC1[32] = {
        0x20AC, 0x81,   0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
        0x2039, 0x0152, 0x8D,   0x017D, 0x8F,   0x90,   0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
        0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x9D,   0x017E, 0x0178};
    std::string text;
    text.reserve(roh.size());
    for (const char c : roh) {
        const auto b = static_cast<unsigned char>(c);
        Utf8Anhaengen(text, b >= 0x80 && b < 0xA0 ? kC1[b - 0x80] : b);
    }
    return text;
}

// UTF-16 after its byte order mark; a lone surrogate becomes U+FFFD. False for an odd length.
bool AusUtf16(std::string_view roh, bool kleinEndian, std::string& text) {
    if (roh.size() % 2 != 0) return false;
    const auto einheit = [&](std::size_t i) {
        const auto a = static_cast<unsigned char>(roh[i]);
        const auto b = static_cast<unsigned char>(roh[i + 1]);
        return static_cast<char32_t>(kleinEndian ? a | (b << 8) : (a << 8) | b);
    };
    for (std::size_t i = 0; i < roh.size(); i += 2) {
        char32_t z = einheit(i);
        if (z >= 0xD800 && z < 0xDC00 && i + 2 < roh.size()) {
            const char32_t tief = einheit(i + 2);
            if (tief >= 0xDC00 && tief < 0xE000) {
                z = 0x10000 + ((z - 0xD800) << 10) + (tief - 0xDC00);
                i += 2;
            }
        }
        if (z >= 0xD800 && z < 0xE000) z = 0xFFFD;
        Utf8Anhaengen(text, z);
    }
    return true;
}

// The file as UTF-8 text; false when it is no text.
bool AlsText(std::string_view roh, std::string& text) {
    if (roh.starts_with("\xFF\xFE") || roh.starts_with("\xFE\xFF")) {
        if (!AusUtf16(roh.substr(2), roh[0] == '\xFF', text)) return false;
    } else {
        if (roh.starts_with("\xEF\xBB\xBF")) roh.remove_prefix(3);
        text = IstUtf8(roh) ? std::string(roh) : AusWindows1252(roh);
    }
    return text.find('\0') == std::string::npos;
}

std::string_view Beschnitten(std::string_view text) {
    const auto anfang = text.find_first_not_of(" \t");
    if (anfang == std::string_view::npos) return {};
    return text.substr(anfang, text.find_last_not_of(" \t") - anfang + 1);
}

bool IstZahl(std::string_view zelle) {
    return IstNumerisch(zelle, ",") || IstNumerisch(zelle, ".");
}

// A cell that holds something other than a number, such as a column name.
bool IstText(std::string_view zelle) {
    return !Beschnitten(zelle).empty() && !IstZahl(zelle);
}

bool IstZellgrenze(char c) {
    return c == ',' || c == ';' || c == '\t';
}

// One row of the file, possibly over several lines where a quoted cell holds line breaks.
struct Satz {
    std::size_t Nummer = 0;
    std::string Inhalt;
    bool Offen = false;  // a quote that is never closed
};

// The file's rows. A double quote at the start of a cell (after blanks) opens a quoted cell,
// which ends at the next single quote; two quotes inside it stand for one.
std::vector<Satz> Saetze(std::string_view text) {
    std::vector<Satz> saetze;
    std::size_t zeile = 1;
    Satz satz{zeile, {}, false};
    bool zitiert = false, zellanfang = true;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        const bool umbruch = c == '\r' || c == '\n';
        if (umbruch && i + 1 < text.size() && c == '\r' && text[i + 1] == '\n') ++i;
        if (umbruch) ++zeile;
        if (zitiert) {
            if (c == '"' && i + 1 < text.size() && text[i + 1] == '"') {
                satz.Inhalt += "\"\"";
                ++i;
                continue;
            }
            if (c == '"') zitiert = false;
            satz.Inhalt += umbruch ? '\n' : c;
            continue;
        }
        if (umbruch) {
            saetze.push_back(std::move(satz));
            satz = Satz{zeile, {}, false};
            zellanfang = true;
            continue;
        }
        if (c == '"' && zellanfang) zitiert = true;
        if (c != ' ') zellanfang = IstZellgrenze(c);
        satz.Inhalt += c;
    }
    satz.Offen = zitiert;
    if (!satz.Inhalt.empty() || zitiert) saetze.push_back(std::move(satz));
    return saetze;
}

// The cells of a row at the separator (0: the row is one cell), quotes taken off.
std::vector<std::string> Zellen(std::string_view satz, char trenner) {
    std::vector<std::string> zellen(1);
    bool zitiert = false, zellanfang = true;
    for (std::size_t i = 0; i < satz.size(); ++i) {
        const char c = satz[i];
        std::string& zelle = zellen.back();
        if (zitiert) {
            if (c == '"' && i + 1 < satz.size() && satz[i + 1] == '"') {
                zelle += '"';
                ++i;
            } else if (c == '"') {
                zitiert = false;
            } else {
                zelle += c;
            }
            continue;
        }
        if (trenner != 0 && c == trenner) {
            zellen.emplace_back();
            zellanfang = true;
            continue;
        }
        if (c == '"' && zellanfang) {
            zitiert = true;
            zelle.clear();  // blanks before the quote belong to no value
            zellanfang = false;
            continue;
        }
        if (c != ' ') zellanfang = false;
        zelle += c;
    }
    return zellen;
}

bool Leer(const Satz& satz) {
    return satz.Inhalt.find_first_not_of(" \t,;\"") == std::string::npos;
}

// The separator of the rows. A tab or a semicolon anywhere decides. A comma alone may be the
// decimal sign of a single column: so it is where a header row holds no comma, where rows with
// and without one are mixed, and, where every row holds exactly one comma and no decimal point,
// where the locale writes the decimal comma.
char TrennzeichenFinden(const std::vector<Satz>& saetze, std::string_view ortsDezimal) {
    const auto irgendwo = [&](char c) {
        return std::any_of(saetze.begin(), saetze.end(),
                           [c](const Satz& s) { return Zellen(s.Inhalt, c).size() > 1; });
    };
    if (irgendwo('\t')) return '\t';
    if (irgendwo(';')) return ';';
    if (!irgendwo(',')) return 0;
    const auto kopf = Zellen(saetze.front().Inhalt, ',');
    if (std::any_of(kopf.begin(), kopf.end(), [](const std::string& z) { return IstText(z); }))
        return kopf.size() > 1 ? ',' : 0;
    bool gemischt = false;
    for (const Satz& s : saetze) {
        const std::size_t n = Zellen(s.Inhalt, ',').size();
        if (n > 2) return ',';
        gemischt = gemischt || n != kopf.size();
    }
    if (gemischt) return 0;
    const bool punkt = std::any_of(saetze.begin(), saetze.end(), [](const Satz& s) {
        return s.Inhalt.find('.') != std::string::npos;
    });
    return punkt || ortsDezimal != "," ? ',' : 0;
}

// The number of cells without the empty ones at the end.
std::size_t Belegt(const std::vector<std::string>& zellen) {
    std::size_t n = zellen.size();
    while (n > 1 && Beschnitten(zellen[n - 1]).empty()) --n;
    return n;
}

std::string Wertzahl(std::size_t n) {
    return n == 1 ? "nur ein Wert" : std::to_string(n) + " Werte";
}

}  // namespace

std::string Zeilenfehler::Text() const {
    std::string zeigen;
    std::size_t zeichen = 0;
    for (std::size_t i = 0; i < Inhalt.size();) {
        if (++zeichen > kInhaltLaenge) {
            zeigen += "…";
            break;
        }
        const std::size_t n = std::max<std::size_t>(1, Utf8Zeichenlaenge(Inhalt.substr(i)));
        if (Inhalt[i] == '\t')
            zeigen += "[Tab]";
        else if (Inhalt[i] == '\n')
            zeigen += "[Zeilenumbruch]";
        else
            zeigen += Inhalt.substr(i, n);
        i += n;
    }
    return "Zeile " + std::to_string(Zeile) + ": „" + zeigen + "“ – " + Grund;
}

Spaltentabelle SpaltendateiLesen(std::string_view inhalt, std::string_view ortsDezimal) {
    Spaltentabelle tabelle;
    std::string text;
    if (!AlsText(inhalt, text)) {
        tabelle.Unlesbar = "Die Datei ist keine Textdatei.";
        return tabelle;
    }
    std::vector<Satz> saetze = Saetze(text);
    std::erase_if(saetze, [](const Satz& s) { return !s.Offen && Leer(s); });
    if (saetze.empty()) {
        tabelle.Unlesbar = "Die Datei enthält keine Werte.";
        return tabelle;
    }
    tabelle.Trennzeichen = TrennzeichenFinden(saetze, ortsDezimal);

    std::vector<std::vector<std::string>> zellen;
    std::map<std::size_t, std::size_t> haeufigkeit;  // cell count -> rows
    for (const Satz& s : saetze) {
        zellen.push_back(Zellen(s.Inhalt, tabelle.Trennzeichen));
        ++haeufigkeit[Belegt(zellen.back())];
    }
    // The column count most rows have; between equally frequent ones the larger.
    std::size_t meiste = 0;
    for (const auto& [anzahl, zeilen] : haeufigkeit) {
        if (zeilen < meiste) continue;
        meiste = zeilen;
        tabelle.Spaltenzahl = anzahl;
    }

    // The first row names the columns where it holds a text above a number of the next row, or
    // where it is the only row and holds a text.
    const auto& erste = zellen.front();
    bool kopf = false;
    for (std::size_t j = 0; j < erste.size() && !kopf; ++j)
        kopf = IstText(erste[j]) &&
               (zellen.size() == 1 || (j < zellen[1].size() && IstZahl(zellen[1][j])));
    if (kopf) {
        for (std::size_t j = 0; j < tabelle.Spaltenzahl; ++j)
            tabelle.Kopf.emplace_back(j < erste.size() ? Beschnitten(erste[j]) : "");
    }

    for (std::size_t i = 0; i < saetze.size(); ++i) {
        const Satz& s = saetze[i];
        if (s.Offen) {
            tabelle.Fehler.push_back(
                {s.Nummer, s.Inhalt, "das Anführungszeichen wird nicht geschlossen"});
            continue;
        }
        const std::size_t n = Belegt(zellen[i]);
        if (n > tabelle.Spaltenzahl || zellen[i].size() < tabelle.Spaltenzahl) {
            tabelle.Fehler.push_back(
                {s.Nummer, s.Inhalt,
                 Wertzahl(n) + " statt " + std::to_string(tabelle.Spaltenzahl)});
            continue;
        }
        if (i == 0 && kopf) continue;
        zellen[i].resize(tabelle.Spaltenzahl);
        tabelle.Zeilen.push_back({s.Nummer, s.Inhalt, std::move(zellen[i])});
    }
    if (tabelle.Zeilen.empty() && tabelle.Fehler.empty())
        tabelle.Unlesbar = "Die Datei enthält außer der Kopfzeile keine Werte.";
    return tabelle;
}

Spaltenauszug SpaltenAuslesen(const Spaltentabelle& tabelle,
                              const std::vector<std::size_t>& spalten,
                              std::string_view zielDezimal) {
    Spaltenauszug auszug;
    auszug.Werte.resize(spalten.size());
    auszug.Fehler = tabelle.Fehler;

    // The decimal sign that more of these cells hold.
    std::size_t komma = 0, punkt = 0;
    for (const auto& zeile : tabelle.Zeilen) {
        for (const std::size_t j : spalten) {
            const std::string& zelle = zeile.Zellen.at(j);
            komma += zelle.find(',') != std::string::npos;
            punkt += zelle.find('.') != std::string::npos;
        }
    }
    auszug.Dezimal = komma > 0 && komma >= punkt ? "," : punkt > 0 ? "." : "";
    const std::string dezimal = auszug.Dezimal.empty() ? "." : auszug.Dezimal;
    const std::string anders = dezimal == "," ? "." : ",";

    for (const auto& zeile : tabelle.Zeilen) {
        std::vector<std::string> werte;
        for (const std::size_t j : spalten) {
            const std::string_view zelle = Beschnitten(zeile.Zellen[j]);
            // "„x“ in Spalte 2 ist keine Zahl"; in a file of one column the row says it all.
            const std::string wer =
                tabelle.Spaltenzahl > 1
                    ? "„" + std::string(zelle) + "“ in Spalte " + std::to_string(j + 1) + " "
                    : "";
            const auto zeichen = [](const std::string& d) {
                return d == "," ? "ein Dezimalkomma" : "einen Dezimalpunkt";
            };
            std::string grund;
            if (zelle.empty())
                grund = "in Spalte " + std::to_string(j + 1) + " fehlt der Wert";
            else if (IstNumerisch(zelle, anders) && !IstNumerisch(zelle, dezimal))
                grund = wer + "hat " + zeichen(anders) + ", die übrigen Werte " + zeichen(dezimal);
            else if (!IstNumerisch(zelle, dezimal))
                grund = wer.empty() ? "keine Zahl" : wer + "ist keine Zahl";
            if (!grund.empty()) {
                auszug.Fehler.push_back({zeile.Nummer, zeile.Inhalt, grund});
                break;
            }
            std::string wert(zelle);
            if (const auto stelle = wert.find(dezimal); stelle != std::string::npos)
                wert.replace(stelle, 1, zielDezimal);
            werte.push_back(std::move(wert));
        }
        if (werte.size() != spalten.size()) continue;
        for (std::size_t k = 0; k < werte.size(); ++k)
            auszug.Werte[k].push_back(std::move(werte[k]));
    }
    std::stable_sort(
        auszug.Fehler.begin(), auszug.Fehler.end(),
        [](const Zeilenfehler& a, const Zeilenfehler& b) { return a.Zeile < b.Zeile; });
    return auszug;
}

std::string Fehlermeldung(std::string_view quelle, const std::vector<Zeilenfehler>& fehler,
                          std::size_t hoechstens) {
    const std::size_t n = fehler.size();
    std::string text = std::string(quelle) + " wurde nicht übernommen, denn ";
    text += n == 1 ? "eine Zeile passt nicht:" : std::to_string(n) + " Zeilen passen nicht:";
    text += "\r\n\r\n";
    for (std::size_t i = 0; i < n && i < hoechstens; ++i) text += fehler[i].Text() + "\r\n";
    if (n > hoechstens) {
        const std::size_t rest = n - hoechstens;
        text += rest == 1 ? "… und eine weitere Zeile.\r\n"
                          : "… und " + std::to_string(rest) + " weitere Zeilen.\r\n";
    }
    return text + "\r\nDie Eingabefelder bleiben, wie sie waren.\r\n";
}

}  // namespace zv
