// Whole reports of the command-line tool, read from the case files in tests/faelle/. A case is
//   === name
//   one option per line (lines starting with # are comments; \t in an option is a tab, \xHH
//   the byte HH)
//   >>>            (or ">>> N": the exit status N is expected instead of 0)
//   the expected report, one line per report line
//   <<<
//   2>>>           (optional: what the error stream must carry, one line per line)
//   <<<
// Text outside the cases is commentary.
// The report must match byte for byte, every line ending in CR LF. --locale=de_DE is added
// unless the case names a locale.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <optional>
#include <sstream>

#include "cli/Optionen.h"

namespace {

struct Fall {
    std::string name;
    std::vector<std::string> argumente;
    std::string bericht;
    bool abgeschlossen = false;
    int status = 0;
    std::optional<std::string> fehler;  // the error stream, where the case names it
};

std::string Entschluesseln(const std::string& s) {
    std::string klar;
    for (std::size_t i = 0; i < s.size(); ++i) {
        if (s.compare(i, 2, "\\t") == 0) {
            klar += '\t';
            ++i;
        } else if (s.compare(i, 2, "\\x") == 0 && i + 3 < s.size()) {
            klar += static_cast<char>(std::stoi(s.substr(i + 2, 2), nullptr, 16));
            i += 3;
        } else {
            klar += s[i];
        }
    }
    return klar;
}

std::vector<Fall> FaelleLesen() {
    std::vector<std::filesystem::path> dateien;
    for (const auto& e : std::filesystem::directory_iterator(ZV_FAELLE))
        if (e.path().extension() == ".txt") dateien.push_back(e.path());
    std::sort(dateien.begin(), dateien.end());

    std::vector<Fall> faelle;
    for (const auto& pfad : dateien) {
        std::ifstream datei(pfad, std::ios::binary);
        bool imBericht = false, imFehler = false;
        for (std::string zeile; std::getline(datei, zeile);) {
            if (imFehler) {
                if (zeile == "<<<")
                    imFehler = false;
                else
                    *faelle.back().fehler += zeile + "\n";
                continue;
            }
            if (imBericht && zeile == "<<<") {
                imBericht = false;
                faelle.back().abgeschlossen = true;
                continue;
            }
            if (!imBericht && zeile == "2>>>" && !faelle.empty() && faelle.back().abgeschlossen) {
                imFehler = true;
                faelle.back().fehler = "";
                continue;
            }
            if (!imBericht && zeile.rfind("=== ", 0) == 0) {
                std::string name = pfad.stem().string() + "_" + zeile.substr(4);
                for (char& c : name)
                    if (!std::isalnum(static_cast<unsigned char>(c))) c = '_';
                faelle.push_back({name, {}, {}, false, 0, std::nullopt});
                imBericht = false;
            } else if (faelle.empty() || (!imBericht && faelle.back().abgeschlossen)) {
                continue;  // commentary
            } else if (imBericht) {
                faelle.back().bericht += zeile + "\r\n";
            } else if (zeile.starts_with(">>>")) {
                imBericht = true;
                if (zeile.size() > 4) faelle.back().status = std::stoi(zeile.substr(4));
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
    const Fall& fall = GetParam();
    EXPECT_EQ(zv::ReportWerkzeug(fall.argumente, ein, aus, fehler), fall.status) << fehler.str();
    EXPECT_EQ(aus.str(), fall.bericht);
    if (fall.fehler) {
        EXPECT_EQ(fehler.str(), *fall.fehler);
    }
}

INSTANTIATE_TEST_SUITE_P(Faelle, Bericht, ::testing::ValuesIn(FaelleLesen()),
                         [](const auto& fall) { return fall.param.name; });

}  // namespace
