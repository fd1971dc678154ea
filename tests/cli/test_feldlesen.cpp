// Reading an input box in bounded pieces: below the limit the text is the one the whole file gave
// (line breaks as the separator, however the source cuts its bytes), reading ends where the run
// refuses the list whatever follows, and at the limit (a source without end: the report tool's
// tests with /dev/zero and an endless pipe).

#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>

#include "base/Text.h"
#include "cli/Feldlesen.h"

namespace {

// Hands out its text a few bytes at a time, so that CR LF and blanks fall across the pieces.
class Tropfen : public std::streambuf {
  public:
    Tropfen(std::string text, std::size_t stueck) : text_(std::move(text)), stueck_(stueck) {}

  protected:
    std::streamsize xsgetn(char* ziel, std::streamsize n) override {
        const std::size_t k = std::min({static_cast<std::size_t>(n), stueck_, text_.size() - pos_});
        std::copy_n(text_.data() + pos_, k, ziel);
        pos_ += k;
        return static_cast<std::streamsize>(k);
    }

  private:
    std::string text_;
    std::size_t stueck_;
    std::size_t pos_ = 0;
};

std::string Mal(const std::string& text, std::size_t n) {
    std::string ergebnis;
    for (std::size_t i = 0; i < n; ++i) ergebnis += text;
    return ergebnis;
}

}  // namespace

TEST(FeldLesen, GivesTheTextOfTheWholeFileWhateverThePieces) {
    // clang-format off
    const std::string faelle[] = {
        "", "1", "1\n", "1\r\n2\r\n", "1\r", "\r\n\r\n\n\r", "1\n\r2", "a\r\r\nb", "1\r\n\r\n",
        "  1 2  \n 3 \n", " \n \n", "1;2\n3;4\r\n", "1\t2\r\n3", std::string("1\0\n2\0", 5),
        "\n\n1", "1" + Mal("\r\n", 70000) + "2", Mal("1 ", 32767) + "1", Mal("1\r\n", 40000),
        // Exactly as many separators inside the trimmed text as the run refuses.
        Mal("1 ", 32768) + "1", "1" + Mal(" \n1", 16384), "1" + Mal("\n 1", 16384) + " ",
        "1" + Mal("\r\n", 32767) + "\r\r1"};
    // clang-format on
    for (const std::string& text : faelle) {
        for (const char trenner : {' ', ',', ';', '\t', '~'}) {
            for (const std::size_t stueck : {1, 2, 3, 65536}) {
                Tropfen quelle(text, stueck);
                const zv::Feldinhalt inhalt = zv::FeldLesen(quelle, trenner);
                const std::string ganz = zv::ZeilenumbruecheAlsTrenner(text, trenner);
                const std::string_view getrimmt = zv::OhneRandLeerzeichen(ganz);
                const bool zuLang = std::count(getrimmt.begin(), getrimmt.end(), trenner) >= 32768;
                EXPECT_EQ(inhalt.Ende == zv::Leseende::Ueberlauf, zuLang);
                if (zuLang) {
                    // Cut only where the rest cannot matter: the trimmed part read holds as
                    // many separators as make the run refuse the list.
                    const std::string_view gelesen = zv::OhneRandLeerzeichen(inhalt.Text);
                    EXPECT_GE(std::count(gelesen.begin(), gelesen.end(), trenner), 32768);
                    EXPECT_TRUE(ganz.starts_with(inhalt.Text));
                } else {
                    EXPECT_EQ(inhalt.Ende, zv::Leseende::Vollstaendig);
                    EXPECT_EQ(inhalt.Text, ganz)
                        << ::testing::PrintToString(text.substr(0, 20)) << " " << trenner;
                }
            }
        }
    }
}

TEST(FeldLesen, StopsWhereTheRunRefusesTheListAndAtTheLimit) {
    const struct {
        std::string text;
        char trenner;
        std::size_t hoechstens;
        zv::Leseende ende;
    } faelle[] = {
        // 32767 separators inside the trimmed text are a list; the 32768th is not.
        {Mal("1,", 32767) + "1", ',', zv::kGroessteEingabe, zv::Leseende::Vollstaendig},
        {Mal("1,", 32768), ',', zv::kGroessteEingabe, zv::Leseende::Ueberlauf},
        {Mal("1\n", 32768) + "1", ',', zv::kGroessteEingabe, zv::Leseende::Ueberlauf},
        // Trailing line breaks and blanks are trimmed away before the run counts.
        {Mal("1\n", 32768), ',', zv::kGroessteEingabe, zv::Leseende::Vollstaendig},
        {Mal("1 ", 32768), ' ', zv::kGroessteEingabe, zv::Leseende::Vollstaendig},
        {Mal(" ", 40000) + Mal("1 ", 32767) + "1" + Mal(" ", 9), ' ', zv::kGroessteEingabe,
         zv::Leseende::Vollstaendig},
        {Mal("1 ", 32768) + "1", ' ', zv::kGroessteEingabe, zv::Leseende::Ueberlauf},
        // The limit counts bytes read; a refused list within it wins over the size.
        {std::string(100, '7'), ' ', 100, zv::Leseende::Vollstaendig},
        {std::string(101, '7'), ' ', 100, zv::Leseende::ZuGross},
        {std::string(100, '7') + "\n", ' ', 100, zv::Leseende::ZuGross},
        {Mal(";", 32768) + std::string(100000, '7'), ';', 40000, zv::Leseende::Ueberlauf},
        {std::string(10000, ' ') + Mal(";", 32768), ';', 42768, zv::Leseende::Ueberlauf},
        {std::string(10000, ' ') + Mal(";", 32768), ';', 42767, zv::Leseende::ZuGross},
    };
    for (const auto& f : faelle) {
        Tropfen quelle(f.text, 65536);
        EXPECT_EQ(zv::FeldLesen(quelle, f.trenner, f.hoechstens).Ende, f.ende)
            << f.text.size() << " " << f.trenner << " " << f.hoechstens;
    }
}
