#include "publish/publishfolder.h"

#include "cup/errors.h"
#include "cup/fileio.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QSet>

#include <cerrno>
#include <climits>
#include <fcntl.h>
#include <filesystem>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace rzv {

namespace {

const QString kZeiger = QStringLiteral(".rzv-veroeffentlichung");
const QString kStand = QStringLiteral(".rzv-stand-");
const QString kLink = QStringLiteral(".rzv-link-");
const QString kListe = QStringLiteral(".rzv-dateien");
// The list holds names only; a page of an earlier version taken over is a page of the reports.
constexpr qint64 kGroessteListe = 16 * 1024 * 1024;
constexpr qint64 kGroessteSeite = 256 * 1024 * 1024;

QByteArray systemName(const QString& path) { return QFile::encodeName(path); }

void schritt() {
    if (PublishFolder::beforeChange) PublishFolder::beforeChange();
}

RzvError nichtSchreibbar(const QString& ordner, const QString& grund) {
    return RzvError(QStringLiteral("In den Ordner %1 kann nicht geschrieben werden (%2).")
                        .arg(QDir::toNativeSeparators(ordner), grund));
}

void ordnerAnlegen(const QString& ordner) {
    const QFileInfo info(ordner);
    if (info.exists() && !info.isDir())
        throw RzvError(QStringLiteral("„%1“ ist kein Ordner; dorthin wird nicht veröffentlicht.")
                           .arg(QDir::toNativeSeparators(ordner)));
    std::error_code fehler;
    std::filesystem::create_directories(systemName(ordner).toStdString(), fehler);
    if (fehler)
        throw RzvError(QStringLiteral("Der Ordner %1 kann nicht angelegt werden (%2).")
                           .arg(QDir::toNativeSeparators(ordner), ioError(fehler.value()).message()));
}

// What a symbolic link points to; empty for anything else.
QString linkZiel(const QString& path) {
    char ziel[PATH_MAX];
    const ssize_t laenge = ::readlink(systemName(path).constData(), ziel, sizeof ziel);
    return laenge < 0 ? QString() : QFile::decodeName(QByteArray(ziel, laenge));
}

bool vorhanden(const QString& path) {
    struct stat info {};
    return ::lstat(systemName(path).constData(), &info) == 0;
}

// Whether what the path shows exists: false for a link that leads nowhere.
bool zielVorhanden(const QString& path) {
    struct stat info {};
    return ::stat(systemName(path).constData(), &info) == 0;
}

// A folder itself, not a link to one.
bool echterOrdner(const QString& path) {
    struct stat info {};
    return ::lstat(systemName(path).constData(), &info) == 0 && S_ISDIR(info.st_mode);
}

void entfernen(const QString& path) {
    schritt();
    std::error_code fehler; // what cannot go now goes next time
    std::filesystem::remove_all(systemName(path).toStdString(), fehler);
}

} // namespace

PublishFolder::PublishFolder(const QString& ordner)
    : m_ordner(QDir::cleanPath(QFileInfo(ordner).absoluteFilePath())) {
    ordnerAnlegen(m_ordner);
    m_sperre.fd = ::open(systemName(m_ordner).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (m_sperre.fd < 0) throw nichtSchreibbar(m_ordner, ioError(errno).message());
    if (::flock(m_sperre.fd, LOCK_EX | LOCK_NB) != 0)
        throw RzvError(QStringLiteral("In den Ordner %1 wird gerade veröffentlicht; bitte versuchen "
                                      "Sie es gleich noch einmal.")
                           .arg(QDir::toNativeSeparators(m_ordner)));
    const QString stand = linkZiel(pfad(kZeiger));
    if (stand.startsWith(kStand) && !stand.contains(u'/') && QFileInfo(pfad(stand)).isDir())
        m_aktuell = stand;
    // The set before the published one is written over; leftovers of a publishing that was
    // stopped go, except one set folder, which is written over like it.
    const QDir dir(m_ordner);
    for (const QString& rest : dir.entryList({kStand + u'*', kLink + u'*'},
                                             QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot)) {
        if (rest == m_aktuell) continue;
        if (m_neu.isEmpty() && rest.startsWith(kStand) && echterOrdner(pfad(rest))) m_neu = rest;
        else entfernen(pfad(rest));
    }
    m_ueberschreiben = !m_neu.isEmpty();
    if (!m_ueberschreiben) m_neu = neuerStand();
}

PublishFolder::~PublishFolder() {
    if (!m_uebernommen && !m_neu.isEmpty()) {
        std::error_code fehler;
        std::filesystem::remove_all(systemName(pfad(m_neu)).toStdString(), fehler);
    }
}

PublishFolder::Sperre::~Sperre() {
    if (fd >= 0) ::close(fd);
}

QString PublishFolder::pfad(const QString& name) const { return m_ordner + u'/' + name; }

// Made by mkdir rather than mkdtemp, whose folders only their owner may read: a web server
// reads them as another user.
QString PublishFolder::neuerStand() {
    schritt();
    for (;;) {
        const QString name = kStand + QString::number(QRandomGenerator::global()->generate(), 36);
        if (::mkdir(systemName(pfad(name)).constData(), 0777) == 0) return name;
        if (errno != EEXIST) throw nichtSchreibbar(m_ordner, ioError(errno).message());
    }
}

void PublishFolder::schreiben(const QString& name, const QByteArray& bytes) {
    const QString datei = pfad(m_neu + u'/' + name);
    try {
        schritt();
        unterordnerAnlegen(name);
        if (m_ueberschreiben) overwriteFile(datei, bytes);
        else writeNewFile(datei, bytes);
    } catch (const RzvError& error) {
        throw nichtSchreibbar(m_ordner, error.message());
    }
    m_dateien << name;
}

// The folders of a name below the set, once per folder rather than per file; in a set written
// over, whatever else holds a folder's place (a file, a link) gives way.
void PublishFolder::unterordnerAnlegen(const QString& name) {
    QString ordner = m_neu;
    const QStringList teile = name.split(u'/');
    for (qsizetype i = 0; i + 1 < teile.size(); ++i) {
        ordner += u'/' + teile[i];
        if (m_unterordner.contains(ordner)) continue;
        const QByteArray pfadname = systemName(pfad(ordner));
        if (!echterOrdner(pfad(ordner))) {
            if (m_ueberschreiben) {
                std::error_code fehler;
                std::filesystem::remove_all(pfadname.toStdString(), fehler);
            }
            if (::mkdir(pfadname.constData(), 0777) != 0) throw ioError(errno);
        }
        m_unterordner.insert(ordner);
    }
}

// In a set written over: what the new set does not hold goes before the set is published.
void PublishFolder::entferneUebriges(const QString& ordner, const QSet<QString>& geschrieben) {
    const QDir::Filters alle = QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot;
    for (const QString& eintrag : QDir(pfad(ordner)).entryList(alle, QDir::Unsorted)) {
        const QString name = ordner + u'/' + eintrag;
        if (m_unterordner.contains(name) && echterOrdner(pfad(name))) entferneUebriges(name, geschrieben);
        else if (!geschrieben.contains(name)) entfernen(pfad(name));
    }
}

void PublishFolder::uebernehmen() {
    QStringList namen; // the names in the folder itself, each once
    QSet<QString> gesehen;
    for (const QString& datei : m_dateien) {
        const QString name = datei.section(u'/', 0, 0);
        if (!gesehen.contains(name)) namen << name;
        gesehen.insert(name);
    }
    QStringList fehlend; // names with nothing in their place yet
    QStringList fremd;   // plain files in the place of a name
    for (const QString& name : namen) {
        if (unsererLink(name)) continue;
        if (!vorhanden(pfad(name))) {
            fehlend << name;
            continue;
        }
        // A link that leads nowhere shows nothing that must stay visible: it gives way, and the
        // name gets its link like a new one.
        if (!zielVorhanden(pfad(name))) {
            schritt();
            if (::unlink(systemName(pfad(name)).constData()) != 0)
                throw nichtSchreibbar(m_ordner, ioError(errno).message());
            fehlend << name;
            continue;
        }
        requireFileOrNothing(pfad(name));
        fremd << name;
    }
    if (m_ueberschreiben) {
        QSet<QString> geschrieben;
        geschrieben.reserve(m_dateien.size());
        for (const QString& datei : m_dateien) geschrieben.insert(m_neu + u'/' + datei);
        entferneUebriges(m_neu, geschrieben);
    }
    try {
        // The new set's files, written unsynced, become durable all at once before the switch.
        syncFileSystem(pfad(m_neu));
        einrichten(namen, fehlend, fremd);
        setzeLink(m_neu, kZeiger);
    } catch (const RzvError& error) {
        throw nichtSchreibbar(m_ordner, error.message());
    }
    m_uebernommen = true;
    aufraeumen(namen);
}

bool PublishFolder::unsererLink(const QString& name) const {
    return linkZiel(pfad(name)) == kZeiger + u'/' + name;
}

QStringList PublishFolder::liste() const {
    if (!vorhanden(pfad(kListe))) return {};
    return QString::fromUtf8(readWholeFile(pfad(kListe), kGroessteListe)).split(u'\n', Qt::SkipEmptyParts);
}

void PublishFolder::schreibeListe(const QStringList& namen) const {
    schritt();
    writeFileAtomically(pfad(kListe), (namen.join(u'\n') + u'\n').toUtf8());
}

// Everything but the switch: the list first names every link that will exist, the links of new
// names are made (they lead nowhere until the switch), and plain files in the place of a name are
// copied into the current set and replaced by their links, which show the same content.
void PublishFolder::einrichten(const QStringList& namen, const QStringList& fehlend,
                               const QStringList& fremd) {
    QStringList eingetragen = liste();
    const QSet<QString> alt(eingetragen.begin(), eingetragen.end());
    for (const QString& name : namen)
        if (!alt.contains(name)) eingetragen << name;
    if (eingetragen.size() > alt.size()) schreibeListe(eingetragen);
    for (const QString& name : fehlend) {
        schritt();
        if (::symlink(systemName(kZeiger + u'/' + name).constData(), systemName(pfad(name)).constData()) != 0)
            throw ioError(errno);
    }
    if (!fremd.isEmpty()) {
        if (m_aktuell.isEmpty()) {
            m_aktuell = neuerStand();
            setzeLink(m_aktuell, kZeiger);
        }
        // A copy a stopped publishing left is replaced: its name does not lead to it yet.
        for (const QString& name : fremd) {
            schritt();
            writeFileAtomically(pfad(m_aktuell + u'/' + name), readWholeFile(pfad(name), kGroessteSeite));
        }
        for (const QString& name : fremd) setzeLink(kZeiger + u'/' + name, name);
    }
    syncFolder(m_ordner);
}

// A link made under a temporary name and renamed over the name, which so is never missing.
void PublishFolder::setzeLink(const QString& ziel, const QString& name) {
    const QString neu = pfad(kLink + QString::number(++m_links));
    schritt();
    if (::symlink(systemName(ziel).constData(), systemName(neu).constData()) != 0) throw ioError(errno);
    schritt();
    if (::rename(systemName(neu).constData(), systemName(pfad(name)).constData()) != 0) throw ioError(errno);
    syncFolder(m_ordner);
}

// After the switch: the links of names no longer published. The previous set stays, to be written
// over by the next publishing. What fails here is done by the next publishing; the new set is
// complete already.
void PublishFolder::aufraeumen(const QStringList& namen) {
    const QSet<QString> bleiben(namen.begin(), namen.end());
    try {
        for (const QString& name : liste()) {
            if (bleiben.contains(name) || !unsererLink(name)) continue;
            schritt();
            ::unlink(systemName(pfad(name)).constData());
        }
        schreibeListe(namen);
    } catch (const RzvError&) {
    }
}

} // namespace rzv
