#include "publish/publishfolder.h"

#include "cup/cupfile.h"
#include "cup/errors.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <filesystem>
#include <sys/stat.h>

namespace rzv {

namespace {

RzvError nichtSchreibbar(const QString& ordner, const QString& grund) {
    return RzvError(QStringLiteral("In den Ordner %1 kann nicht geschrieben werden (%2).")
                        .arg(QDir::toNativeSeparators(ordner), grund));
}

void ordnerAnlegen(const QString& ordner) {
    std::error_code fehler;
    std::filesystem::create_directories(QFile::encodeName(ordner).toStdString(), fehler);
    if (fehler)
        throw RzvError(QStringLiteral("Der Ordner %1 kann nicht angelegt werden (%2).")
                           .arg(QDir::toNativeSeparators(ordner), ioError(fehler.value()).message()));
}

bool selbesDateisystem(const QString& a, const QString& b) {
    struct stat sa {};
    struct stat sb {};
    return ::stat(QFile::encodeName(a).constData(), &sa) == 0 &&
           ::stat(QFile::encodeName(b).constData(), &sb) == 0 && sa.st_dev == sb.st_dev;
}

// A new, empty folder from a mkdtemp pattern; empty when it cannot be made.
QString neuerOrdner(const QString& muster, int& fehler) {
    QByteArray name = QFile::encodeName(muster);
    if (::mkdtemp(name.data()) == nullptr) {
        fehler = errno;
        return {};
    }
    return QFile::decodeName(name);
}

// Beside the target, so that a failure never leaves anything in it; inside it where that is not
// possible, because the files must be renamed within one file system.
QString zwischenordner(const QString& ordner) {
    const QFileInfo ziel(ordner);
    const QString daneben = ziel.dir().absolutePath();
    int fehler = 0;
    if (selbesDateisystem(daneben, ordner)) {
        const QString neu =
            neuerOrdner(daneben + QStringLiteral("/.") + ziel.fileName() + QStringLiteral(".neu-XXXXXX"), fehler);
        if (!neu.isEmpty()) return neu;
    }
    const QString neu = neuerOrdner(ordner + QStringLiteral("/.rzv-neu-XXXXXX"), fehler);
    if (neu.isEmpty()) throw nichtSchreibbar(ordner, ioError(fehler).message());
    return neu;
}

} // namespace

PublishFolder::PublishFolder(const QString& ordner)
    : m_ordner(QDir::cleanPath(QFileInfo(ordner).absoluteFilePath())) {
    ordnerAnlegen(m_ordner);
    m_zwischenordner = zwischenordner(m_ordner);
}

PublishFolder::~PublishFolder() {
    QDir(m_zwischenordner).removeRecursively();
}

void PublishFolder::schreiben(const QString& name, const QByteArray& bytes) {
    try {
        writeFileAtomically(m_zwischenordner + u'/' + name, bytes);
    } catch (const RzvError& error) {
        throw nichtSchreibbar(m_ordner, error.message());
    }
    m_dateien << name;
}

void PublishFolder::uebernehmen() {
    for (qsizetype n = 0; n < m_dateien.size(); ++n) {
        const QString& name = m_dateien[n];
        const QByteArray von = QFile::encodeName(m_zwischenordner + u'/' + name);
        const QByteArray nach = QFile::encodeName(m_ordner + u'/' + name);
        if (::rename(von.constData(), nach.constData()) != 0) {
            const int fehler = errno;
            throw RzvError(QStringLiteral("Die Datei %1 kann nicht ersetzt werden (%2). %3 von %4 "
                                          "Dateien sind bereits erneuert, die übrigen unverändert.")
                               .arg(QDir::toNativeSeparators(QFile::decodeName(nach)),
                                    ioError(fehler).message())
                               .arg(n)
                               .arg(m_dateien.size()));
        }
    }
}

} // namespace rzv
