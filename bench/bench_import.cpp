// Importing 10,000 rows into a cup of 10,000 participants: a timing export with a result for
// every participant, and a registration file of 10,000 new participants. Reading, checking and
// applying are timed apart; checking and applying together should stay well under a second.
#include "besttime.h"
#include "cupgenerator.h"

#include "commands/participantbatch.h"
#include "cup/cupdata.h"
#include "import/csvreader.h"
#include "import/importfields.h"
#include "import/importplan.h"

#include <QCoreApplication>
#include <cstdio>

namespace {

QByteArray timingExport(const rzv::TCupContent& cup) {
    QByteArray csv = "\xEF\xBB\xBF" "Bib,Time,Status\r\n";
    for (int row = 1; row < cup.teil.rowCount(); ++row) {
        const int tenths = 24000 + row * 7 % 18000;
        csv += cup.teil.cell(rzv::kStartnummer, row).toUtf8() +
               (row % 50 == 0 ? QByteArray(",,DNS") : QStringLiteral(",%1:%2:%3.%4")
                                                            .arg(tenths / 36000)
                                                            .arg(tenths / 600 % 60, 2, 10, QLatin1Char('0'))
                                                            .arg(tenths / 10 % 60, 2, 10, QLatin1Char('0'))
                                                            .arg(tenths % 10)
                                                            .toUtf8()) +
               "\r\n";
    }
    return csv;
}

QByteArray registration(int rows) {
    QByteArray csv = "Nachname;Vorname;Jg.;m/w;Verein;Cup\r\n";
    for (int i = 0; i < rows; ++i)
        csv += QStringLiteral("Neumann%1;Lena%2;%3;%4;LG Import %5;B-Cup\r\n")
                   .arg(i)
                   .arg(i % 97)
                   .arg(1940 + i % 70)
                   .arg(QChar(i % 2 ? u'm' : u'w'))
                   .arg(i % 40)
                   .toLatin1();
    return csv;
}

void measure(const char* what, const rzv::TCupContent& cup, const QByteArray& csv, int race) {
    rzv::CsvTable table;
    const double read = rzv::bench::bestOf(3, [&] { table = rzv::parseCsv(csv); });
    const rzv::ColumnMapping mapping = rzv::detectMapping(table);
    rzv::ImportOptions options;
    options.race = race;
    rzv::ImportPlan plan;
    const double check = rzv::bench::bestOf(3, [&] { plan = rzv::checkImport(cup, table, mapping, options); });
    double apply = 1e100;
    for (int i = 0; i < 3; ++i) {
        rzv::TCupData target;
        target.replaceContent(cup, QStringLiteral("bench.rz3"));
        apply = std::min(apply, rzv::bench::bestOf(1, [&] { rzv::applyImport(target, plan); }));
    }
    if (!plan.refused.empty()) std::printf("first refusal: %s\n", qPrintable(plan.refused.front().text));
    std::printf("%-26s %8zu %8.1f %8.1f %8.1f %8d %8d %8zu\n", what, table.records.size() - 1, read, check,
                apply, static_cast<int>(plan.newParticipants.size()), plan.resultsSet(), plan.refused.size());
}

} // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    const rzv::TCupContent cup = rzv::bench::generateCup(10000, 20, 3);
    std::printf("%-26s %8s %8s %8s %8s %8s %8s %8s\n", "file", "rows", "read ms", "check ms", "apply ms",
                "new", "results", "refused");
    measure("timing export into race 20", cup, timingExport(cup), 20);
    measure("registration of 10,000", cup, registration(10000), 0);
    return 0;
}
