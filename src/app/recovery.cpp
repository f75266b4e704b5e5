#include "app/recovery.h"

#include "cup/cupdata.h"
#include "cup/cupfile.h"
#include "cup/errors.h"
#include "ui/prompt.h"

#include <QDir>
#include <QLockFile>
#include <QStandardPaths>
#include <QUuid>

namespace rzv {

namespace {

std::unique_ptr<QLockFile> lockFile(const QString& path) {
    auto lock = std::make_unique<QLockFile>(path);
    // A copy is kept for the whole run: only a program that no longer runs gives its lock up.
    lock->setStaleLockTime(0);
    return lock;
}

QString restoreQuestion(const RecoveryCopy& copy) {
    // A cup never saved is named as the status bar names it.
    const QString file = copy.cupFileName.isEmpty() ? QStringLiteral("unbekannt")
                                                    : QDir::toNativeSeparators(copy.cupFileName);
    return QStringLiteral("Der Rundenzeitverwalter wurde nicht ordnungsgemäß beendet.\n"
                          "Wollen Sie die ungesicherten Änderungen an „%1“ vom %2 um %3 Uhr "
                          "wiederherstellen?")
        .arg(file, copy.written.toString(QStringLiteral("dd.MM.yyyy")),
             copy.written.toString(QStringLiteral("HH:mm:ss")));
}

} // namespace

Recovery::Recovery(TCupData& cup, Prompt& prompt, const QString& folder,
                   std::chrono::milliseconds delay, QObject* parent)
    : QObject(parent), m_cup(cup), m_prompt(prompt), m_folder(folder),
      m_id(QUuid::createUuid().toString(QUuid::WithoutBraces)) {
    m_timer.setSingleShot(true);
    m_timer.setInterval(delay);
    connect(&m_timer, &QTimer::timeout, this, &Recovery::writeCopy);
    connect(&m_cup, &TCupData::statusChanged, this, &Recovery::statusChanged);
    m_io.setMaxThreadCount(1);
}

Recovery::~Recovery() {
    m_timer.stop();
    removeCopy();
    finishWriting();
}

QString Recovery::defaultFolder() {
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) +
           QStringLiteral("/recovery");
}

void Recovery::statusChanged() {
    if (m_cup.changed()) {
        m_timer.start();
    } else {
        m_timer.stop();
        removeCopy();
    }
}

void Recovery::writeCopy() {
    if (!m_cup.changed()) return;
    try {
        lockOwnCopy();
    } catch (const RzvError& error) {
        writeFailed(error.message());
        return;
    }
    m_copyMayExist = true;
    const RecoveryCopy copy{m_id, m_cup.fileName, QDateTime::currentDateTime()};
    // Turning a large cup into bytes takes longer than copying it: the worker does that too.
    m_io.start([this, folder = m_folder, copy, content = TCupContent(m_cup)] {
        QString failure;
        try {
            folder.write(copy, cupFileBytes(content));
        } catch (const RzvError& error) {
            failure = error.message();
        }
        QMetaObject::invokeMethod(this, [this, failure] {
            if (!failure.isEmpty())
                writeFailed(failure);
            else
                m_failureShown = false;
        });
    });
}

void Recovery::lockOwnCopy() {
    if (m_lock) return;
    m_folder.create();
    std::unique_ptr<QLockFile> lock = lockFile(m_folder.lockPath(m_id));
    if (!lock->tryLock(0))
        throw RzvError(QStringLiteral("Die Sperrdatei „%1“ lässt sich nicht anlegen.")
                           .arg(QDir::toNativeSeparators(lock->fileName())));
    m_lock = std::move(lock);
}

void Recovery::removeCopy() {
    if (!m_copyMayExist) return;
    m_copyMayExist = false;
    m_io.start([folder = m_folder, id = m_id] { folder.remove(id); });
}

void Recovery::writeFailed(const QString& message) {
    // Shown once until a copy is written again: the user should save, not be asked every time.
    if (m_failureShown) return;
    m_failureShown = true;
    m_prompt.error(QStringLiteral("Die Wiederherstellungskopie der ungesicherten Änderungen "
                                  "lässt sich nicht schreiben:\n%1\nBitte speichern Sie den Cup.")
                       .arg(message));
}

bool Recovery::offerAtStart() {
    for (const RecoveryCopy& copy : m_folder.copies()) {
        if (copy.id == m_id) continue;
        std::unique_ptr<QLockFile> lock = lockFile(m_folder.lockPath(copy.id));
        // A running program keeps its copy.
        if (!lock->tryLock(0)) continue;
        if (offer(copy)) {
            // The restored changes stay in their copy until they are saved or given up.
            m_id = copy.id;
            m_lock = std::move(lock);
            m_copyMayExist = true;
            m_timer.stop();
            return true;
        }
    }
    return false;
}

bool Recovery::offer(const RecoveryCopy& copy) {
    if (m_prompt.ask(restoreQuestion(copy))) {
        try {
            QStringList notices;
            m_cup.replaceContent(m_folder.read(copy.id, &notices), copy.cupFileName);
            m_cup.edit(1);
            for (const QString& notice : notices) m_prompt.notice(notice);
            return true;
        } catch (const RzvError& error) {
            m_prompt.error(QStringLiteral("Die Wiederherstellungskopie „%1“ lässt sich nicht "
                                          "laden:\n%2\nSie bleibt erhalten.")
                               .arg(QDir::toNativeSeparators(m_folder.copyPath(copy.id)),
                                    error.message()));
            return false;
        }
    }
    if (m_prompt.ask(QStringLiteral("Soll die Wiederherstellungskopie gelöscht werden?\n"
                                    "Sonst wird beim nächsten Start wieder gefragt.")))
        m_folder.remove(copy.id);
    return false;
}

} // namespace rzv
