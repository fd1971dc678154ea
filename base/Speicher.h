#pragma once
// Process-wide memory settings of the programs.

namespace zv {

// Keeps large blocks of freed memory in the process instead of handing them back to the
// system after every calculation: a report of several megabytes is then built in memory that
// is already mapped, instead of faulting in fresh pages on every run.
void SpeicherEinrichten();

}  // namespace zv
