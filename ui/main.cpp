// Zorvanta: a desktop exercise tool for descriptive statistics.

#include <QApplication>

#include "base/Speicher.h"
#include "ui/frmStatistik.h"

int main(int argc, char* argv[]) {
    zv::SpeicherEinrichten();
    QApplication anwendung(argc, argv);
    frmStatistik fenster;
    fenster.show();
    return anwendung.exec();
}
