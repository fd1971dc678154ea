#pragma once
// Marking a learner's answer against the truth of a task's row, and naming the typical mistake
// a wrong answer shows.

#include <string>
#include <string_view>

#include "uebung/Aufgabe.h"

namespace zv {

enum class Note { Richtig, ZuUngenau, Falsch, Fehlt };

// "richtig", "zu ungenau", "falsch", "fehlt".
std::string_view NotenText(Note note);

// The mark of one value: richtig when it is the truth rounded to nks places (a truth whose
// full text ends in a 5 just after the last place counts rounded up or down; a value the
// report prints in full may also be given in full), zu ungenau when it is the truth rounded to
// fewer places, falsch otherwise.
Note WertBewerten(double antwort, double wahr, int nks, bool vollGedruckt);

// x rounded to nks places as the report rounds it (ties to even on the exact binary value).
double AufStellen(double x, int nks);

// A number as the learner meant it: read with the locale's decimal separator, or else with the
// other of point and comma (then Vertauscht). Lesbar is false for text that is no number.
struct Gelesen {
    bool Lesbar = false;
    bool Vertauscht = false;
    double Wert = 0;
};
Gelesen AntwortLesen(std::string_view text, std::string_view dezimal);

struct Bewertung {
    Note Urteil = Note::Fehlt;
    // One German sentence for the learner, or empty: the mistake a wrong answer shows, that
    // the text is no number, or the hint at the decimal separator.
    std::string Satz;
};

// Marks the answer text to a row of the task. A list row takes its values separated by the
// chosen separator or blanks; a wrong count of values is falsch.
Bewertung AntwortBewerten(const Aufgabe& aufgabe, const Antwortzeile& zeile,
                          std::string_view antwort);

}  // namespace zv
