#pragma once
// Reading a file the user chose, with the reason of a failure in German.

#include <QByteArray>
#include <QString>
#include <optional>

namespace zv {

// Reads the whole file into inhalt. A file larger than hoechstens bytes, a folder or anything
// else that cannot be read is refused: the reason comes back as a German sentence.
std::optional<QString> DateiLesen(const QString& pfad, QByteArray& inhalt, qint64 hoechstens);

}  // namespace zv
