#include "app/publishcommand.h"

#include "cup/cupdata.h"
#include "cup/errors.h"
#include "publish/publish.h"
#include "publish/sitepages.h"
#include "teams/teamsettings.h"
#include "ui/prompt.h"
#include "ui/remembered.h"

#include <QDir>
#include <QUrl>

namespace rzv {

void veroeffentlichenClick(TCupData& cup, Prompt& prompt) {
    // The folders are remembered per cup file; a cup without one starts in the folder chosen last.
    const Remembered ordnerWahl(QStringLiteral("Veroeffentlichen"));
    QString start = ordnerWahl.forCup(cup.fileName);
    if (start.isEmpty()) start = ordnerWahl.last();
    const QString ordner =
        prompt.folderName(QStringLiteral("Ordner für die Veröffentlichung wählen"), start);
    if (ordner.isEmpty()) return;
    ordnerWahl.remember(cup.fileName, ordner);
    try {
        const QStringList dateien =
            veroeffentlichen(cup, ordner, cup.htmlStyle, QDateTime::currentDateTime(),
                             ladeMannschaftseinstellungen(cup.fileName));
        const QString uebersicht = QDir(ordner).filePath(datei::kUebersicht);
        if (prompt.informAndAsk(
                QStringLiteral("Der Cup wurde veröffentlicht: %1 Dateien im Ordner %2.\n"
                               "Wollen Sie die Übersicht im Browser ansehen?")
                    .arg(dateien.size())
                    .arg(QDir::toNativeSeparators(ordner))))
            prompt.openUrl(QUrl::fromLocalFile(uebersicht));
    } catch (const RzvError& error) {
        prompt.error(error.message());
    }
}

} // namespace rzv
