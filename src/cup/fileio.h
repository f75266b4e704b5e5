#pragma once

#include <QByteArray>
#include <QString>

namespace rzv {

// Whole files with the system's error number in the message ("I/O-Fehler %d").

QByteArray readWholeFile(const QString& path);

// Replaces a file only when all of it was written: the content goes into a temporary file in
// the same folder, which is synced, given the permissions of the file it replaces (a new file:
// 0666 less the umask), renamed over it, and the folder is synced, so that a completed save
// survives a power cut and a failed one leaves the previous file as it was. A symbolic link is
// followed and its target replaced; a file without write permission is refused (also for the
// superuser, whom the system would let write anything).
void writeFileAtomically(const QString& path, const QByteArray& bytes);

} // namespace rzv
