#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "base/Text.h"
#include "run/Spaltendatei.h"

namespace {

struct Fall {
    const char* Name;
    std::string Inhalt;
    const char* OrtsDezimal;
    std::vector<std::size_t> Spalten;  // the columns taken
    const char* ZielDezimal;
    const char* Tabelle;  // separator (or "-"), column count and header names, joined by "|"
    const char* Werte;    // each column's values joined by blanks, the columns by "/"
    const char* Fehler;   // the messages joined by line breaks
};

// clang-format off
const Fall kFaelle[] = {
    {"KopfSemikolonDezimalkomma", "Größe;Gewicht\r\n1,5;60\r\n2,25;61,5\r\n", ",", {0, 1}, ".",
     ";|2|Größe|Gewicht", "1.5 2.25/60 61.5", ""},
    {"KommaUndDezimalpunkt", "x,y\n1.5,2\n3,4.25\n", ",", {0, 1}, ",", ",|2|x|y", "1,5 3/2 4,25", ""},
    // One column with a decimal comma now and then: no separator. Every row "a,b": a header
    // row, a decimal point, else the locale decide between a decimal comma and two columns.
    {"EineSpalteDezimalkomma", "1,5\n2\n3,25\n", ".", {0}, ".", "-|1", "1.5 2 3.25", ""},
    {"MehrdeutigDeutsch", "1,5\n2,5\n", ",", {0}, ",", "-|1", "1,5 2,5", ""},
    {"MehrdeutigEnglisch", "1,5\n2,5\n", ".", {0, 1}, ".", ",|2", "1 2/5 5", ""},
    {"MehrdeutigMitKopf", "Wert\n1,5\n2,5\n", ".", {0}, ".", "-|1|Wert", "1.5 2.5", ""},
    {"MehrdeutigMitPunkt", "1,5.5\n2,5\n", ",", {1, 0}, ",", ",|2", "5,5 5/1 2", ""},
    // A text column; the header is known by the column below which numbers stand.
    {"DreiSpalten", "Name\tGröße\tGewicht\nAnna\t160\t55,5\nBen\t172\t61\n", ".", {2, 1}, ",",
     "\t|3|Name|Größe|Gewicht", "55,5 61/160 172", ""},
    {"DefekteZeilen", "a;b\n1;2\n3\n4;x\n5;\n6;7;8\n\"9;10\n", ".", {0, 1}, ".", ";|2|a|b", "1/2",
     "Zeile 3: „3“ – nur ein Wert statt 2\nZeile 4: „4;x“ – „x“ in Spalte 2 ist keine Zahl\n"
     "Zeile 5: „5;“ – in Spalte 2 fehlt der Wert\nZeile 6: „6;7;8“ – 3 Werte statt 2\n"
     "Zeile 7: „\"9;10[Zeilenumbruch]“ – das Anführungszeichen wird nicht geschlossen"},
    // Only the columns taken are read as numbers.
    {"TextspalteGewaehlt", "Name;Wert\nAnna;1\nBen;x\n", ".", {0}, ".", ";|2|Name|Wert", "",
     "Zeile 2: „Anna;1“ – „Anna“ in Spalte 1 ist keine Zahl\n"
     "Zeile 3: „Ben;x“ – „Ben“ in Spalte 1 ist keine Zahl"},
    {"GemischteDezimalzeichen", "1,5\n2,5\n3.5\n", ",", {0}, ",", "-|1", "1,5 2,5",
     "Zeile 3: „3.5“ – hat einen Dezimalpunkt, die übrigen Werte ein Dezimalkomma"},
    // Empty lines and lines of separators only are no rows, but count as lines.
    {"LeereZeilenBomCrLf", "\xEF\xBB\xBF\r\n 1 \r\n\r\n  \r\n;\r\n-2e3\r\nx\r\n", ".", {0}, ",",
     "-|1", "1 -2e3", "Zeile 7: „x“ – keine Zahl"},
    {"NurCr", "7\r8\r9", ".", {0}, ".", "-|1", "7 8 9", ""},
    // Quoted cells hold separators, doubled quotes and line breaks; a row may span lines.
    {"Anfuehrungszeichen", "\"Größe \"\"cm\"\"\nin der 7b\",\"Gewicht, kg\"\n\"1,5\", \"2\"\n \"3\",\"4,75\"\n"
     "x,1\n", ",", {0, 1}, ",", ",|2|Größe \"cm\"\nin der 7b|Gewicht, kg", "1,5 3/2 4,75",
     "Zeile 5: „x,1“ – „x“ in Spalte 1 ist keine Zahl"},
    {"LeereSpaltenAmEnde", "1;2;;\n3;4;;\n5;6\n", ".", {0, 1}, ".", ";|2", "1 3 5/2 4 6", ""},
    // UTF-16 little endian with its byte order mark, as spreadsheets write "Unicode text".
    {"Utf16", std::string("\xFF\xFE" "a\0\t\0b\0\r\0\n\0" "1\0\t\0" "2\0,\0" "5\0\r\0\n\0", 26),
     ".", {0, 1}, ".", "\t|2|a|b", "1/2.5", ""},
    {"Windows1252", "Gr\xF6\xDF" "e;\x84x\x93\n1;2\n", ".", {0, 1}, ".", ";|2|Größe|„x“", "1/2", ""},
    // 60 characters of a row are quoted, counted as characters, a tab shown by name.
    {"LangeZeile", "1\t2\nä\t" + std::string(70, '1') + "\n", ".", {0}, ".", "\t|2", "1",
     "Zeile 2: „ä[Tab]1111111111111111111111111111111111111111111111111111111111…“ – „ä“ in "
     "Spalte 1 ist keine Zahl"},
};
// clang-format on

class Spaltendatei : public testing::TestWithParam<Fall> {};

TEST_P(Spaltendatei, LiestSpaltenUndMeldetZeilen) {
    const Fall& f = GetParam();
    const zv::Spaltentabelle tabelle = zv::SpaltendateiLesen(f.Inhalt, f.OrtsDezimal);
    ASSERT_EQ(tabelle.Unlesbar, "");
    std::vector<std::string> kopf = {
        tabelle.Trennzeichen ? std::string(1, tabelle.Trennzeichen) : "-",
        std::to_string(tabelle.Spaltenzahl)};
    kopf.insert(kopf.end(), tabelle.Kopf.begin(), tabelle.Kopf.end());
    EXPECT_EQ(zv::Verbinden(kopf, "|"), f.Tabelle);
    const zv::Spaltenauszug auszug = zv::SpaltenAuslesen(tabelle, f.Spalten, f.ZielDezimal);
    std::vector<std::string> spalten, fehler;
    for (const auto& werte : auszug.Werte) spalten.push_back(zv::Verbinden(werte, " "));
    for (const auto& zeile : auszug.Fehler) fehler.push_back(zeile.Text());
    EXPECT_EQ(zv::Verbinden(spalten, "/"), f.Werte);
    EXPECT_EQ(zv::Verbinden(fehler, "\n"), f.Fehler);
}

INSTANTIATE_TEST_SUITE_P(Faelle, Spaltendatei, testing::ValuesIn(kFaelle),
                         [](const auto& fall) { return std::string(fall.param.Name); });

TEST(Spaltendatei, UnlesbareDateien) {
    const std::pair<std::string, const char*> faelle[] = {
        {std::string("1\n\0\n2", 5), "Die Datei ist keine Textdatei."},
        {"\xFF\xFE\x31", "Die Datei ist keine Textdatei."},
        {"", "Die Datei enthält keine Werte."},
        {"\r\n ; \r\n", "Die Datei enthält keine Werte."},
        {"Größe;Gewicht\r\n", "Die Datei enthält außer der Kopfzeile keine Werte."}};
    for (const auto& [inhalt, grund] : faelle)
        EXPECT_EQ(zv::SpaltendateiLesen(inhalt, ",").Unlesbar, grund) << inhalt;
}

// (A message of a single row is checked whole through the window.)
TEST(Spaltendatei, FehlermeldungZaehltDenRest) {
    const std::vector<zv::Zeilenfehler> drei = {
        {2, "x", "keine Zahl"}, {5, "y", "keine Zahl"}, {9, "z", "keine Zahl"}};
    const std::string schluss = "\r\nDie Eingabefelder bleiben, wie sie waren.\r\n";
    const std::pair<std::size_t, std::string> faelle[] = {
        {3, "Zeile 9: „z“ – keine Zahl\r\n"},
        {2, "Zeile 5: „y“ – keine Zahl\r\n… und eine weitere Zeile.\r\n"},
        {1, "Zeile 2: „x“ – keine Zahl\r\n… und 2 weitere Zeilen.\r\n"}};
    for (const auto& [hoechstens, ende] : faelle) {
        const std::string text = zv::Fehlermeldung("Die Datei", drei, hoechstens);
        EXPECT_TRUE(
            text.starts_with("Die Datei wurde nicht übernommen, denn 3 Zeilen passen "
                             "nicht:\r\n\r\nZeile 2: „x“"));
        EXPECT_TRUE(text.ends_with(ende + schluss)) << text;
    }
}

}  // namespace
