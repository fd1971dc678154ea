// Writes one block of the documentation from the program's tables to the standard output, for
// scripts/dokubloecke.cmake. A tool of the build, not installed.

#include "cli/Dokubloecke.h"

#include <iostream>

int main(int argc, char** argv) {
    const auto block = argc == 2 ? zv::Dokublock(argv[1]) : std::nullopt;
    if (!block) {
        std::cerr << "Aufruf: zv_dokubloecke optionen-uebersicht|optionen-handbuch|optionen-readme|"
                     "statistiken-handbuch|statistiken-readme|statistiken-metainfo\n";
        return 2;
    }
    std::cout << *block;
    return std::cout.flush() ? 0 : 1;
}
