#include <gtest/gtest.h>

#include "base/Laufzeitfehler.h"
#include "base/Spalten.h"
#include "base/Text.h"
#include "base/clsConcat.h"

using namespace zv;

TEST(clsConcat, LinesWithLineEndsAndCharacterCount) {
    clsConcat puffer;
    EXPECT_EQ(puffer.Value(), "");
    EXPECT_EQ(puffer.Length(), 0);
    puffer.Add("");
    EXPECT_EQ(puffer.Value(), "\r\n");
    EXPECT_EQ(puffer.Length(), 2);
    puffer.Add("abc");
    puffer.AddVerbunden("x", {"1", "22", "3"}, "; ", "y");
    EXPECT_EQ(puffer.Value(), "\r\nabc\r\nx1; 22; 3y\r\n");
    puffer.Clear();
    EXPECT_EQ(puffer.Value(), "");
    puffer.Add("s²ä");
    EXPECT_EQ(puffer.Value(), "s²ä\r\n");
    EXPECT_EQ(puffer.Length(), 5);  // characters, not UTF-8 bytes
    puffer.Clear();
    puffer.Add("a\xF0\x9D\x84\x9E 12345678 ä²");  // the G clef needs two 16-bit characters
    EXPECT_EQ(puffer.Length(), 17);
}

TEST(Spalten, PaddingRules) {
    Zeile a{"1", "10", "100"}, b{"25", "3", "4"};
    SpaltenAngleichen2(a, b);
    EXPECT_EQ(a, (Zeile{" 1", "10", "100"}));
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
