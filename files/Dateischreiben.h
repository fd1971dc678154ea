#pragma once
// Writing a file the program produces (a chart picture, the saved report) as a whole or not
// at all.

#include <QByteArray>
#include <QString>
#include <optional>

namespace zv {

// Writes the bytes to the file: they go to a temporary file beside it, which replaces the file
// only once everything was written, so a failure never leaves half a file nor destroys the old
// one. A symbolic link is followed and stays: the file it names is replaced. What is not a
// regular file is never replaced: a pipe or a device such as /dev/null gets the bytes written
// straight into it (opening a pipe waits for its reader), a folder, a disk or a socket is
// refused. Gives the reason of a failure as a German sentence, from the call that failed.
std::optional<QString> AtomarSchreiben(const QString& pfad, const QByteArray& inhalt);

}  // namespace zv
