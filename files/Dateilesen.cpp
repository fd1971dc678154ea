#include "files/Dateilesen.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QFile>
#include <cerrno>

namespace zv {

namespace {

QString Grund(int fehlernummer) {
    switch (fehlernummer) {
        case EACCES:
        case EPERM:
            return QStringLiteral("Keine Berechtigung, die Datei zu lesen.");
        case ENOENT:
        case ENOTDIR:
            return QStringLiteral("Die Datei gibt es nicht.");
        case EISDIR:
            return QStringLiteral("Unter diesem Namen steht ein Ordner, keine Datei.");
        case ENAMETOOLONG:
            return QStringLiteral("Der Dateiname ist zu lang.");
        case ELOOP:
            return QStringLiteral("Der Name führt über zu viele Verknüpfungen.");
        case EIO:
            return QStringLiteral("Beim Lesen vom Datenträger trat ein Fehler auf.");
        default:
            return QStringLiteral("Die Datei konnte nicht gelesen werden (Fehler %1).")
                .arg(fehlernummer);
    }
}

}  // namespace

std::optional<QString> DateiLesen(const QString& pfad, QByteArray& inhalt, qint64 hoechstens) {
    inhalt.clear();
    // Not blocking: a pipe without a writer must not hang the window.
    const int fd = open(QFile::encodeName(pfad).constData(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0) return Grund(errno);
    struct stat info;
    std::optional<QString> grund;
    if (fstat(fd, &info) != 0) {
        grund = Grund(errno);
    } else if (S_ISDIR(info.st_mode)) {
        grund = Grund(EISDIR);
    } else if (!S_ISREG(info.st_mode)) {
        grund = QStringLiteral("Unter diesem Namen steht keine gewöhnliche Datei.");
    } else if (info.st_size > hoechstens) {
        grund = QStringLiteral("Die Datei ist mit %1 MB zu groß; gelesen werden bis zu %2 MB.")
                    .arg((info.st_size + (1 << 20) - 1) >> 20)
                    .arg(hoechstens >> 20);
    } else {
        char puffer[65536];
        for (;;) {
            const ssize_t n = read(fd, puffer, sizeof puffer);
            if (n < 0 && errno == EINTR) continue;
            if (n < 0) {
                grund = Grund(errno);
                break;
            }
            if (n == 0) break;
            if (inhalt.size() + n > hoechstens) {  // grown while being read
                grund = QStringLiteral("Die Datei ist zu groß; gelesen werden bis zu %1 MB.")
                            .arg(hoechstens >> 20);
                break;
            }
            inhalt.append(puffer, n);
        }
    }
    close(fd);
    if (grund) inhalt.clear();
    return grund;
}

}  // namespace zv
