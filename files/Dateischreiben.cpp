#include "files/Dateischreiben.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <atomic>
#include <cerrno>
#include <chrono>
#include <string>

namespace zv {

namespace {

// The reason of a failed write in German, from the error number of the call that failed.
// ordner: the folder the file was to be written into.
QString Grund(int fehlernummer, const QString& ordner) {
    switch (fehlernummer) {
        case EACCES:
        case EPERM:
            return QStringLiteral("Keine Berechtigung, in den Ordner %1 zu schreiben.")
                .arg(QDir::toNativeSeparators(ordner));
        case EROFS:
            return QStringLiteral("Der Datenträger ist schreibgeschützt.");
        case ENOSPC:
        case EDQUOT:
            return QStringLiteral("Auf dem Datenträger ist kein Platz mehr frei.");
        case ENOENT:
        case ENOTDIR:
            return QStringLiteral("Den Ordner %1 gibt es nicht.")
                .arg(QDir::toNativeSeparators(ordner));
        case EISDIR:
            return QStringLiteral("Unter diesem Namen gibt es schon einen Ordner.");
        case ENAMETOOLONG:
            return QStringLiteral("Der Dateiname ist zu lang.");
        case ELOOP:
            return QStringLiteral("Der Name führt über zu viele Verknüpfungen.");
        case EPIPE:
            return QStringLiteral(
                "Der Leser hat die Pipe geschlossen, bevor alles geschrieben war.");
        case ENXIO:
        case ENODEV:
            return QStringLiteral("Unter diesem Namen ist kein Gerät erreichbar.");
        case EIO:
            return QStringLiteral("Beim Schreiben auf den Datenträger trat ein Fehler auf.");
        default:
            return QStringLiteral("Die Datei konnte nicht geschrieben werden (Fehler %1).")
                .arg(fehlernummer);
    }
}

// The folder of a path as it was given, or as links led to it.
QString Ordner(const std::string& pfad) {
    return QFileInfo(QFile::decodeName(QByteArray::fromStdString(pfad))).absolutePath();
}

// The path a write is meant for: where a symbolic link stands, the file it names (through a
// chain of links), so that replacing the file keeps the link. A chain too long stays as it is;
// writing to it then fails with ELOOP.
std::string Linkziel(std::string pfad) {
    for (int tiefe = 0; tiefe < 40; ++tiefe) {
        struct stat info;
        if (lstat(pfad.c_str(), &info) != 0 || !S_ISLNK(info.st_mode)) return pfad;
        std::string ziel(static_cast<std::size_t>(info.st_size > 0 ? info.st_size : 255) + 1, '\0');
        const ssize_t n = readlink(pfad.c_str(), ziel.data(), ziel.size());
        if (n < 0 || static_cast<std::size_t>(n) >= ziel.size()) return pfad;
        ziel.resize(static_cast<std::size_t>(n));
        pfad = ziel.starts_with('/') ? ziel : pfad.substr(0, pfad.rfind('/') + 1) + ziel;
    }
    return pfad;
}

// Writes all bytes to the open descriptor. Returns 0, or the error number of the write that
// failed. A pipe whose reader has gone gives EPIPE instead of ending the process: SIGPIPE is
// held back for this thread while writing, and one raised here is taken off again.
int AllesSchreiben(int fd, const QByteArray& inhalt) {
    sigset_t pipesignal, vorher, anstehend;
    sigemptyset(&pipesignal);
    sigaddset(&pipesignal, SIGPIPE);
    pthread_sigmask(SIG_BLOCK, &pipesignal, &vorher);
    sigpending(&anstehend);
    const bool schonAnstehend = sigismember(&anstehend, SIGPIPE) == 1;
    int fehlernummer = 0;
    for (qsizetype geschrieben = 0; geschrieben < inhalt.size();) {
        const ssize_t n = write(fd, inhalt.constData() + geschrieben,
                                static_cast<std::size_t>(inhalt.size() - geschrieben));
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) {
            fehlernummer = errno;
            break;
        }
        if (n == 0) {  // a device that takes nothing more
            fehlernummer = ENOSPC;
            break;
        }
        geschrieben += n;
    }
    if (fehlernummer == EPIPE && !schonAnstehend) {
        const timespec sofort{0, 0};
        while (sigtimedwait(&pipesignal, nullptr, &sofort) < 0 && errno == EINTR) {
        }
    }
    pthread_sigmask(SIG_SETMASK, &vorher, nullptr);
    return fehlernummer;
}

// A name for the temporary file that has not been used in this process yet.
std::string Zwischenname(const std::string& ordner) {
    static std::atomic<unsigned> zaehler{0};
    const auto zeit = std::chrono::steady_clock::now().time_since_epoch().count();
    return ordner + ".zorvanta-" + std::to_string(getpid()) + "-" +
           std::to_string(zaehler.fetch_add(1)) + "-" + std::to_string(zeit % 1000000007) + ".tmp";
}

// A regular file, or none yet: the bytes go to a temporary file beside it, which replaces it
// only once everything was written. modus: the permissions of the file replaced, if one was.
std::optional<QString> Ersetzen(const std::string& ziel, std::optional<mode_t> modus,
                                const QByteArray& inhalt) {
    const std::string ordner = ziel.substr(0, ziel.rfind('/') + 1);
    const QString ordnername = Ordner(ziel);
    // An existing file that may not be written stays, even where its folder may be.
    if (modus && access(ziel.c_str(), W_OK) != 0) {
        const int fehlernummer = errno;
        if (fehlernummer == EACCES) return QStringLiteral("Die Datei ist schreibgeschützt.");
        return Grund(fehlernummer, ordnername);
    }
    std::string zwischen;
    int fd = -1;
    for (int versuch = 0; fd < 0 && versuch < 100; ++versuch) {
        zwischen = Zwischenname(ordner);
        fd = open(zwischen.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd < 0 && errno != EEXIST) return Grund(errno, ordnername);
    }
    if (fd < 0) return Grund(EEXIST, ordnername);

    int fehlernummer = 0;
    if (modus && fchmod(fd, *modus & 07777) != 0) fehlernummer = errno;
    if (fehlernummer == 0) fehlernummer = AllesSchreiben(fd, inhalt);
    if (fehlernummer == 0 && fsync(fd) != 0 && errno != EINVAL) fehlernummer = errno;
    if (close(fd) != 0 && fehlernummer == 0 && errno != EINTR) fehlernummer = errno;
    if (fehlernummer == 0 && rename(zwischen.c_str(), ziel.c_str()) != 0) fehlernummer = errno;
    if (fehlernummer != 0) {
        unlink(zwischen.c_str());
        return Grund(fehlernummer, ordnername);
    }
    return std::nullopt;
}

// Something that is not a file (a pipe, a terminal, a device such as /dev/null) gets the bytes
// written straight into it; it cannot be replaced, and its reader is the one to get them.
std::optional<QString> HineinSchreiben(const std::string& pfad, const QByteArray& inhalt) {
    const int fd = open(pfad.c_str(), O_WRONLY | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) {
        const int fehlernummer = errno;
        if (fehlernummer == EACCES || fehlernummer == EPERM)
            return QStringLiteral("Keine Berechtigung, in %1 zu schreiben.")
                .arg(QFile::decodeName(QByteArray::fromStdString(pfad)));
        return Grund(fehlernummer, Ordner(pfad));
    }
    // Where a regular file took its place meanwhile, that is replaced as a whole after all.
    struct stat info;
    if (fstat(fd, &info) == 0 && S_ISREG(info.st_mode)) {
        close(fd);
        return Ersetzen(Linkziel(pfad), info.st_mode, inhalt);
    }
    int fehlernummer = AllesSchreiben(fd, inhalt);
    if (close(fd) != 0 && fehlernummer == 0 && errno != EINTR) fehlernummer = errno;
    if (fehlernummer != 0) return Grund(fehlernummer, Ordner(pfad));
    return std::nullopt;
}

}  // namespace

std::optional<QString> AtomarSchreiben(const QString& pfad, const QByteArray& inhalt) {
    const std::string name = QFile::encodeName(pfad).toStdString();
    if (name.empty()) return Grund(ENOENT, QDir::currentPath());
    struct stat info;
    if (stat(name.c_str(), &info) == 0) {
        if (S_ISDIR(info.st_mode)) return Grund(EISDIR, Ordner(name));
        if (S_ISBLK(info.st_mode))
            return QStringLiteral("Unter diesem Namen steht ein Datenträger, keine Datei.");
        if (S_ISSOCK(info.st_mode))
            return QStringLiteral("Unter diesem Namen steht eine Socket-Verbindung, keine Datei.");
        if (!S_ISREG(info.st_mode)) return HineinSchreiben(name, inhalt);
        return Ersetzen(Linkziel(name), info.st_mode, inhalt);
    }
    const int fehlernummer = errno;
    if (fehlernummer != ENOENT) return Grund(fehlernummer, Ordner(name));
    return Ersetzen(Linkziel(name), std::nullopt, inhalt);
}

}  // namespace zv
