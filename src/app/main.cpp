#include "app/filecommands.h"
#include "app/tw.h"
#include "app/version.h"
#include "dialogs/tuberrzv.h"

#include <QApplication>
#include <QIcon>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(rzv::kProductName);
    QApplication::setApplicationDisplayName(rzv::kProductName);
    QApplication::setApplicationVersion(rzv::kVersion);
    QApplication::setWindowIcon(QIcon(rzv::stopwatchPicture(64)));

    // The whole program speaks German, Qt's own dialogs (files, printing) included.
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    QTranslator qtTranslations;
    if (qtTranslations.load(QStringLiteral("qtbase_de"),
                            QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&qtTranslations);

    rzv::Tw w;
    w.show();
    // A cup file given on the command line (a double click on it) is opened at once.
    const QStringList arguments = QApplication::arguments();
    if (arguments.size() > 1) w.files->ladenDatei(arguments.at(1));
    return QApplication::exec();
}
