#include "charts/Dateischreiben.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>
#include <cerrno>

namespace zv {

namespace {

// The reason of a failed write in German, from the system's error number.
QString Grund(int fehlernummer, const QString& pfad) {
    switch (fehlernummer) {
        case EACCES:
        case EPERM:
            return QStringLiteral("Keine Berechtigung, in den Ordner %1 zu schreiben.")
                .arg(QDir::toNativeSeparators(QFileInfo(pfad).absolutePath()));
        case EROFS:
            return QStringLiteral("Der Datenträger ist schreibgeschützt.");
        case ENOSPC:
        case EDQUOT:
            return QStringLiteral("Auf dem Datenträger ist kein Platz mehr frei.");
        case ENOENT:
        case ENOTDIR:
            return QStringLiteral("Den Ordner %1 gibt es nicht.")
                .arg(QDir::toNativeSeparators(QFileInfo(pfad).absolutePath()));
        case EISDIR:
            return QStringLiteral("Unter diesem Namen gibt es schon einen Ordner.");
        case ENAMETOOLONG:
            return QStringLiteral("Der Dateiname ist zu lang.");
        default:
            return QStringLiteral("Die Datei konnte nicht geschrieben werden (Fehler %1).")
                .arg(fehlernummer);
    }
}

}  // namespace

std::optional<QString> AtomarSchreiben(const QString& pfad, const QByteArray& inhalt) {
    if (QFileInfo(pfad).isDir()) return Grund(EISDIR, pfad);
    QSaveFile datei(pfad);
    errno = 0;
    if (!datei.open(QIODevice::WriteOnly)) return Grund(errno, pfad);
    errno = 0;
    if (datei.write(inhalt) != inhalt.size() || !datei.flush()) {
        const int fehlernummer = errno;
        datei.cancelWriting();
        return Grund(fehlernummer, pfad);
    }
    errno = 0;
    if (!datei.commit()) return Grund(errno, pfad);
    return std::nullopt;
}

}  // namespace zv
