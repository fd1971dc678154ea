#include <gtest/gtest.h>

#include "core/Laufzeitfehler.h"
#include "core/Spalten.h"
#include "core/Text.h"
#include "core/clsConcat.h"

using namespace zv;

TEST(clsConcat, WorkedExampleAndGrowthRule) {
    clsConcat puffer;
    EXPECT_EQ(puffer.Value(), "");
    EXPECT_EQ(puffer.Length(), 0);
    puffer.Add("abc");
    EXPECT_EQ(puffer.Capacity(), 22);
    EXPECT_EQ(puffer.Position(), 11);
    EXPECT_EQ(puffer.Length(), 5);
    puffer.Add("de");
    EXPECT_EQ(puffer.Capacity(), 22);
    EXPECT_EQ(puffer.Position(), 19);
    EXPECT_EQ(puffer.Length(), 9);
    EXPECT_EQ(puffer.Value(), "abc\r\nde\r\n");
    puffer.Add("fgh");
    EXPECT_EQ(puffer.Capacity(), 80);
    EXPECT_EQ(puffer.Position(), 29);
    EXPECT_EQ(puffer.Value(), "abc\r\nde\r\nfgh\r\n");
}

TEST(clsConcat, ClearReusesStorageAndCountsCharacters) {
    clsConcat puffer;
    puffer.Add("");
    EXPECT_EQ(puffer.Value(), "\r\n");
    EXPECT_EQ(puffer.Length(), 2);
    puffer.Add("lange Zeile");
    const auto kapazitaet = puffer.Capacity();
    puffer.Clear();
    EXPECT_EQ(puffer.Value(), "");
    EXPECT_EQ(puffer.Capacity(), kapazitaet);  // storage kept for reuse
    puffer.Add("s²ä");
    EXPECT_EQ(puffer.Value(), "s²ä\r\n");
    EXPECT_EQ(puffer.Length(), 5);  // characters, not UTF-8 bytes
    puffer.Clear();
    puffer.Add("a\xF0\x9D\x84\x9E 12345678 ä²");  // the G clef needs two 16-bit characters
    EXPECT_EQ(puffer.Length(), 17);

    // A line ending exactly on the last byte of the capacity still grows the buffer.
    clsConcat genau;
    genau.Add("abc");  // capacity 22, position 11
    genau.Add("a");    // e = 11 + 6 = 17
    genau.Add("");     // e = 17 + 4 = 21 <= 22: no growth
    EXPECT_EQ(genau.Capacity(), 22);
    genau.Add("");  // e = 25 > 22
    EXPECT_EQ(genau.Capacity(), 22 + 2 * 25);
    EXPECT_EQ(genau.Value(), "abc\r\na\r\n\r\n\r\n");
}

TEST(Spalten, PaddingRules) {
    Zeile a{"1", "10", "100"}, b{"25", "3", "4"};
    SpaltenAngleichen2(a, b);
    EXPECT_EQ(a, (Zeile{" 1", "10", "100"}));  // one blank: the algorithm, not the prose
    EXPECT_EQ(b, (Zeile{"25", " 3", "  4"}));

    Zeile l{"b1", "b2"}, x{"10", "5"}, y{"3", "17"}, s{"13", "22"};
    SpaltenAngleichen4(l, x, y, s);
    EXPECT_EQ(x, (Zeile{"10", " 5"}));
    EXPECT_EQ(y, (Zeile{" 3", "17"}));
    EXPECT_EQ(l, (Zeile{"b1", "b2"}));

    Zeile kurz{"", "ab"}, lang{"xy", "c", "langer", "rest"};
    SpaltenAngleichen2(kurz, lang);
    EXPECT_EQ(kurz, (Zeile{"  ", "ab"}));
    EXPECT_EQ(lang, (Zeile{"xy", " c", "langer", "rest"}));

    Zeile u{"0,5", "2"}, v{"s²", "ä"};  // characters, not bytes
    SpaltenAngleichen2(u, v);
    EXPECT_EQ(v, (Zeile{" s²", "ä"}));
}

TEST(Spalten, ShorterLaterRowFailsAfterPaddingEarlierColumns) {
    Zeile a{"1", "22", "3"}, b{"333", "4"}, c{"5", "6", "7"};
    try {
        SpaltenAngleichen3(a, b, c);
        FAIL();
    } catch (const Laufzeitfehler& f) {
        EXPECT_EQ(f.Art(), Fehlerart::IndexAusserhalb);
    }
    EXPECT_EQ(a, (Zeile{"  1", "22", "3"}));
    EXPECT_EQ(b, (Zeile{"333", " 4"}));
    Zeile leer, d{"1"}, e{"2"};
    SpaltenAngleichen3(leer, d, e);
    EXPECT_EQ(d, (Zeile{"1"}));
}

TEST(Text, SplitJoinTrimAndPastedLineBreaks) {
    EXPECT_TRUE(Teilen("", ' ').empty());
    EXPECT_EQ(Teilen(";1;;2;", ';'), (std::vector<std::string_view>{"", "1", "", "2", ""}));
    EXPECT_EQ(OhneRandLeerzeichen("  3 1 2  "), "3 1 2");
    EXPECT_EQ(OhneRandLeerzeichen("\t1 "), "\t1");
    EXPECT_EQ(Verbinden({"a", "b", "c"}, "; "), "a; b; c");
    EXPECT_EQ(Zeichenzahl("Ü²a\t"), 4u);
    EXPECT_EQ(ZeilenumbruecheAlsTrenner("1\r\n2\r3\n4\r\n\n", ';'), "1;2;3;4");
    EXPECT_EQ(ZeilenumbruecheAlsTrenner("1\n\n2", ';'), "1;;2");
}
