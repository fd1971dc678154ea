#pragma once
// The toolkit's own texts (dialog buttons, the text boxes' context menu) in German, whatever
// the system's language: the program speaks German throughout.

class QCoreApplication;

// Installs the toolkit's German translation; false when it is not installed on the system.
bool QtUebersetzungLaden(QCoreApplication& anwendung);
