#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace rzv {

// A set of files put into a folder as one: each file is first written into a temporary folder
// beside the target folder (inside it when nothing can be written beside it, or beside it lies
// another file system), and only when all are written is each moved into place, replacing the
// file of the same name. Nothing else in the folder is touched; the temporary folder goes
// whatever happens. A failure while writing leaves the folder as it was.
class PublishFolder {
public:
    // Creates the folder (and its parents) when it does not exist yet.
    explicit PublishFolder(const QString& ordner);
    ~PublishFolder();
    PublishFolder(const PublishFolder&) = delete;
    PublishFolder& operator=(const PublishFolder&) = delete;

    void schreiben(const QString& name, const QByteArray& bytes);
    // Moves the written files into the folder in the order they were written.
    void uebernehmen();

    const QStringList& dateien() const { return m_dateien; }

private:
    QString m_ordner;
    QString m_zwischenordner;
    QStringList m_dateien;
};

} // namespace rzv
