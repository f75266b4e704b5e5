#include "app/filecommands.h"
#include "app/cuptab.h"
#include "app/germanqt.h"
#include "app/recovery.h"
#include "app/tw.h"
#include "cup/product.h"
#include "dialogs/tuberrzv.h"

#include <QApplication>
#include <QIcon>
#include <QKeyEvent>
#include <QLineEdit>

namespace {

// Types the text into the field key by key, as a user would (the crash test of the whole
// program makes its change this way).
void typeInto(QLineEdit* field, const QString& text) {
    for (const QChar c : text)
        QCoreApplication::postEvent(field, new QKeyEvent(QEvent::KeyPress, Qt::Key_unknown,
                                                         Qt::NoModifier, QString(c)));
}

} // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(rzv::kProduktname);
    QApplication::setApplicationVersion(rzv::kVersion);
    QApplication::setWindowIcon(QIcon(rzv::stopwatchPicture(64)));

    // The whole program speaks German, Qt's own dialogs (files, printing) included.
    rzv::speakGerman(app);

    rzv::Tw w;
    w.show();
    rzv::Recovery recovery(w.cup, w.prompt(), rzv::Recovery::defaultFolder());
    const bool restored = recovery.offerAtStart();
    // A cup file given on the command line (a double click on it) is opened at once, unless
    // restored changes are open now.
    const QStringList arguments = QApplication::arguments();
    if (!restored && arguments.size() > 1) w.files->ladenDatei(arguments.at(1));
    if (const QString typed = qEnvironmentVariable("RZV_TEST_TYPE_NAME"); !typed.isEmpty())
        typeInto(w.cupTab->name, typed);
    return QApplication::exec();
}
