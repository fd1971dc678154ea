// Whole reports of the command-line tool, read from the case files in tests/faelle/. A case is
//   === name
//   one option per line (lines starting with # are comments; \t in an option is a tab)
//   >>>
//   the expected report, one line per report line
//   <<<
// Text outside the cases is commentary.
// The report must match byte for byte, every line ending in CR LF. --locale=de_DE is added
// unless the case names a locale.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "cli/Optionen.h"

namespace {

struct Fall {
    std::string name;
    std::vector<std::string> argumente;
    std::string bericht;
    bool abgeschlossen = false;
};

std::string Entschluesseln(std::string s) {
    for (std::size_t p; (p = s.find("\\t")) != std::string::npos;) s.replace(p, 2, "\t");
    return s;
}

std::vector<Fall> FaelleLesen() {
    std::vector<std::filesystem::path> dateien;
    for (const auto& e : std::filesystem::directory_iterator(ZV_FAELLE))
        if (e.path().extension() == ".txt") dateien.push_back(e.path());
    std::sort(dateien.begin(), dateien.end());

    std::vector<Fall> faelle;
    for (const auto& pfad : dateien) {
        std::ifstream datei(pfad, std::ios::binary);
        bool imBericht = false;
        for (std::string zeile; std::getline(datei, zeile);) {
            if (imBericht && zeile == "<<<") {
                imBericht = false;
                faelle.back().abgeschlossen = true;
                continue;
            }
            if (!imBericht && zeile.rfind("=== ", 0) == 0) {
                std::string name = pfad.stem().string() + "_" + zeile.substr(4);
                for (char& c : name)
                    if (!std::isalnum(static_cast<unsigned char>(c))) c = '_';
                faelle.push_back({name, {}, {}, false});
                imBericht = false;
            } else if (faelle.empty() || (!imBericht && faelle.back().abgeschlossen)) {
                continue;  // commentary
            } else if (imBericht) {
                faelle.back().bericht += zeile + "\r\n";
            } else if (zeile == ">>>") {
                imBericht = true;
            } else if (!zeile.empty() && zeile[0] != '#') {
                faelle.back().argumente.push_back(Entschluesseln(zeile));
            }
        }
    }
    for (Fall& f : faelle) {
        bool locale = false;
        for (const auto& a : f.argumente) locale = locale || a.rfind("--locale", 0) == 0;
        if (!locale) f.argumente.push_back("--locale=de_DE");
    }
    return faelle;
}

void PrintTo(const Fall& fall, std::ostream* aus) {
    *aus << fall.name;
}

class Bericht : public ::testing::TestWithParam<Fall> {};

TEST_P(Bericht, MatchesByteForByte) {
    std::istringstream ein;
    std::ostringstream aus, fehler;
    EXPECT_EQ(zv::ReportWerkzeug(GetParam().argumente, ein, aus, fehler), 0) << fehler.str();
    EXPECT_EQ(aus.str(), GetParam().bericht);
}

INSTANTIATE_TEST_SUITE_P(Faelle, Bericht, ::testing::ValuesIn(FaelleLesen()),
                         [](const auto& fall) { return fall.param.name; });

}  // namespace
