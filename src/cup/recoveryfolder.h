#pragma once

#include "cup/cupdata.h"

#include <QByteArray>
#include <QDateTime>
#include <QString>
#include <vector>

namespace rzv {

// One recovery copy: the unsaved state of a cup, kept so that a crash or a power cut loses at
// most the last few seconds of work. The copy itself is a cup file; a small INI file beside it
// records the cup file the changes belong to and when they were written.
struct RecoveryCopy {
    QString id;          // names the files of the copy within the folder
    QString cupFileName; // the cup file the changes belong to; empty for a cup never saved
    QDateTime written;
};

// The folder of the recovery copies ("<id>.rz3" with "<id>.ini", and "<id>.lock" while a
// running program keeps the copy).
class RecoveryFolder {
public:
    explicit RecoveryFolder(QString path) : m_path(std::move(path)) {}

    const QString& path() const { return m_path; }
    QString copyPath(const QString& id) const;
    QString infoPath(const QString& id) const;
    QString lockPath(const QString& id) const;

    // Makes the folder when it is missing; stops with a message when it cannot be made.
    void create() const;
    // The copies in the folder, the newest first. A copy whose INI file is missing is listed
    // with the time of its file and no cup file name.
    std::vector<RecoveryCopy> copies() const;
    // Writes the cup file bytes, then the INI file, each replacing its predecessor only when it
    // was written whole. Stops with a message when either cannot be written.
    void write(const RecoveryCopy& copy, const QByteArray& cupBytes) const;
    // The cup of a copy, read as a cup file is loaded; stops with the load's message, and
    // gives the load's notices when asked.
    TCupContent read(const QString& id, QStringList* notices = nullptr) const;
    // Removes the copy and its INI file.
    void remove(const QString& id) const;

private:
    QString m_path;
};

} // namespace rzv
