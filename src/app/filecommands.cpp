#include "app/filecommands.h"

#include "ui/prompt.h"
#include "cup/cupdata.h"
#include "cup/cupfile.h"
#include "cup/errors.h"
#include "teams/teamsettings.h"

namespace rzv {

namespace {
const QString kFilter = QStringLiteral("Rundenzeitverwalter 3.*.* (*.rz3)");
const QString kSuffix = QStringLiteral("rz3");
} // namespace

FileCommands::FileCommands(TCupData& cup, Prompt& prompt, std::function<void()> resetWindow)
    : m_cup(cup), m_prompt(prompt), m_resetWindow(std::move(resetWindow)) {}

std::function<void(const QString&)> FileCommands::showError() {
    return [this](const QString& message) { m_prompt.error(message); };
}

bool FileCommands::mayDiscard(const QString& action) {
    return !m_cup.changed() ||
           m_prompt.ask(QStringLiteral("Sie haben noch ungesicherte Daten!\n") + action);
}

void FileCommands::neu() {
    if (!mayDiscard(QStringLiteral("Wollen Sie trotzdem einen neuen Cup anlegen?"))) return;
    m_resetWindow();
    m_cup.neu();
}

void FileCommands::laden() {
    if (!mayDiscard(QStringLiteral("Wollen Sie trotzdem einen Cup laden?"))) return;
    const QString path =
        m_prompt.openFileName(QStringLiteral("Rundenpokal-Daten laden"), kFilter, kSuffix, {});
    if (!path.isEmpty()) ladenDatei(path);
}

bool FileCommands::ladenDatei(const QString& path) {
    // The file is read whole before the cup is touched: a failure keeps the open cup.
    QStringList notices;
    if (!runOperation([&] { notices = rzv::laden(m_cup, path); }, showError())) return false;
    for (const QString& notice : notices) m_prompt.notice(notice);
    return true;
}

void FileCommands::speichern() {
    if (m_cup.fileName.isEmpty()) {
        saveAs();
        return;
    }
    saveToFileName();
}

void FileCommands::speichernUnter() {
    saveAs();
}

bool FileCommands::saveAs() {
    const QString path = m_prompt.saveFileName(QStringLiteral("Rundenpokal-Daten speichern unter"),
                                               kFilter, kSuffix);
    if (path.isEmpty()) return false;
    const QString previous = m_cup.fileName;
    m_cup.fileName = path;
    const bool saved = saveToFileName();
    // A cup that is not in the new file keeps naming the file that holds it.
    if (!saved) {
        m_cup.fileName = previous;
        return false;
    }
    runOperation([&] { mannschaftseinstellungenMitnehmen(previous, path); }, showError());
    return true;
}

bool FileCommands::saveToFileName() {
    return runOperation(
        [&] {
            rzv::speichern(m_cup);
            m_cup.edit(0);
        },
        showError());
}

bool FileCommands::mayClose() {
    return mayDiscard(QStringLiteral("Wollen Sie trotzdem beenden?"));
}

} // namespace rzv
