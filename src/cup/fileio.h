#pragma once

#include <QByteArray>
#include <QString>

namespace rzv {

// Whole files with the system's error number in the message ("I/O-Fehler %d").

// Reads a whole file of at most maxBytes. Anything but a regular file (a folder, a device, a
// pipe, a socket) and a larger file are refused before a byte is read, so that no input makes
// the program read or allocate without end.
QByteArray readWholeFile(const QString& path, qint64 maxBytes);

// Replaces a file only when all of it was written: the content goes into a temporary file in
// the same folder, which is synced, given the permissions of the file it replaces (a new file:
// 0666 less the umask), renamed over it, and the folder is synced, so that a completed save
// survives a power cut and a failed one leaves the previous file as it was. A symbolic link is
// followed and its target replaced; a file without write permission is refused (also for the
// superuser, whom the system would let write anything). A path that holds anything but a regular
// file (a folder, a device, a pipe, a socket) is refused and left as it is.
void writeFileAtomically(const QString& path, const QByteArray& bytes);

// Stops, as writeFileAtomically does, when the path (behind its links) holds anything but a file.
void requireFileOrNothing(const QString& path);
// Writes a file that must not exist yet, in a folder the program has just made. It is not synced:
// the caller makes a whole set of such files durable at once (syncFileSystem), since syncing
// thousands of files one by one takes minutes.
void writeNewFile(const QString& path, const QByteArray& bytes);
// Writes a file, unsynced like writeNewFile, in a folder only the program uses: over the blocks
// of the file that is there already, then cut to the new length. Replacing thousands of files
// so costs a fraction of making them anew. Anything at the path but a file of that one name (a
// link, a folder, a file with a second name) is removed and a new file written in its place.
void overwriteFile(const QString& path, const QByteArray& bytes);
// Makes everything written to the file system that holds the folder durable (syncfs): the data
// and names of all files written before, with one flush of the journal.
void syncFileSystem(const QString& folder);
// Syncs a folder, so that the names just created or renamed in it survive a power cut.
void syncFolder(const QString& folder);

} // namespace rzv
