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

// File names come from the copies' INI files, which anything may have written: a name longer
// than a line loses its middle, never a character in halves.
QString shortened(const QString& name) {
    constexpr qsizetype kMaxLength = 80;
    if (name.size() <= kMaxLength) return name;
    qsizetype head = (kMaxLength - 1) / 2;
    qsizetype tail = kMaxLength - 1 - head;
    if (name.at(head - 1).isHighSurrogate()) --head;
    if (name.at(name.size() - tail).isLowSurrogate()) --tail;
    return name.left(head) + QStringLiteral("…") + name.right(tail);
}

QString describe(const RecoveryCopy& copy) {
    // A cup never saved is named as the status bar names it.
    const QString file = copy.cupFileName.isEmpty()
                             ? QStringLiteral("unbekannt")
                             : shortened(QDir::toNativeSeparators(copy.cupFileName));
    return QStringLiteral("„%1“ vom %2 um %3 Uhr")
        .arg(file, copy.written.toString(QStringLiteral("dd.MM.yyyy")),
             copy.written.toString(QStringLiteral("HH:mm:ss")));
}

// One question for all copies, the newest first: that one is restored, the others wait for the
// next start.
QString restoreQuestion(const std::vector<RecoveryCopy>& copies) {
    constexpr size_t kMaxListed = 10;
    const QString crashed =
        QStringLiteral("Der Rundenzeitverwalter wurde nicht ordnungsgemäß beendet.\n");
    if (copies.size() == 1)
        return crashed +
               QStringLiteral("Wollen Sie die ungesicherten Änderungen an %1 wiederherstellen?")
                   .arg(describe(copies.front()));
    QString text = crashed + QStringLiteral("Es gibt ungesicherte Änderungen an\n");
    for (size_t i = 0; i < copies.size() && i < kMaxListed; ++i)
        text += describe(copies[i]) + u'\n';
    if (copies.size() > kMaxListed)
        text += QStringLiteral("… und %1 weitere\n").arg(copies.size() - kMaxListed);
    return text + QStringLiteral("Wollen Sie die neuesten davon wiederherstellen? Die anderen "
                                 "werden beim nächsten Start wieder angeboten.");
}

QString deleteQuestion(size_t count) {
    return (count == 1 ? QStringLiteral("Soll die Wiederherstellungskopie gelöscht werden?")
                       : QStringLiteral("Sollen die %1 Wiederherstellungskopien gelöscht werden?")
                             .arg(count)) +
           QStringLiteral("\nSonst wird beim nächsten Start wieder gefragt.");
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
    std::vector<RecoveryCopy> copies;
    std::vector<std::unique_ptr<QLockFile>> locks;
    for (RecoveryCopy& copy : m_folder.copies()) {
        if (copy.id == m_id) continue;
        std::unique_ptr<QLockFile> lock = lockFile(m_folder.lockPath(copy.id));
        // A running program keeps its copy.
        if (!lock->tryLock(0)) continue;
        copies.push_back(std::move(copy));
        locks.push_back(std::move(lock));
    }
    // A copy that does not load stays where it is; the others are offered again.
    while (!copies.empty()) {
        if (!m_prompt.ask(restoreQuestion(copies))) {
            if (m_prompt.ask(deleteQuestion(copies.size())))
                for (const RecoveryCopy& copy : copies) m_folder.remove(copy.id);
            return false;
        }
        if (restore(copies.front())) {
            // The restored changes stay in their copy until they are saved or given up.
            m_id = copies.front().id;
            m_lock = std::move(locks.front());
            m_copyMayExist = true;
            m_timer.stop();
            return true;
        }
        copies.erase(copies.begin());
        locks.erase(locks.begin());
    }
    return false;
}

bool Recovery::restore(const RecoveryCopy& copy) {
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

} // namespace rzv
