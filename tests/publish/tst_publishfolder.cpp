// The folder a cup is published into shows the complete previous or the complete new set, also
// when publishing is killed at any step; only its own files ever go.
#include "publish/publishfolder.h"

#include "errorof.h"
#include "testfiles.h"

#include <QDir>
#include <QMap>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace rzv;

namespace {

using Satz = QMap<QString, QByteArray>; // what a reader of the folder sees: name and content

const Satz kAlt{{"index.html", "A"}, {"lauf-1.html", "A1"}, {"lauf-2.html", "A2"}, {"lauf-3.html", "A3"}};
const Satz kNeu{{"index.html", "B"}, {"lauf-1.html", "B1"}, {"lauf-2.html", "B2"}, {"laeufer/7.html", "B7"}};

void veroeffentliche(const QString& ordner, const Satz& satz) {
    PublishFolder folder(ordner);
    for (auto it = satz.begin(); it != satz.end(); ++it) folder.schreiben(it.key(), it.value());
    folder.uebernehmen();
}

// Plain files, also in the place of a published name.
void lege(const QString& ordner, const Satz& satz) {
    QDir().mkpath(ordner);
    for (auto it = satz.begin(); it != satz.end(); ++it) {
        QFile::remove(ordner + u'/' + it.key());
        test::writeBytes(ordner + u'/' + it.key(), it.value());
    }
}

// Every file below the folder, read through the links; the hidden entries by name only.
Satz sichtbar(const QString& ordner, const QString& unter = QString()) {
    Satz satz;
    const QDir::Filters alle = QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot;
    for (const QFileInfo& info : QDir(ordner + u'/' + unter).entryInfoList(alle)) {
        const QString name = unter + info.fileName();
        if (name.startsWith(u'.')) satz.insert(name.startsWith(QStringLiteral(".rzv-stand-")) ? ".rzv-stand-*" : name, {});
        else if (info.isDir()) satz.insert(sichtbar(ordner, name + u'/'));
        else if (info.isFile()) satz.insert(name, test::readBytes(info.filePath()));
    }
    return satz;
}

// What a reader sees: the hidden entries left out.
Satz lesbar(Satz satz) {
    satz.removeIf([](const auto& eintrag) { return eintrag.key().startsWith(u'.'); });
    return satz;
}

Satz mit(Satz satz, const Satz& dazu) {
    satz.insert(dazu);
    return satz;
}

const Satz kVerwaltet{{".rzv-dateien", {}}, {".rzv-stand-*", {}}, {".rzv-veroeffentlichung", {}}};
const Satz kEigene{{"logo.png", "Bild"}, {"lauf-3.html", "eigene Seite"}};

} // namespace

class TestPublishFolder : public QObject {
    Q_OBJECT
private Q_SLOTS:
    // Killed before step k (every change of the folder counts), the folder shows the whole
    // previous set or the whole new one. The next publishing leaves nothing of the stopped one,
    // removes the names no longer published and keeps the user's files: one beside the set, one
    // put in the place of a published name, and a plain file of an earlier version (no list).
    void killedAtEveryStep_data() {
        QTest::addColumn<Satz>("vorher");     // published before, through links
        QTest::addColumn<Satz>("daneben");    // plain files in the folder
        QTest::addColumn<Satz>("bleibt");     // of these, what stays beside the new set
        QTest::addColumn<int>("mal");         // how often `vorher` was published
        QTest::newRow("over a published set") << kAlt << kEigene << kEigene << 1;
        QTest::newRow("writing over the set before") << kAlt << kEigene << kEigene << 2;
        QTest::newRow("over the plain files of an earlier version") << Satz() << kAlt << Satz{{"lauf-3.html", "A3"}} << 0;
        QTest::newRow("into a new folder") << Satz() << Satz() << Satz() << 0;
    }
    void killedAtEveryStep() {
        QFETCH(Satz, vorher);
        QFETCH(Satz, daneben);
        QFETCH(Satz, bleibt);
        QFETCH(int, mal);
        const Satz nachher = mit(mit(kNeu, bleibt), kVerwaltet);
        ::umask(022); // a web server reads the set as another user
        int alt = 0;
        int neu = 0;
        for (int k = 1;; ++k) {
            QTemporaryDir dir;
            const QString ordner = dir.filePath(QStringLiteral("web"));
            for (int i = 0; i < mal; ++i) veroeffentliche(ordner, vorher);
            if (!daneben.isEmpty()) lege(ordner, daneben);
            const Satz zuvor = lesbar(sichtbar(ordner));

            const pid_t kind = ::fork();
            if (kind == 0) {
                int schritte = 0;
                PublishFolder::beforeChange = [&] {
                    if (++schritte == k) ::raise(SIGKILL);
                };
                try {
                    veroeffentliche(ordner, kNeu);
                } catch (...) {
                    ::_exit(2);
                }
                ::_exit(0);
            }
            int status = 0;
            QCOMPARE(::waitpid(kind, &status, 0), kind);
            const Satz jetzt = lesbar(sichtbar(ordner));
            QVERIFY2(jetzt == zuvor || jetzt == lesbar(nachher), qPrintable(QString::number(k)));
            (jetzt == zuvor ? alt : neu) += 1;

            veroeffentliche(ordner, kNeu);
            QCOMPARE(sichtbar(ordner), nachher);
            QVERIFY(QFileInfo(ordner + QStringLiteral("/.rzv-veroeffentlichung/")).permission(QFile::ReadOther | QFile::ExeOther));
            QCOMPARE(test::readBytes(ordner + QStringLiteral("/.rzv-dateien")),
                     QByteArray("index.html\nlaeufer\nlauf-1.html\nlauf-2.html\n"));
            if (WIFEXITED(status)) {
                QCOMPARE(WEXITSTATUS(status), 0);
                break;
            }
        }
        QVERIFY(alt > 5 && neu > 1); // kills before and after the switch
    }

    // From the third publishing on, the set before the published one is written over: files it
    // no longer holds go, longer files are cut, and whatever holds the place of a file or a
    // folder of the new set gives way. The folder never keeps more than two sets.
    void aSetWrittenOverHoldsTheNewFilesOnly() {
        QTemporaryDir dir;
        const QString ordner = dir.filePath(QStringLiteral("web"));
        const Satz lang{{"index.html", "AAAAAAAAAA"}, {"lauf-1.html", "A1"}, {"laeufer", "Datei"},
                        {"alt/9.html", "A9"}};
        veroeffentliche(ordner, lang);
        veroeffentliche(ordner, kAlt);
        const QString vorletzter = QDir(ordner + QStringLiteral("/.rzv-veroeffentlichung")).canonicalPath();
        const QString fremd = dir.filePath(QStringLiteral("fremd.html"));
        test::writeBytes(fremd, "fremd");
        QVERIFY(QFile::remove(vorletzter + QStringLiteral("/lauf-2.html")));
        QVERIFY(QFile::link(fremd, vorletzter + QStringLiteral("/lauf-2.html")));
        veroeffentliche(ordner, kNeu);
        veroeffentliche(ordner, kNeu);
        QCOMPARE(sichtbar(ordner), mit(kNeu, kVerwaltet));
        const QStringList saetze = QDir(ordner).entryList({QStringLiteral(".rzv-stand-*")}, QDir::Dirs | QDir::Hidden);
        QCOMPARE(saetze.size(), 2);
        for (const QString& satz : saetze)
            QCOMPARE(sichtbar(ordner + u'/' + satz), kNeu);
        QCOMPARE(test::readBytes(fremd), QByteArray("fremd"));
    }

    // A link of the user's own that leads nowhere, in the place of a published name, gives way.
    void aLinkLeadingNowhereGivesWay() {
        QTemporaryDir dir;
        QVERIFY(QFile::link(dir.filePath(QStringLiteral("fehlt.html")), dir.filePath(QStringLiteral("index.html"))));
        veroeffentliche(dir.path(), kNeu);
        QCOMPARE(sichtbar(dir.path()), mit(kNeu, kVerwaltet));
    }

    void secondPublishingIsRefused() {
        QTemporaryDir dir;
        const PublishFolder laufend(dir.path());
        QCOMPARE(test::errorOf([&] { PublishFolder zweites(dir.path()); }),
                 QStringLiteral("In den Ordner %1 wird gerade veröffentlicht; bitte versuchen Sie es gleich noch einmal.").arg(dir.path()));
    }
};

QTEST_GUILESS_MAIN(TestPublishFolder)
#include "tst_publishfolder.moc"
