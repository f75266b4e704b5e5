// rzv: runs one operation of Rundenzeitverwalter on a cup file, exactly as the desktop program
// does right after loading it. It never changes the file it reads.
#include "cli/cli.h"

#include "cup/errors.h"

#include <QGuiApplication>
#include <cerrno>
#include <cstdio>
#include <iterator>

namespace rzv::cli {

namespace {

// The sub-commands. Each usage text is German and starts with its command line; "--help" is
// handled here for all of them.
const Command kCommands[] = {
    {"new",
     "rzv new ZIEL\n"
     "    speichert einen neuen Cup (mit den Vorgaben eines neuen Cups) in die Datei ZIEL",
     runNew},
    {"resave",
     "rzv resave DATEI ZIEL\n"
     "    lädt die Cup-Datei DATEI und speichert sie unter ZIEL, mit ihren Einstellungen der\n"
     "    Mannschaftswertung",
     runResave},
    {"report",
     "rzv report race DATEI K                Statistik des Laufes K\n"
     "rzv report standings DATEI N           Gesamtstatistik nach Lauf N\n"
     "rzv report teams DATEI K               Mannschaftswertung des Laufes K\n"
     "rzv report team-standings DATEI K      Mannschaftsstand nach Lauf K\n"
     "rzv report participant DATEI SN        Teilnehmerstatistik der Startnummer SN\n"
     "rzv report all DATEI                   Teilnehmerstatistik - Alle\n"
     "rzv report dlv DATEI K --version 1|2   DLV-Bericht des Laufes K, Version 1 oder 2\n"
     "    --pdf ZIEL               druckt den Bericht in die PDF-Datei ZIEL\n"
     "    --html ZIEL [--style 0|1]\n"
     "                             HTML-Export nach ZIEL (nicht für dlv); Stil 0 \"Standard RZV\n"
     "                             Stil\" (Vorgabe), 1 \"weiss-blauer Hintergrund\"\n"
     "    --size N, --gemischt, --platzziffern\n"
     "                             nur teams und team-standings: N beste Ergebnisse je Verein\n"
     "                             (2 bis 10), Frauen und Männer gemeinsam, Summe der Plätze\n"
     "                             statt Punkte; ohne sie gelten die Einstellungen neben DATEI\n"
     "    ohne --pdf und --html werden die Zeilen des Berichts ausgegeben",
     runReport},
    {"certificates",
     "rzv certificates race-winners DATEI K        Siegerurkunden für den Lauf K\n"
     "rzv certificates race-participant DATEI K SN Teilnahmeurkunde der Startnummer SN im Lauf K\n"
     "rzv certificates cup-winners DATEI           Siegerurkunden für den Gesamtcup\n"
     "rzv certificates cup-participant DATEI SN    Teilnehmerurkunde Gesamtcup der Startnummer SN\n"
     "    (Gesamtcup: der Stand nach dem letzten Lauf)\n"
     "    --pdf ZIEL               druckt die Urkunden in die PDF-Datei ZIEL\n"
     "    --style 0|1|2            Stil der Urkunden (Vorgabe 0)\n"
     "    --unter1 TEXT, --unter2 TEXT\n"
     "                             Text für die unterzeichnende Person (zwei Zeilen)\n"
     "    --answer-no CUP-VARIATION\n"
     "                             \"CUP-VARIATION drucken?\" mit \"Nein\" beantworten (mehrfach\n"
     "                             möglich)\n"
     "    ohne --pdf werden die Seiten aufgelistet",
     runCertificates},
    {"publish",
     "rzv publish DATEI ORDNER [--style 0|1]\n"
     "    schreibt die Webseiten (Übersicht index.html, Ergebnisse und Gesamtstand nach jedem\n"
     "    Lauf, alle Teilnehmer, eine Seite je Läufer; mit Mannschaften deren Wertung je Lauf\n"
     "    und Stand nach den Einstellungen neben DATEI) und die Tabellen (gesamtwertung.csv,\n"
     "    lauf-K.csv, mannschaftswertung.csv, mannschaft-lauf-K.csv) des Cups in den ORDNER;\n"
     "    andere Dateien dort bleiben. Stil 0 \"Standard RZV Stil\" (Vorgabe), 1 \"weiss-blauer\n"
     "    Hintergrund\"",
     runPublish},
    {"import",
     "rzv import DATEI CSV ZIEL [--race K] [--match startnummer|name] [--column SPALTE=FELD ...]\n"
     "           [--cup CUP] [--club VEREIN] [--similar gleich|neu] [--check]\n"
     "    importiert Teilnehmer und Ergebnisse aus der CSV-Datei CSV in den Cup DATEI, gibt die\n"
     "    Zusammenfassung aus und speichert den Cup unter ZIEL\n"
     "    --race K                 Ergebnisse in den Lauf K (ohne: nur Teilnehmer)\n"
     "    --match startnummer|name Teilnehmer über die Startnummer (Vorgabe) oder über Name,\n"
     "                             Vorname und Jahrgang finden (Groß-/Kleinschreibung, ä/ae,\n"
     "                             ö/oe, ü/ue, ß/ss, Akzente, Bindestriche und vertauschte\n"
     "                             Namen zählen nicht)\n"
     "    --column SPALTE=FELD     was die Spalte (Text der Kopfzeile oder Nummer ab 1) speist:\n"
     "                             Startnummer, Name, Vorname, \"Name und Vorname in einem Feld\",\n"
     "                             Geburtsdatum, Jahrgang, Geschlecht, Verein, Altersgruppe, Cup,\n"
     "                             Ergebnis oder \"nicht übernehmen\" (mehrfach möglich)\n"
     "    --cup CUP                Cup-Variation neuer Teilnehmer, deren Zeile keine nennt\n"
     "    --club VEREIN            Verein neuer Teilnehmer, deren Zeile keinen nennt (Vorgabe\n"
     "                             \"vereinslos\")\n"
     "    --similar gleich|neu     Zeilen, die einem Teilnehmer nur ähnlich sind (Name höchstens\n"
     "                             zwei Buchstaben anders, oder Jahrgang eins daneben), diesem\n"
     "                             zuordnen oder als neue Teilnehmer anlegen; ohne die Option\n"
     "                             hält der Import bei ihnen an und speichert nichts\n"
     "    --check                  nur prüfen und die Zusammenfassung ausgeben (ohne ZIEL)",
     runImport},
    {"duplicates",
     "rzv duplicates DATEI\n"
     "    listet Teilnehmer, die doppelt im Cup stehen könnten: gleicher Name und Jahrgang in\n"
     "    anderer Schreibweise, oder ähnlich (höchstens zwei Buchstaben anders bei gleichem\n"
     "    Jahrgang und Geschlecht, oder gleicher Name und Jahrgang eins daneben); ein Paar je\n"
     "    Zeile: beide Startnummern und Namen und der Grund",
     runDuplicates},
    {"merge",
     "rzv merge DATEI SN_BEHALTEN SN_WEG ZIEL [--bei-konflikt behalten|weg]\n"
     "    führt den Teilnehmer SN_WEG mit SN_BEHALTEN zusammen: dieser übernimmt die Ergebnisse\n"
     "    in Läufen, in denen er keins hat; dann wird SN_WEG gelöscht und der Cup unter ZIEL\n"
     "    gespeichert. Haben beide in einem Lauf verschiedene Ergebnisse, hält der Befehl ohne\n"
     "    --bei-konflikt an, nennt die Läufe und speichert nichts\n"
     "    --bei-konflikt behalten|weg\n"
     "                             welches Ergebnis bei einem Konflikt bleibt",
     runMerge},
    {"clubs",
     "rzv clubs DATEI\n"
     "    listet jede Schreibweise eines Vereins mit der Zahl ihrer Teilnehmer; eine Zeile je\n"
     "    Gruppe von Schreibweisen, die wohl denselben Verein meinen",
     runClubs},
    {"rename-club",
     "rzv rename-club DATEI ALT NEU ZIEL\n"
     "    gibt allen Teilnehmern mit dem Verein ALT den Verein NEU und speichert den Cup unter\n"
     "    ZIEL",
     runRenameClub},
};

QString usageOf(const Command& command) {
    return QStringLiteral("Aufruf:\n") + QString::fromUtf8(command.usage);
}

QString usageText() {
    QString text = QStringLiteral("Aufruf:\n");
    for (const Command& command : kCommands)
        text += QString::fromUtf8(command.usage) + u'\n';
    text += QStringLiteral("rzv --help | rzv BEFEHL --help\n"
                           "    zeigt diesen Text oder nur den des Befehls");
    return text;
}

bool asksForHelp(const QStringList& args) {
    return args.contains(QStringLiteral("--help")) || args.contains(QStringLiteral("-h"));
}

int runCommand(const QString& name, const QStringList& args) {
    for (const Command& command : kCommands) {
        if (name != QLatin1String(command.name)) continue;
        try {
            if (!asksForHelp(args)) return command.run(args);
            printLine(usageOf(command));
            return 0;
        } catch (const UsageError& error) {
            printError(QStringLiteral("rzv: %1\n%2").arg(error.message(), usageOf(command)));
            return 2;
        }
    }
    printError(QStringLiteral("rzv: Unbekannter Befehl „%1“.\n%2").arg(name, usageText()));
    return 2;
}

// Whatever standard output still holds is written now: a report is only complete when its
// last line has reached its file.
void flushOutput() {
    if (std::fflush(stdout) != 0 || std::ferror(stdout)) throw ioError(errno);
}

} // namespace

void printLine(const QString& text) {
    QByteArray bytes = text.toUtf8();
    bytes.append('\n');
    if (std::fwrite(bytes.constData(), 1, static_cast<size_t>(bytes.size()), stdout) !=
        static_cast<size_t>(bytes.size()))
        throw ioError(errno);
}

void printError(const QString& text) {
    const QByteArray bytes = text.toUtf8();
    std::fwrite(bytes.constData(), 1, static_cast<size_t>(bytes.size()), stderr);
    std::fputc('\n', stderr);
}

void printWarning(const QString& text) {
    printError(QStringLiteral("rzv: Warnung: ") + text);
}

int run(QStringList args) {
    if (args.isEmpty()) {
        printError(usageText());
        return 2;
    }
    const QString name = args.takeFirst();
    int status = 0;
    const bool done = runOperation(
        [&] {
            if (name == u"--help" || name == u"-h")
                printLine(usageText());
            else
                status = runCommand(name, args);
            flushOutput();
        },
        [](const QString& message) { printError(QStringLiteral("rzv: %1").arg(message)); });
    return done ? status : 1;
}

} // namespace rzv::cli

namespace {

// Printing into a PDF and drawing certificates need the GUI layer (no window is ever shown); the
// other commands run without it, so that nothing but their own messages reach standard error.
bool needsGui(const QStringList& args) {
    return args.value(0) == u"certificates" || args.contains(QStringLiteral("--pdf"));
}

// The tool speaks German through its own messages: the platform's notes (such as Qt's warnings
// about the environment) stay off standard error; only its critical errors pass.
void quietPlatform(QtMsgType type, const QMessageLogContext&, const QString& message) {
    if (type == QtCriticalMsg || type == QtFatalMsg) rzv::cli::printError(message);
}

} // namespace

int main(int argc, char* argv[]) {
    qInstallMessageHandler(quietPlatform);
    // The arguments are read before the application object takes out the options it knows
    // itself (such as --style).
    QStringList args;
    for (int i = 1; i < argc; ++i)
        args.append(QString::fromLocal8Bit(argv[i]));
    if (!needsGui(args)) {
        QCoreApplication app(argc, argv);
        return rzv::cli::run(args);
    }
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    return rzv::cli::run(args);
}
