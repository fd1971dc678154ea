#pragma once
// Writing a file the program produces (a chart picture, the saved report) as a whole or not
// at all.

#include <QByteArray>
#include <QString>
#include <optional>

namespace zv {

// Writes the bytes to the file: they go to a temporary file beside it, which replaces the file
// only once everything was written, so a failure never leaves half a file nor destroys the old
// one. Gives the reason of a failure as a German sentence.
std::optional<QString> AtomarSchreiben(const QString& pfad, const QByteArray& inhalt);

}  // namespace zv
