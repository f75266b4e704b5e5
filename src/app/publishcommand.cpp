#include "app/publishcommand.h"

#include "cup/cupdata.h"
#include "cup/errors.h"
#include "cup/product.h"
#include "publish/publish.h"
#include "publish/sitepages.h"
#include "ui/prompt.h"

#include <QDir>
#include <QSettings>
#include <QUrl>

namespace rzv {

namespace {

// The folders are remembered per cup file; a cup without a file gets the folder chosen last.
const QString kZuletzt = QStringLiteral("Veroeffentlichen/zuletzt");

QString ordnerSchluessel(const QString& cupDatei) {
    // A path holds "/", which would make settings groups of its parts.
    return QStringLiteral("Veroeffentlichen/Cup-") +
           QString::fromLatin1(QUrl::toPercentEncoding(QDir::cleanPath(cupDatei)));
}

} // namespace

void veroeffentlichenClick(TCupData& cup, Prompt& prompt) {
    QSettings settings(kProduktname, kProduktname);
    const QString schluessel = cup.fileName.isEmpty() ? kZuletzt : ordnerSchluessel(cup.fileName);
    const QString ordner =
        prompt.folderName(QStringLiteral("Ordner für die Veröffentlichung wählen"),
                          settings.value(schluessel, settings.value(kZuletzt)).toString());
    if (ordner.isEmpty()) return;
    settings.setValue(schluessel, ordner);
    settings.setValue(kZuletzt, ordner);
    try {
        const QStringList dateien = veroeffentlichen(cup, ordner, cup.htmlStyle);
        const QString uebersicht = QDir(ordner).filePath(datei::kUebersicht);
        if (prompt.ask(QStringLiteral("Der Cup wurde veröffentlicht: %1 Dateien im Ordner %2.\n"
                                      "Wollen Sie die Übersicht im Browser ansehen?")
                           .arg(dateien.size())
                           .arg(QDir::toNativeSeparators(ordner))))
            prompt.openUrl(QUrl::fromLocalFile(uebersicht));
    } catch (const RzvError& error) {
        prompt.error(error.message());
    }
}

} // namespace rzv
