#include "cli/Feldlesen.h"

#include <algorithm>
#include <array>
#include <string_view>

namespace zv {

namespace {

// As many separators inside the trimmed text as make the run refuse the list.
constexpr std::size_t kUeberlaufTrenner = 32768;

// Counts the separators that will stand inside the text once the run has trimmed its leading
// and trailing blanks. With any separator but the blank that is every separator; blanks count
// only between two non-blank characters.
class Trennerzaehler {
  public:
    explicit Trennerzaehler(char trenner) : trenner_(trenner) {}

    // Separators that line breaks became.
    void Trenner(std::size_t anzahl) {
        if (trenner_ != ' ')
            innen_ += anzahl;
        else if (begonnen_)
            offen_ += anzahl;
    }

    // Text without line breaks.
    void Text(std::string_view text) {
        if (trenner_ != ' ') {
            innen_ += static_cast<std::size_t>(std::count(text.begin(), text.end(), trenner_));
            return;
        }
        const auto erstes = text.find_first_not_of(' ');
        if (erstes == std::string_view::npos) {
            Trenner(text.size());
            return;
        }
        const auto letztes = text.find_last_not_of(' ');
        if (begonnen_) innen_ += offen_ + erstes;
        innen_ += static_cast<std::size_t>(
            std::count(text.begin() + static_cast<std::ptrdiff_t>(erstes),
                       text.begin() + static_cast<std::ptrdiff_t>(letztes), ' '));
        offen_ = text.size() - 1 - letztes;
        begonnen_ = true;
    }

    bool Ueberlauf() const { return innen_ >= kUeberlaufTrenner; }

  private:
    char trenner_;
    std::size_t innen_ = 0;  // separators with a non-blank character after them
    std::size_t offen_ = 0;  // blanks since the last non-blank character
    bool begonnen_ = false;  // a non-blank character came
};

}  // namespace

Feldinhalt FeldLesen(std::streambuf& quelle, char trenner, std::size_t hoechstens) {
    Feldinhalt ergebnis;
    std::string& text = ergebnis.Text;
    // Every byte read gives at most one byte of text. Reserved at once, the memory is taken
    // from the system only as the text fills it, and no growing copies are left behind.
    text.reserve(hoechstens);
    Trennerzaehler zaehler(trenner);
    std::size_t umbrueche = 0;  // line breaks not written yet: trailing ones are dropped
    bool nachCr = false;        // the last line break was a CR, which takes a following LF along
    std::size_t gelesen = 0;
    std::array<char, 64 * 1024> puffer;
    for (;;) {
        const std::streamsize n = quelle.sgetn(puffer.data(), puffer.size());
        if (n <= 0) break;
        std::string_view stueck(puffer.data(), static_cast<std::size_t>(n));
        const bool zuviel = stueck.size() > hoechstens - gelesen;
        if (zuviel) stueck = stueck.substr(0, hoechstens - gelesen);
        gelesen += stueck.size();
        while (!stueck.empty()) {
            const auto umbruch = stueck.find_first_of("\r\n");
            const std::string_view zeile = stueck.substr(0, umbruch);
            if (!zeile.empty()) {
                nachCr = false;
                text.append(umbrueche, trenner);
                zaehler.Trenner(umbrueche);
                umbrueche = 0;
                text.append(zeile);
                zaehler.Text(zeile);
            }
            if (umbruch == std::string_view::npos) break;
            if (stueck[umbruch] == '\r' || !nachCr) ++umbrueche;
            nachCr = stueck[umbruch] == '\r';
            stueck.remove_prefix(umbruch + 1);
        }
        // Past the point where the run refuses the list, nothing can change the report.
        if (zaehler.Ueberlauf()) {
            ergebnis.Ende = Leseende::Ueberlauf;
            return ergebnis;
        }
        if (zuviel) {
            ergebnis.Ende = Leseende::ZuGross;
            return ergebnis;
        }
    }
    return ergebnis;
}

}  // namespace zv
