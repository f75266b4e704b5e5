// Finding runners entered twice in a cup of 20,000 participants with varied names, a few percent
// of them entered again in another spelling, and grouping its club spellings: well under two
// seconds. Matching the 10,000 runners of a result list against the cup by name, the index
// built included: under a second.
#include "besttime.h"
#include "cupgenerator.h"

#include "identity/clubgroups.h"
#include "identity/duplicates.h"
#include "identity/personindex.h"
#include "import/csvreader.h"
#include "import/importfields.h"
#include "import/importplan.h"

#include <QCoreApplication>
#include <cstdio>
#include <random>

namespace {

// Surnames and first names built from syllables, so that most names are rare as in a real cup.
QString syllables(std::mt19937& random, int count, bool capital) {
    static const char* const parts[] = {"ber", "mül", "ler", "schä", "fer", "kö", "hn", "wag", "ner", "hof",
                                        "mann", "zim", "mer", "lö", "ff", "krü", "ger", "jä", "stein", "bach",
                                        "au", "ei", "ru", "dol", "li", "sa", "ma", "ri", "to", "ni"};
    QString text;
    for (int i = 0; i < count; ++i) text += QString::fromUtf8(parts[random() % std::size(parts)]);
    if (capital) text[0] = text[0].toUpper();
    return text;
}

// Another spelling of the same name: umlauts written out, a letter dropped, or upper case.
QString respelled(QString name, int how) {
    switch (how % 3) {
    case 0: return name.replace(QStringLiteral("ü"), QStringLiteral("ue")).replace(QStringLiteral("ö"), QStringLiteral("oe"));
    case 1: return name.remove(name.size() / 2, 1);
    default: return name.toUpper();
    }
}

rzv::TCupContent cupWithVariedNames(int participants) {
    rzv::TCupContent cup = rzv::bench::generateCup(participants, 12, 3);
    std::mt19937 random(11);
    for (int row = 1; row < cup.teil.rowCount(); ++row) {
        if (row > 20 && random() % 100 < 3) { // entered again
            const int earlier = 1 + static_cast<int>(random() % static_cast<unsigned>(row - 1));
            for (int c = 0; c < rzv::kTeilFixedCols; ++c) cup.teil.setCell(c, row, cup.teil.cell(c, earlier));
            cup.teil.setCell(rzv::kName, row, respelled(cup.teil.cell(rzv::kName, earlier), row));
            continue;
        }
        cup.teil.setCell(rzv::kName, row, syllables(random, 2 + static_cast<int>(random() % 2), true));
        cup.teil.setCell(rzv::kVorname, row, syllables(random, 2, true));
        cup.teil.setCell(rzv::kVerein, row, QStringLiteral("%1 %2").arg(random() % 2 ? QStringLiteral("TSV") : QStringLiteral("LG"),
                                                                          syllables(random, 2, true)));
    }
    return cup;
}

} // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    std::printf("%12s %12s %10s %12s %10s\n", "participants", "pairs", "ms", "club groups", "ms");
    for (const int participants : {2000, 20000}) {
        const rzv::TCupContent cup = cupWithVariedNames(participants);
        std::vector<rzv::DuplicatePair> pairs;
        const double duplicates = rzv::bench::bestOf(3, [&] { pairs = rzv::findDuplicates(cup.teil); });
        std::vector<rzv::ClubGroup> groups;
        const double clubs = rzv::bench::bestOf(3, [&] { groups = rzv::clubGroups(cup.teil); });
        std::printf("%12d %12zu %10.1f %12zu %10.1f\n", participants, pairs.size(), duplicates, groups.size(), clubs);
    }

    const rzv::TCupContent cup = cupWithVariedNames(20000);
    const rzv::TCupContent list = cupWithVariedNames(10000); // half of them in the cup, respelled
    std::vector<rzv::Person> rows;
    for (int row = 1; row < list.teil.rowCount(); ++row) {
        const int from = row % 2 ? row : 2 * row;
        rows.push_back(rzv::Person::of(respelled(cup.teil.cell(rzv::kName, from), row), cup.teil.cell(rzv::kVorname, from),
                                       cup.teil.cell(rzv::kGeburtsdatum, from), cup.teil.cell(rzv::kGeschlecht, from)));
        if (row % 4 == 0) rows.back() = rzv::Person::ofRow(list.teil, row);
    }
    size_t same = 0;
    size_t similar = 0;
    const double matching = rzv::bench::bestOf(3, [&] {
        same = similar = 0;
        const rzv::PersonIndex index(cup.teil);
        for (const rzv::Person& person : rows)
            for (const rzv::PersonIndex::Alike& alike : index.alike(person))
                ++(alike.likeness.isSame() ? same : similar);
    });
    std::printf("\nmatching %zu rows against %d participants: %zu same, %zu similar, %.1f ms\n", rows.size(),
                cup.participantCount(), same, similar, matching);

    // The same rows as a result list imported by name, similar rows becoming new participants.
    QByteArray csv = "Name;Vorname;Geburtsdatum;m/w;Verein;Zeit\n";
    for (int row = 1; row < list.teil.rowCount(); ++row) {
        const int from = row % 2 ? row : 2 * row;
        const rzv::TCellGrid& source = row % 4 == 0 ? list.teil : cup.teil;
        const int at = row % 4 == 0 ? row : from;
        csv += QStringLiteral("%1;%2;%3;%4;%5;0:%6:00\n")
                   .arg(row % 4 == 0 ? source.cell(rzv::kName, at) : respelled(source.cell(rzv::kName, at), row),
                        source.cell(rzv::kVorname, at), source.cell(rzv::kGeburtsdatum, at),
                        source.cell(rzv::kGeschlecht, at) == u"weiblich" ? QStringLiteral("w") : QStringLiteral("m"),
                        source.cell(rzv::kVerein, at))
                   .arg(30 + row % 29)
                   .toUtf8();
    }
    const rzv::CsvTable table = rzv::parseCsv(csv);
    rzv::ImportOptions options;
    options.race = 1;
    options.matchByName = true;
    options.defaultCup = QStringLiteral("A-Cup");
    options.similar = rzv::SimilarRows::New;
    rzv::ImportPlan plan;
    const double check = rzv::bench::bestOf(3, [&] { plan = rzv::checkImport(cup, table, rzv::detectMapping(table), options); });
    std::printf("import of %zu rows by name: %zu results, %zu other spellings, %zu similar, %zu new, %zu refused, %.1f ms\n",
                table.records.size() - 1, plan.results.size(), plan.otherSpellings.size(), plan.similar.size(),
                plan.newParticipants.size(), plan.refused.size(), check);
    return 0;
}
