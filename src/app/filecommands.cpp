#include "app/filecommands.h"

#include "ui/prompt.h"
#include "cup/cupdata.h"
#include "cup/cupfile.h"
#include "cup/errors.h"

namespace rzv {

namespace {
const QString kFilter = QStringLiteral("Rundenzeitverwalter 3.*.* (*.rz3)");
const QString kSuffix = QStringLiteral("rz3");
} // namespace

FileCommands::FileCommands(TCupData& cup, Prompt& prompt, std::function<void()> resetWindow)
    : m_cup(cup), m_prompt(prompt), m_resetWindow(std::move(resetWindow)) {}

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
        m_prompt.openFileName(QStringLiteral("Rundenpokal-Daten laden"), kFilter, kSuffix);
    if (!path.isEmpty()) ladenDatei(path);
}

bool FileCommands::ladenDatei(const QString& path) {
    try {
        // The file is read whole before the cup is touched: a failure keeps the open cup.
        rzv::laden(m_cup, path);
        return true;
    } catch (const RzvError& error) {
        m_prompt.error(error.message());
        return false;
    }
}

void FileCommands::speichern() {
    if (m_cup.fileName.isEmpty()) {
        saveAs();
        return;
    }
    try {
        rzv::speichern(m_cup);
        m_cup.edit(0);
    } catch (const RzvError& error) {
        m_prompt.error(error.message());
    }
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
    try {
        rzv::speichern(m_cup);
        m_cup.edit(0);
        return true;
    } catch (const RzvError& error) {
        // The cup is not in the new file: keep naming the file that holds it.
        m_cup.fileName = previous;
        m_prompt.error(error.message());
        return false;
    }
}

bool FileCommands::mayClose() {
    return mayDiscard(QStringLiteral("Wollen Sie trotzdem beenden?"));
}

} // namespace rzv
