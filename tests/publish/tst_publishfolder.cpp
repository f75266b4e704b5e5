// The folder a cup is published into: it shows the complete previous or the complete new set,
// also when publishing is killed at any step; only its own files ever go.
#include "publish/publishfolder.h"

#include "errorof.h"
#include "testfiles.h"

#include <QDir>
#include <QFile>
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

const Satz kAlt{{"index.html", "A-index"}, {"lauf-1.html", "A1"}, {"lauf-2.html", "A2"},
                {"lauf-3.html", "A3"}};
const Satz kNeu{{"index.html", "B-index"}, {"lauf-1.html", "B1"}, {"lauf-2.html", "B2"},
                {"laeufer/007.html", "B7"}};

void veroeffentliche(const QString& ordner, const Satz& satz) {
    PublishFolder folder(ordner);
    for (auto it = satz.begin(); it != satz.end(); ++it) folder.schreiben(it.key(), it.value());
    folder.uebernehmen();
}

void schreibe(const QString& path, const QByteArray& bytes) {
    QDir().mkpath(QFileInfo(path).path());
    test::writeBytes(path, bytes);
}

// Every file a reader finds below the folder, through the links, hidden entries left out.
Satz sichtbar(const QString& ordner, const QString& unter = QString()) {
    Satz satz;
    for (const QFileInfo& info : QDir(ordner + u'/' + unter).entryInfoList(QDir::AllEntries | QDir::NoDotAndDotDot)) {
        const QString name = unter.isEmpty() ? info.fileName() : unter + u'/' + info.fileName();
        if (info.isDir()) {
            satz.insert(sichtbar(ordner, name));
        } else if (info.isFile()) {
            QFile file(info.filePath());
            satz.insert(name, file.open(QIODevice::ReadOnly) ? file.readAll() : "?");
        } else if (info.exists()) {
            satz.insert(name, "keine Datei");
        }
    }
    return satz;
}

Satz mitLogo(Satz satz) {
    satz.insert(QStringLiteral("logo.png"), "Bild");
    return satz;
}

QStringList versteckt(const QString& ordner) {
    QStringList namen = QDir(ordner).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    namen.removeIf([](const QString& name) { return !name.startsWith(u'.'); });
    for (QString& name : namen)
        if (name.startsWith(QStringLiteral(".rzv-stand-"))) name = QStringLiteral(".rzv-stand-*");
    return namen;
}

QByteArray inhalt(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}


const QStringList kVerwaltet{".rzv-dateien", ".rzv-stand-*", ".rzv-veroeffentlichung"};

} // namespace

class TestPublishFolder : public QObject {
    Q_OBJECT
private Q_SLOTS:
    // The published names are links through one switching link; the list names them; a plain
    // file of an earlier version is taken over; the user's own files stay, also one the user put
    // in the place of a published name; names no longer published go.
    void layoutAndOwnership() {
        QTemporaryDir dir;
        const QString ordner = dir.filePath(QStringLiteral("web"));
        schreibe(ordner + QStringLiteral("/logo.png"), "Bild");
        schreibe(ordner + QStringLiteral("/lauf-1.html"), "von einer früheren Version");
        veroeffentliche(ordner, kAlt);
        QCOMPARE(sichtbar(ordner), mitLogo(kAlt));
        QCOMPARE(QFile::symLinkTarget(ordner + QStringLiteral("/lauf-1.html")),
                 ordner + QStringLiteral("/.rzv-veroeffentlichung/lauf-1.html"));
        QCOMPARE(inhalt(ordner + QStringLiteral("/.rzv-dateien")), QByteArray("index.html\nlauf-1.html\nlauf-2.html\nlauf-3.html\n"));
        QCOMPARE(versteckt(ordner), kVerwaltet);

        QFile::remove(ordner + QStringLiteral("/lauf-2.html"));
        schreibe(ordner + QStringLiteral("/lauf-2.html"), "eigene Seite");
        Satz neu = kNeu;
        neu.remove(QStringLiteral("lauf-2.html"));
        veroeffentliche(ordner, neu);
        neu.insert(QStringLiteral("lauf-2.html"), "eigene Seite");
        QCOMPARE(sichtbar(ordner), mitLogo(neu));
        QVERIFY(!QFileInfo::exists(ordner + QStringLiteral("/lauf-3.html")) && !QFileInfo(ordner + QStringLiteral("/lauf-3.html")).isSymLink());
        QCOMPARE(inhalt(ordner + QStringLiteral("/.rzv-dateien")), QByteArray("index.html\nlaeufer\nlauf-1.html\n"));
        QCOMPARE(versteckt(ordner), kVerwaltet);
    }

    // Killed before any step k (every change of the folder counts), the folder shows the whole
    // previous set or the whole new one; the next publishing leaves nothing behind.
    void killedAtEveryStep_data() {
        QTest::addColumn<bool>("veroeffentlicht"); // the previous set was published, or is plain files
        QTest::addColumn<bool>("neuerOrdner");
        QTest::newRow("over a published set") << true << false;
        QTest::newRow("over the plain files of an earlier version") << false << false;
        QTest::newRow("into a new folder") << false << true;
    }
    void killedAtEveryStep() {
        QFETCH(bool, veroeffentlicht);
        QFETCH(bool, neuerOrdner);
        int alt = 0;
        int neu = 0;
        for (int k = 1;; ++k) {
            QTemporaryDir dir;
            const QString ordner = dir.filePath(QStringLiteral("web"));
            if (!neuerOrdner) {
                schreibe(ordner + QStringLiteral("/logo.png"), "Bild");
                if (veroeffentlicht) veroeffentliche(ordner, kAlt);
                else for (auto it = kAlt.begin(); it != kAlt.end(); ++it) schreibe(ordner + u'/' + it.key(), it.value());
            }
            const Satz vorher = sichtbar(ordner);
            Satz nachher = neuerOrdner ? kNeu : mitLogo(kNeu);
            // A plain file is known as a page only where a name of the new set takes its place.
            if (!veroeffentlicht && !neuerOrdner) nachher.insert(QStringLiteral("lauf-3.html"), "A3");

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
            const Satz jetzt = sichtbar(ordner);
            QVERIFY2(jetzt == vorher || jetzt == nachher, qPrintable(QStringLiteral("step %1").arg(k)));
            (jetzt == vorher ? alt : neu) += 1;

            veroeffentliche(ordner, kNeu);
            QCOMPARE(sichtbar(ordner), nachher);
            QCOMPARE(versteckt(ordner), kVerwaltet);
            QCOMPARE(QDir(ordner + QStringLiteral("/.rzv-veroeffentlichung")).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
                     (QStringList{"index.html", "laeufer", "lauf-1.html", "lauf-2.html"}));
            if (WIFEXITED(status)) {
                QCOMPARE(WEXITSTATUS(status), 0);
                break;
            }
            QVERIFY(WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL);
        }
        // Kills both before and after the switch.
        QVERIFY(alt > 5);
        QVERIFY(neu > 1);
    }

    // What cannot be published into is refused before anything changes.
    void refusals() {
        QTemporaryDir dir;
        const QString ordner = dir.filePath(QStringLiteral("web"));
        schreibe(dir.filePath(QStringLiteral("datei")), "x");
        QCOMPARE(test::errorOf([&] { veroeffentliche(dir.filePath(QStringLiteral("datei")), kNeu); }),
                 QStringLiteral("„%1“ ist kein Ordner; dorthin wird nicht veröffentlicht.").arg(dir.filePath(QStringLiteral("datei"))));

        veroeffentliche(ordner, kAlt);
        QFile::remove(ordner + QStringLiteral("/lauf-2.html"));
        QVERIFY(::mkfifo(qPrintable(ordner + QStringLiteral("/lauf-2.html")), 0600) == 0);
        const Satz vorher = sichtbar(ordner);
        QCOMPARE(test::errorOf([&] { veroeffentliche(ordner, kNeu); }),
                 QStringLiteral("„%1/lauf-2.html“ ist keine Datei, sondern eine Pipe; dorthin wird nicht geschrieben.").arg(ordner));
        QCOMPARE(sichtbar(ordner), vorher);
        QCOMPARE(versteckt(ordner), kVerwaltet);

        const PublishFolder laufend(ordner);
        QCOMPARE(test::errorOf([&] { PublishFolder zweites(ordner); }),
                 QStringLiteral("In den Ordner %1 wird gerade veröffentlicht; bitte versuchen Sie es gleich noch einmal.").arg(ordner));
    }
};

QTEST_GUILESS_MAIN(TestPublishFolder)
#include "tst_publishfolder.moc"
