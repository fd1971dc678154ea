// Zorvanta: a desktop exercise tool for descriptive statistics.

#include <QApplication>
#include <cstdio>
#include <cstring>

#include "base/Speicher.h"
#include "base/Version.h"
#include "ui/Uebersetzung.h"
#include "ui/frmStatistik.h"

int main(int argc, char* argv[]) {
    // Answered before any window: these work without a display.
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--version") == 0) {
            std::puts("Zorvanta " ZV_VERSION);
            return 0;
        }
        if (std::strcmp(argv[i], "--help") == 0 || std::strcmp(argv[i], "-h") == 0) {
            std::puts(
                "Aufruf: zorvanta [Optionen]\n"
                "Öffnet das Fenster von Zorvanta, einem Übungsprogramm zur beschreibenden "
                "Statistik.\n\n"
                "  --version   die Version\n"
                "  --help      diese Hilfe\n\n"
                "Dazu die Optionen des Qt-Toolkits, z. B. -platform NAME.");
            return 0;
        }
    }
    zv::SpeicherEinrichten();
    QApplication anwendung(argc, argv);
    QtUebersetzungLaden(anwendung);
    frmStatistik fenster;
    fenster.show();
    return anwendung.exec();
}
