#include "cup/recoveryfolder.h"

#include "cup/cupfile.h"
#include "cup/errors.h"
#include "cup/fileio.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>

#include <algorithm>

namespace rzv {

namespace {
const QString kCupFileKey = QStringLiteral("cupFile");
const QString kWrittenKey = QStringLiteral("written");
} // namespace

QString RecoveryFolder::copyPath(const QString& id) const {
    return m_path + QLatin1Char('/') + id + QStringLiteral(".rz3");
}

QString RecoveryFolder::infoPath(const QString& id) const {
    return m_path + QLatin1Char('/') + id + QStringLiteral(".ini");
}

QString RecoveryFolder::lockPath(const QString& id) const {
    return m_path + QLatin1Char('/') + id + QStringLiteral(".lock");
}

std::vector<RecoveryCopy> RecoveryFolder::copies() const {
    std::vector<RecoveryCopy> found;
    const QFileInfoList files =
        QDir(m_path).entryInfoList({QStringLiteral("*.rz3")}, QDir::Files);
    for (const QFileInfo& file : files) {
        RecoveryCopy copy{file.completeBaseName(), {}, file.lastModified()};
        if (QFileInfo::exists(infoPath(copy.id))) {
            const QSettings info(infoPath(copy.id), QSettings::IniFormat);
            copy.cupFileName = info.value(kCupFileKey).toString();
            const QDateTime written =
                QDateTime::fromString(info.value(kWrittenKey).toString(), Qt::ISODate);
            if (written.isValid()) copy.written = written.toLocalTime();
        }
        found.push_back(std::move(copy));
    }
    std::stable_sort(found.begin(), found.end(), [](const RecoveryCopy& a, const RecoveryCopy& b) {
        return a.written > b.written;
    });
    return found;
}

void RecoveryFolder::create() const {
    if (!QDir().mkpath(m_path))
        throw RzvError(QStringLiteral("Der Ordner „%1“ lässt sich nicht anlegen.")
                           .arg(QDir::toNativeSeparators(m_path)));
}

void RecoveryFolder::write(const RecoveryCopy& copy, const QByteArray& cupBytes) const {
    create();
    writeFileAtomically(copyPath(copy.id), cupBytes);

    QSettings info(infoPath(copy.id), QSettings::IniFormat);
    info.setValue(kCupFileKey, copy.cupFileName);
    info.setValue(kWrittenKey, copy.written.toUTC().toString(Qt::ISODate));
    info.sync();
    if (info.status() != QSettings::NoError)
        throw RzvError(QStringLiteral("Die Datei „%1“ lässt sich nicht schreiben.")
                           .arg(QDir::toNativeSeparators(infoPath(copy.id))));
}

TCupContent RecoveryFolder::read(const QString& id, QStringList* notices) const {
    return parseCupFile(readWholeFile(copyPath(id), kMaxCupFileSize), notices);
}

void RecoveryFolder::remove(const QString& id) const {
    QFile::remove(copyPath(id));
    QFile::remove(infoPath(id));
}

} // namespace rzv
