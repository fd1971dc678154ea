// The chart kinds as the report tool offers them: every named kind of the table is taken by
// --chart-kind in its own mode only.

#include <gtest/gtest.h>

#include "chartdata/Diagrammarten.h"
#include "cli/Diagrammoptionen.h"

namespace {

TEST(Diagrammarten, EachNamedKindIsTakenInItsModeOnly) {
    std::size_t benannt = 0;
    for (const zv::Diagrammartzeile& zeile : zv::kDiagrammarten) {
        if (zeile.Name.empty()) continue;
        ++benannt;
        const std::string name(zeile.Name);
        zv::Diagrammwunsch wunsch;
        wunsch.Pfad = "d.png";
        EXPECT_EQ(zv::DiagrammoptionSetzen(wunsch, "--chart-kind", name), "") << name;
        EXPECT_EQ(wunsch.Art, name);
        EXPECT_EQ(zv::DiagrammwunschPruefen(wunsch, zeile.Zweidimensional), "") << name;
        EXPECT_EQ(
            zv::DiagrammwunschPruefen(wunsch, !zeile.Zweidimensional),
            std::string("--chart-kind gilt nur mit --mode ") + (zeile.Zweidimensional ? "2" : "1"))
            << name;
    }
    EXPECT_GT(benannt, 0u);
    // A tab title is no name, nor is the unnamed kind's empty text.
    zv::Diagrammwunsch wunsch;
    for (const std::string falsch : {"Streudiagramm", "", "Verteilung"})
        EXPECT_EQ(zv::DiagrammoptionSetzen(wunsch, "--chart-kind", falsch),
                  "unbekannte Diagrammart: " + falsch);
    EXPECT_FALSE(wunsch.Art.has_value());
}

}  // namespace
