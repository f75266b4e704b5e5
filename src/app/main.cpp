#include "app/filecommands.h"
#include "app/germanqt.h"
#include "app/tw.h"
#include "cup/product.h"
#include "dialogs/tuberrzv.h"

#include <QApplication>
#include <QIcon>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(rzv::kProduktname);
    QApplication::setApplicationVersion(rzv::kVersion);
    QApplication::setWindowIcon(QIcon(rzv::stopwatchPicture(64)));

    // The whole program speaks German, Qt's own dialogs (files, printing) included.
    rzv::speakGerman(app);

    rzv::Tw w;
    w.show();
    // A cup file given on the command line (a double click on it) is opened at once.
    const QStringList arguments = QApplication::arguments();
    if (arguments.size() > 1) w.files->ladenDatei(arguments.at(1));
    return QApplication::exec();
}
