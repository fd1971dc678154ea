// Zorvanta: a desktop exercise tool for descriptive statistics.

#include <QApplication>

#include "ui/frmStatistik.h"

int main(int argc, char* argv[]) {
    QApplication anwendung(argc, argv);
    frmStatistik fenster;
    fenster.show();
    return anwendung.exec();
}
