#pragma once

#include <QByteArray>
#include <QSet>
#include <QString>
#include <QStringList>
#include <functional>

namespace rzv {

// A set of files published into a folder as one, so that the folder shows either the complete
// previous set or the complete new one, whenever the program is stopped, even killed:
//
//   ORDNER/index.html  -> .rzv-veroeffentlichung/index.html   (one link per published name)
//   ORDNER/.rzv-veroeffentlichung -> .rzv-stand-XXXXXX        (the one link that switches)
//   ORDNER/.rzv-stand-XXXXXX/index.html ...                   (the files of the set)
//   ORDNER/.rzv-dateien                                       (the names of the links)
//
// The new set is written into a folder .rzv-stand-XXXXXX that no link leads to: the set before
// the published one, written over file by file (making twenty thousand files anew costs seconds
// where writing over them costs a fraction), or a fresh folder. Its files go unsynced and are
// then made durable by one syncfs() of the file system; the links of new names are made before
// the switch (until then they lead nowhere); a single rename() of a new link over
// .rzv-veroeffentlichung then switches every name at once. Afterwards the links of names the new
// set no longer has are removed; the previous set stays for the next publishing to write over.
// Leftovers of a publishing that was stopped are removed by the next one, or written over. Only names listed in .rzv-dateien that still are such
// links are ever removed; every other file in the folder stays as it is. A plain file in the
// place of a published name (written by an earlier version) is copied into the current set before
// it is replaced by its link, so that it, too, changes only with the switch.
class PublishFolder {
public:
    // Creates the folder (and its parents) when it does not exist yet, and removes what a
    // stopped publishing left.
    explicit PublishFolder(const QString& ordner);
    ~PublishFolder();
    PublishFolder(const PublishFolder&) = delete;
    PublishFolder& operator=(const PublishFolder&) = delete;

    // name: a file name, or a path below the folder ("a/b.html").
    void schreiben(const QString& name, const QByteArray& bytes);
    // Makes the written files the folder's published set.
    void uebernehmen();

    const QStringList& dateien() const { return m_dateien; }

    // Called before every change of the folder: the tests stop the process there.
    static inline std::function<void()> beforeChange;

private:
    QString pfad(const QString& name) const;
    QString neuerStand();
    bool unsererLink(const QString& name) const;
    QStringList liste() const;
    void schreibeListe(const QStringList& namen) const;
    void einrichten(const QStringList& namen, const QStringList& fehlend, const QStringList& fremd);
    void setzeLink(const QString& ziel, const QString& name);
    void unterordnerAnlegen(const QString& name);
    void entferneUebriges(const QString& ordner, const QSet<QString>& geschrieben);
    void aufraeumen(const QStringList& namen);

    // Held while this publishing runs (also released when the constructor stops): two
    // publishings into one folder would remove each other's new set.
    struct Sperre {
        int fd = -1;
        Sperre() = default;
        Sperre(const Sperre&) = delete;
        Sperre& operator=(const Sperre&) = delete;
        ~Sperre();
    };

    QString m_ordner;
    Sperre m_sperre;
    QString m_aktuell;     // the folder of the published set, empty before the first publishing
    QString m_neu;         // the folder of the new set
    bool m_ueberschreiben = false; // m_neu holds an earlier set, written over
    int m_links = 0;
    bool m_uebernommen = false;
    QStringList m_dateien;
    QSet<QString> m_unterordner; // folders of the new set made so far, below the folder
};

} // namespace rzv
