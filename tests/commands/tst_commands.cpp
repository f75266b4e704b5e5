// Every kind of step: done, undone and redone, with the cup's file bytes checked each time; a long
// random run of steps, reorderings, undos and redos; the changed flag following the history.
#include "commands/addpoints.h"
#include "commands/deleterace.h"
#include "commands/headercommand.h"
#include "commands/mergeparticipants.h"
#include "commands/participantbatch.h"
#include "commands/removerow.h"
#include "commands/renameclub.h"
#include "commands/saveagegroup.h"
#include "commands/savecupvariation.h"
#include "commands/saveparticipant.h"
#include "commands/saverace.h"
#include "commands/setresult.h"
#include "cup/cupfile.h"
#include "cup/ordering.h"
#include "testcup.h"

#include <QtTest>
#include <functional>
#include <random>

using namespace rzv;

namespace {

using Id = TCellGrid::Id;
using MakeCommand = std::function<void(TCupData&)>;

// Three races, two of them on one day, and five participants, some with results.
TCupContent smallCup() {
    test::TestCup t(true);
    t.race(kZeitlauf, QStringLiteral("12.01.2026"), QStringLiteral("ja"));
    t.race(kDistanzlauf, QStringLiteral("09.02.2026"), QStringLiteral("ja"));
    t.race(kZeitlauf, QStringLiteral("09.02.2026"), QStringLiteral("ja"));
    t.person(QStringLiteral("Müller"), QStringLiteral("Anna"), QStringLiteral("F30"),
             {QStringLiteral("0:42'31,4\""), QStringLiteral("8012m")}, QStringLiteral("A-Cup"));
    t.person(QStringLiteral("Müller"), QStringLiteral("Bert"), QStringLiteral("M30"),
             {QStringLiteral("0:40'02,0\""), {}, QStringLiteral("d.")}, QStringLiteral("A-Cup"));
    t.person(QStringLiteral("Albers"), QStringLiteral("Carl"), QStringLiteral("M40"),
             {{}, QStringLiteral("7400m")}, QStringLiteral("B-Cup"));
    t.person(QStringLiteral("Zander"), QStringLiteral("Dora"), QStringLiteral("F40"), {},
             QStringLiteral("C-Cup"));
    t.person(QStringLiteral("Müller"), QStringLiteral("Cleo"), QStringLiteral("F30"),
             {QStringLiteral("n.a.")}, QStringLiteral("B-Cup"));
    t.cup.max = 2;
    laufesort(t.cup.laufe, t.cup.teil);
    teilsort(t.cup, -1, kName);
    return t.cup;
}

Id participant(const TCupData& cup, const QString& vorname) {
    for (int row = 1; row < cup.teil.rowCount(); ++row)
        if (cup.teil.cell(kVorname, row) == vorname) return cup.teil.rowId(row);
    return 0;
}

Id race(const TCupData& cup, int k) { return cup.teil.colId(resultColumn(k)); }

// The fixed fields of a new participant.
QStringList eva(const QString& startNumber) {
    return {QStringLiteral("Berg"),
            QStringLiteral("Eva"),
            QStringLiteral("01.02.1990"),
            QStringLiteral("weiblich"),
            QStringLiteral("TV Nord"),
            QStringLiteral("F30"),
            startNumber,
            QStringLiteral("A-Cup")};
}

std::vector<QString> raceCells(const QString& type, const QString& date) {
    std::vector<QString> cells(kLaufRows);
    cells[kLauftyp] = type;
    cells[kDatum] = date;
    cells[kCuplauf] = QStringLiteral("ja");
    cells[4] = QStringLiteral("LG Süd");
    cells[kBonusfaktor] = QStringLiteral("2");
    return cells;
}

template <typename Command, typename... Args> void run(TCupData& cup, Args&&... args) {
    runCommand(cup, std::make_unique<Command>(cup, std::forward<Args>(args)...));
}

// The file bytes with the participants in start-number order, which no reordering of the
// participant table changes.
QByteArray canonicalBytes(const TCupContent& cup) {
    TCupContent copy = cup;
    teilsort(copy, -1, kStartnummer);
    return cupFileBytes(copy);
}

} // namespace

class TestCommands : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void everyKindUndoesAndRedoes_data() {
        QTest::addColumn<MakeCommand>("make");
        QTest::addColumn<QString>("text");
        QTest::newRow("result") << MakeCommand([](TCupData& c) {
            run<SetResultCommand>(c, participant(c, QStringLiteral("Carl")), race(c, 3),
                                  QStringLiteral("0:39'59,9\""));
        }) << QStringLiteral("Ergebnis 0:39'59,9\" in Lauf 3 für Albers, Carl");
        QTest::newRow("result cleared") << MakeCommand([](TCupData& c) {
            run<SetResultCommand>(c, participant(c, QStringLiteral("Anna")), race(c, 1), QString());
        }) << QStringLiteral("Ergebnis löschen in Lauf 1 für Müller, Anna");
        QTest::newRow("participant added") << MakeCommand([](TCupData& c) {
            run<SaveParticipantCommand>(c, 0,
                                        ParticipantEntry{eva(QStringLiteral("017")),
                                                         {{race(c, 2), QStringLiteral("6000m")}}});
        }) << QStringLiteral("Teilnehmer hinzufügen (Berg, Eva)");
        QTest::newRow("participant edited and moved") << MakeCommand([](TCupData& c) {
            const Id bert = participant(c, QStringLiteral("Bert"));
            const int row = c.teil.findRow(bert);
            QStringList fields;
            for (int col = 0; col < kTeilFixedCols; ++col)
                fields << c.teil.cell(col, row);
            fields[kName] = QStringLiteral("Aal");
            run<SaveParticipantCommand>(
                c, bert, ParticipantEntry{fields, {{race(c, 1), QStringLiteral("0:41'00,0\"")}}});
        }) << QStringLiteral("Teilnehmer bearbeiten (Aal, Bert)");
        QTest::newRow("participant deleted") << MakeCommand([](TCupData& c) {
            run<RemoveRowCommand>(c, CupTable::teil, participant(c, QStringLiteral("Anna")));
        }) << QStringLiteral("Teilnehmer löschen (Müller, Anna)");
        QTest::newRow("race added") << MakeCommand([](TCupData& c) {
            run<SaveRaceCommand>(c, 0, raceCells(kDistanzlauf, QStringLiteral("12.05.2026")));
        }) << QStringLiteral("Lauf hinzufügen (12.05.2026)");
        QTest::newRow("race edited and moved") << MakeCommand([](TCupData& c) {
            run<SaveRaceCommand>(c, race(c, 1), raceCells(kZeitlauf, QStringLiteral("01.03.2026")));
        }) << QStringLiteral("Lauf bearbeiten (01.03.2026)");
        QTest::newRow("race deleted with results") << MakeCommand([](TCupData& c) {
            run<DeleteRaceCommand>(c, race(c, 1));
        }) << QStringLiteral("Lauf löschen (12.01.2026)");
        QTest::newRow("age group added") << MakeCommand([](TCupData& c) {
            run<SaveAgeGroupCommand>(c, 0, QStringLiteral("W35"), QStringLiteral("M35"), 34);
        }) << QStringLiteral("Altersgruppe hinzufügen (W35/M35)");
        QTest::newRow("age group renamed") << MakeCommand([](TCupData& c) {
            run<SaveAgeGroupCommand>(c, c.ag.rowId(10), QStringLiteral("W30"),
                                     QStringLiteral("M30"), 41);
        }) << QStringLiteral("Altersgruppe bearbeiten (W30/M30)");
        QTest::newRow("age group deleted") << MakeCommand([](TCupData& c) {
            run<RemoveRowCommand>(c, CupTable::ag, c.ag.rowId(1));
        }) << QStringLiteral("Altersgruppe löschen (WK U8/MK U8)");
        QTest::newRow("first cup variation") << MakeCommand([](TCupData& c) {
            run<SaveCupVariationCommand>(c, 0, QStringLiteral("A-Cup"), QStringLiteral("10000m"),
                                         QStringLiteral("1:00'00,0\""), true);
        }) << QStringLiteral("Cup-Variation hinzufügen (A-Cup)");
        QTest::newRow("cup variation renamed") << MakeCommand([](TCupData& c) {
            run<SaveCupVariationCommand>(c, c.cv.rowId(1), QStringLiteral("Z-Cup"),
                                         QStringLiteral("9000m"), QStringLiteral("0:50'00,0\""));
        }) << QStringLiteral("Cup-Variation bearbeiten (Z-Cup)");
        QTest::newRow("cup variation deleted") << MakeCommand([](TCupData& c) {
            run<RemoveRowCommand>(c, CupTable::cv, c.cv.rowId(2));
        }) << QStringLiteral("Cup-Variation löschen (B-Cup)");
        QTest::newRow("points added") << MakeCommand([](TCupData& c) {
            run<AddPointsCommand>(c, 25);
        }) << QStringLiteral("Punktezahl hinzufügen (25)");
        QTest::newRow("points deleted") << MakeCommand([](TCupData& c) {
            run<RemoveRowCommand>(c, CupTable::pv, c.pv.rowId(3));
        }) << QStringLiteral("Punktezahl löschen (18)");
        QTest::newRow("header field") << MakeCommand([](TCupData& c) {
            CupHeader header = CupHeader::of(c);
            header.name = QStringLiteral("Sommercup");
            changeHeader(c, HeaderCommand::Name, header);
        }) << QStringLiteral("Bezeichnung des Rundenpokals ändern");
        QTest::newRow("spinner with coupling") << MakeCommand([](TCupData& c) {
            CupHeader header = CupHeader::of(c);
            header.min = 3;
            coupleMin(header.min, header.max, c.raceCount());
            changeHeader(c, HeaderCommand::Min, header);
        }) << QStringLiteral("Mindestteilnahmen ändern (3)");
        QTest::newRow("batch") << MakeCommand([](TCupData& c) {
            ImportPlan plan;
            plan.race = 2;
            plan.newParticipants.push_back(
                {2, {"Kern", "Ina", "03.03.1983", "weiblich", "SV Ost", "F40", "020", "C-Cup"}, "4900m"});
            plan.results.push_back({3, participant(c, QStringLiteral("Dora")), "Dora", "", "5100m"});
            applyImport(c, plan);
        }) << QStringLiteral("Import (1 neue Teilnehmer, 2 Ergebnisse)");
        QTest::newRow("participants merged") << MakeCommand([](TCupData& c) {
            run<MergeParticipantsCommand>(c, participant(c, QStringLiteral("Anna")),
                                          participant(c, QStringLiteral("Cleo")), std::set<Id>{race(c, 1)});
        }) << QStringLiteral("Teilnehmer zusammenführen (Müller, Cleo in Müller, Anna)");
        QTest::newRow("club renamed") << MakeCommand([](TCupData& c) {
            run<RenameClubCommand>(c, QStringLiteral("TV Nord"), QStringLiteral("TV Nord e.V."));
        }) << QStringLiteral("Verein umbenennen (TV Nord → TV Nord e.V.)");
    }

    // Which results the kept participant ends with: the other's where it has none, and in a
    // conflict the side chosen for that race.
    void mergeTakesResults_data() {
        QTest::addColumn<QString>("kept");
        QTest::addColumn<QString>("other");
        QTest::addColumn<bool>("takeOtherInRace1");
        QTest::addColumn<QStringList>("results");
        QTest::addColumn<int>("conflicts");
        QTest::newRow("gaps filled") << QStringLiteral("Dora") << QStringLiteral("Carl") << false
                                     << QStringList{{}, QStringLiteral("7400m"), {}} << 0;
        QTest::newRow("conflict, kept wins") << QStringLiteral("Anna") << QStringLiteral("Cleo") << false
                                             << QStringList{QStringLiteral("0:42'31,4\""), QStringLiteral("8012m"), {}} << 1;
        QTest::newRow("conflict, other wins") << QStringLiteral("Anna") << QStringLiteral("Cleo") << true
                                              << QStringList{QStringLiteral("n.a."), QStringLiteral("8012m"), {}} << 1;
        QTest::newRow("equal results, no conflict") << QStringLiteral("Cleo") << QStringLiteral("Cleo") << true
                                                    << QStringList{QStringLiteral("n.a."), {}, {}} << 0;
    }
    void mergeTakesResults() {
        QFETCH(QString, kept);
        QFETCH(QString, other);
        QFETCH(bool, takeOtherInRace1);
        QFETCH(QStringList, results);
        QFETCH(int, conflicts);
        TCupData cup;
        cup.replaceContent(smallCup(), {});
        const int participants = cup.participantCount();
        const Id keptId = participant(cup, kept);
        const Id otherId = participant(cup, other);
        QCOMPARE(int(mergeConflicts(cup.teil, cup.teil.findRow(keptId), cup.teil.findRow(otherId)).size()), conflicts);
        run<MergeParticipantsCommand>(cup, keptId, otherId,
                                      takeOtherInRace1 ? std::set<Id>{race(cup, 1)} : std::set<Id>{});
        const int row = cup.teil.findRow(keptId);
        for (int k = 1; k <= 3; ++k) QCOMPARE(cup.teil.cell(resultColumn(k), row), results[k - 1]);
        // A participant merged with itself stays.
        QCOMPARE(cup.participantCount(), participants - (keptId == otherId ? 0 : 1));
        QCOMPARE(cup.history().count(), keptId == otherId ? 0 : 1);
    }

    void everyKindUndoesAndRedoes() {
        QFETCH(MakeCommand, make);
        QFETCH(QString, text);
        TCupData cup;
        TCupContent content = smallCup();
        if (QByteArray(QTest::currentDataTag()) == "first cup variation") content.cv.setRowCount(1);
        cup.replaceContent(content, QStringLiteral("cup.rz3"));
        const QByteArray before = cupFileBytes(cup);
        make(cup);
        QCOMPARE(cup.history().count(), 1);
        QCOMPARE(cup.history().undoText(), text);
        QVERIFY(cup.changed());
        const QByteArray after = cupFileBytes(cup);
        QVERIFY(before != after);
        cup.history().undo();
        QCOMPARE(cupFileBytes(cup), before);
        QVERIFY(!cup.changed());
        cup.history().redo();
        QCOMPARE(cupFileBytes(cup), after);
        QVERIFY(cup.changed());
        cup.history().undo();
        QCOMPARE(cupFileBytes(cup), before);
    }

    // Undoing restores the state before the step: checked on a fresh copy of the loaded cup.
    void undoReturnsToTheLoadedBytes() {
        TCupData cup;
        cup.replaceContent(smallCup(), {});
        const QByteArray loaded = cupFileBytes(cup);
        run<DeleteRaceCommand>(cup, race(cup, 2));
        run<RemoveRowCommand>(cup, CupTable::teil, participant(cup, QStringLiteral("Cleo")));
        run<SaveRaceCommand>(cup, 0, raceCells(kZeitlauf, QStringLiteral("09.02.2026")));
        cup.history().undo();
        cup.history().undo();
        cup.history().undo();
        QCOMPARE(cupFileBytes(cup), loaded);
    }

    // Steps, reorderings of the participants (no steps), undos and redos in random order; after
    // every undo and redo the cup equals the state recorded for that point of the history.
    void randomRun() {
        TCupData cup;
        cup.replaceContent(smallCup(), {});
        std::mt19937 random(20260512);
        const auto pick = [&random](int count) {
            return static_cast<int>(random() % static_cast<unsigned>(count));
        };
        std::vector<QByteArray> states{canonicalBytes(cup)};
        int nextNumber = 100;
        for (int step = 0; step < 400; ++step) {
            QUndoStack& history = cup.history();
            const int participants = cup.participantCount();
            const int races = cup.raceCount();
            const int row = participants > 0 ? 1 + pick(participants) : 0;
            const int choice = pick(9);
            const int index = history.index();
            if (choice == 0 && history.canUndo()) {
                history.undo();
            } else if (choice == 1 && history.canRedo()) {
                history.redo();
            } else if (choice == 2) {
                teilsort(cup, pick(2) ? 1 : -1, pick(cup.teil.colCount()));
                continue;
            } else if (choice == 3 && row > 0 && races > 0) {
                const QString result = pick(3) ? QStringLiteral("0:4%1'00,0\"").arg(pick(10))
                                                : QString();
                run<SetResultCommand>(cup, cup.teil.rowId(row), race(cup, 1 + pick(races)), result);
            } else if (choice == 4 && row > 0) {
                QStringList fields;
                for (int col = 0; col < kTeilFixedCols; ++col)
                    fields << cup.teil.cell(col, row);
                fields[kName] = QStringLiteral("N%1").arg(pick(20));
                run<SaveParticipantCommand>(cup, cup.teil.rowId(row), ParticipantEntry{fields, {}});
            } else if (choice == 5) {
                run<SaveParticipantCommand>(
                    cup, 0,
                    ParticipantEntry{{QStringLiteral("N%1").arg(pick(20)), QStringLiteral("V"),
                                      QStringLiteral("01.01.1980"), QStringLiteral("männlich"),
                                      QStringLiteral("TV"), QStringLiteral("M40"),
                                      QString::number(++nextNumber), QStringLiteral("A-Cup")},
                                     {}});
            } else if (choice == 6 && row > 0) {
                run<RemoveRowCommand>(cup, CupTable::teil, cup.teil.rowId(row));
            } else if (choice == 7) {
                const QString date = QStringLiteral("%1.0%2.2026").arg(10 + pick(18)).arg(1 + pick(9));
                run<SaveRaceCommand>(cup, races > 0 && pick(2) ? race(cup, 1 + pick(races)) : 0,
                                     raceCells(pick(2) ? kZeitlauf : kDistanzlauf, date));
            } else if (choice == 8 && races > 0) {
                run<DeleteRaceCommand>(cup, race(cup, 1 + pick(races)));
            } else {
                continue;
            }
            if (choice >= 3 && history.index() != index) {
                states.resize(static_cast<size_t>(history.index()));
                states.push_back(canonicalBytes(cup));
            }
            QCOMPARE(canonicalBytes(cup), states[static_cast<size_t>(history.index())]);
        }
        QVERIFY(cup.history().count() > 100);
    }

    void changedFlagFollowsTheHistory() {
        TCupData cup;
        cup.replaceContent(smallCup(), QStringLiteral("cup.rz3"));
        run<SetResultCommand>(cup, participant(cup, QStringLiteral("Dora")), race(cup, 1),
                              QStringLiteral("v."));
        QCOMPARE(cup.statusChangedText(), QStringLiteral("geändert"));
        cup.edit(0); // saved
        QVERIFY(!cup.changed());
        cup.history().undo();
        QVERIFY(cup.changed());
        cup.history().redo();
        QVERIFY(!cup.changed());
        // A change that is no step (a restored cup) stays changed whatever is undone.
        cup.edit(1);
        run<AddPointsCommand>(cup, 30);
        cup.history().undo();
        QVERIFY(cup.changed());
        cup.replaceContent(smallCup(), {});
        QCOMPARE(cup.history().count(), 0);
        QVERIFY(!cup.changed());
    }

    // The frozen captions come with the first participant or race; undo and redo bring them
    // back as they were.
    void frozenCaptionsFollowUndoAndRedo_data() {
        QTest::addColumn<MakeCommand>("make");
        QTest::addColumn<int>("table"); // CupTable
        QTest::newRow("first participant of a new cup") << MakeCommand([](TCupData& c) {
            run<SaveParticipantCommand>(c, 0, ParticipantEntry{eva(QStringLiteral("001")), {}});
        }) << int(CupTable::teil);
        QTest::newRow("first race of a new cup") << MakeCommand([](TCupData& c) {
            run<SaveRaceCommand>(c, 0, raceCells(kZeitlauf, QStringLiteral("12.05.2026")));
        }) << int(CupTable::laufe);
    }
    void frozenCaptionsFollowUndoAndRedo() {
        QFETCH(MakeCommand, make);
        QFETCH(int, table);
        TCupData cup;
        const TCellGrid& grid = cupTable(cup, static_cast<CupTable>(table));
        const std::pair before{grid.fixedCols, grid.fixedRows};
        make(cup);
        const std::pair after{grid.fixedCols, grid.fixedRows};
        QVERIFY(after != before);
        while (cup.history().canUndo())
            cup.history().undo();
        QCOMPARE((std::pair{grid.fixedCols, grid.fixedRows}), before);
        while (cup.history().canRedo())
            cup.history().redo();
        QCOMPARE((std::pair{grid.fixedCols, grid.fixedRows}), after);
    }

    // A field typed back to its old text leaves no step and no changed mark.
    void typingBackLeavesNoStep() {
        TCupData cup;
        cup.replaceContent(smallCup(), QStringLiteral("cup.rz3"));
        const QString old = cup.name;
        for (const QString& typed : {old + u'X', old}) {
            CupHeader header = CupHeader::of(cup);
            header.name = typed;
            changeHeader(cup, HeaderCommand::Name, header);
        }
        QVERIFY(cup.history().count() == 0 && !cup.history().canUndo());
        QVERIFY(!cup.changed());
        QCOMPARE(cup.statusChangedText(), QString());
    }

    // Consecutive typing in one field is one step; another field, or a save, starts a new one.
    void typingMergesPerField() {
        TCupData cup;
        for (const QString& name : {QStringLiteral("W"), QStringLiteral("Wi"), QStringLiteral("Win")}) {
            CupHeader header = CupHeader::of(cup);
            header.name = name;
            changeHeader(cup, HeaderCommand::Name, header);
        }
        QCOMPARE(cup.history().count(), 1);
        CupHeader header = CupHeader::of(cup);
        header.veranstalter = QStringLiteral("LG");
        changeHeader(cup, HeaderCommand::Veranstalter, header);
        QCOMPARE(cup.history().count(), 2);
        cup.history().undo();
        cup.history().undo();
        QCOMPARE(cup.name, QString());
        QVERIFY(!cup.changed());
    }
};

QTEST_GUILESS_MAIN(TestCommands)
#include "tst_commands.moc"
