#pragma once

#include "cup/recoveryfolder.h"

#include <QObject>
#include <QThreadPool>
#include <QTimer>
#include <chrono>
#include <memory>

class QLockFile;

namespace rzv {

class Prompt;
class TCupData;

// Keeps a recovery copy of the open cup while it has unsaved changes, and at start offers the
// copies that a program ended by a crash or a power cut left behind.
//
// Every running program keeps its own copy under an id of its own and holds a lock file on it,
// so that two programs never write the same copy and a starting program offers only the copies
// of programs that no longer run.
class Recovery : public QObject {
    Q_OBJECT
public:
    static constexpr std::chrono::milliseconds kDefaultDelay{3000};

    // The copy is written `delay` after the last change.
    Recovery(TCupData& cup, Prompt& prompt, const QString& folder,
             std::chrono::milliseconds delay = kDefaultDelay, QObject* parent = nullptr);
    // The program ends normally only when nothing was unsaved or the user agreed to give the
    // changes up: the copy goes too.
    ~Recovery() override;

    // The folder of the copies in the user's data folder.
    static QString defaultFolder();

    // Offers the copies no running program keeps in one question; "&Ja" restores the newest,
    // "&Nein" asks whether to delete them all. True when one was restored: the cup then holds it, named as its file, marked changed.
    bool offerAtStart();

    // Waits until the copy asked for so far is written or removed.
    void finishWriting() { m_io.waitForDone(); }

private:
    void statusChanged();
    void writeCopy();
    void lockOwnCopy();
    void removeCopy();
    bool restore(const RecoveryCopy& copy);
    void writeFailed(const QString& message);

    TCupData& m_cup;
    Prompt& m_prompt;
    RecoveryFolder m_folder;
    QString m_id;
    std::unique_ptr<QLockFile> m_lock;
    bool m_copyMayExist = false;
    bool m_failureShown = false;
    QTimer m_timer;
    // One thread turns the cup into bytes, writes and removes the copy in the order asked, so
    // that typing never waits for it.
    QThreadPool m_io;
};

} // namespace rzv
