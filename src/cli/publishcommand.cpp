// rzv publish FILE DIR [--style 0|1]: the website and the spreadsheet tables of the whole cup,
// written into one folder exactly as the desktop program publishes them.
#include "cli/cli.h"

#include "cup/cupfile.h"
#include "publish/publish.h"

namespace rzv::cli {

int runPublish(const QStringList& args) {
    QStringList words;
    QString style = QStringLiteral("0");
    for (qsizetype i = 0; i < args.size(); ++i) {
        if (args[i] != u"--style") {
            if (args[i].startsWith(QStringLiteral("--")))
                throw UsageError(
                    QStringLiteral("unbekannte Option %1").arg(args[i]).toUtf8().constData());
            words << args[i];
            continue;
        }
        if (++i == args.size()) throw UsageError("--style braucht einen Wert");
        style = args[i];
    }
    if (words.size() != 2) throw UsageError("publish erwartet zwei Argumente: FILE DIR");
    if (style != u"0" && style != u"1") throw UsageError("--style erwartet 0 oder 1");
    TCupData cup;
    laden(cup, words[0]);
    veroeffentlichen(cup, words[1], style.toInt());
    return 0;
}

} // namespace rzv::cli
