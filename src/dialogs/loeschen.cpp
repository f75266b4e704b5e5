#include "dialogs/loeschen.h"

#include "commands/deleterace.h"
#include "commands/removerow.h"
#include "cup/cupdata.h"
#include "ui/prompt.h"

namespace rzv {

namespace {

bool anyParticipant(const TCellGrid& teil, int column, const QString& a, const QString& b) {
    for (int row = 1; row < teil.rowCount(); ++row) {
        const QString& value = teil.cell(column, row);
        if (value == a || value == b) return true;
    }
    return false;
}

void removeRow(TCupData& cup, CupTable table, int row) {
    runCommand(cup, std::make_unique<RemoveRowCommand>(cup, table, cupTable(cup, table).rowId(row)));
}

} // namespace

bool laufLoeschen(TCupData& cup, Prompt& prompt, int k) {
    const int column = resultColumn(k);
    int results = 0;
    for (int row = 1; row < cup.teil.rowCount(); ++row)
        if (!cup.teil.cell(column, row).isEmpty()) ++results;
    QString question;
    if (results > 0)
        question = QStringLiteral("Es sind bereits ") + QString::number(results) +
                   QStringLiteral(" Ergebnisse in diesem Lauf eingetragen.\n\r");
    question += QStringLiteral("Sind Sie sicher, dass Sie Lauf") + cup.laufe.cell(k, kLaufnummer) +
                QStringLiteral(" (") + cup.laufe.cell(k, kDatum) +
                QStringLiteral(") löschen wollen?");
    if (!prompt.ask(question)) return false;
    runCommand(cup, std::make_unique<DeleteRaceCommand>(cup, cup.teil.colId(column)));
    return true;
}

bool teilLoeschen(TCupData& cup, Prompt& prompt, int R) {
    if (!prompt.ask(QStringLiteral("Sind Sie sicher, dass Sie den Teilnehmer (") +
                    cup.teil.cell(kName, R) + QStringLiteral(", ") + cup.teil.cell(kVorname, R) +
                    QStringLiteral(") löschen wollen?")))
        return false;
    removeRow(cup, CupTable::teil, R);
    return true;
}

bool agLoeschen(TCupData& cup, Prompt& prompt, int R) {
    if (cup.ag.rowCount() - 1 <= 1) {
        prompt.notice(
            QStringLiteral("Sie müssen wenigstens eine Altersgruppe eingetragen lassen!"));
        return false;
    }
    if (anyParticipant(cup.teil, kAltersgruppe, cup.ag.cell(0, R), cup.ag.cell(1, R))) {
        prompt.notice(QStringLiteral("Es sind noch Teilnehmer in der Altersgruppe!\r\n") +
                      QStringLiteral(
                          "Sie müssen diese erst löschen bevor Sie Altersgruppen löschen können!"));
        return false;
    }
    if (!prompt.ask(QStringLiteral("Sind Sie sicher, dass Sie diese Altersgruppe löschen wollen?")))
        return false;
    removeRow(cup, CupTable::ag, R);
    return true;
}

bool cvLoeschen(TCupData& cup, Prompt& prompt, int R) {
    const QString name = cup.cv.cell(0, R);
    if (cup.raceCount() >= 1 && cup.cv.rowCount() - 1 <= 2) {
        prompt.notice(
            QStringLiteral("Es sind bereits Cup-Läufe eingetragen!\r\n") +
            QStringLiteral(
                "Sie müssen wenigstens zwei Cup-Variationen beibehalten oder die Läufe löschen!"));
        return false;
    }
    if (anyParticipant(cup.teil, kCup, name, name)) {
        prompt.notice(
            QStringLiteral("Es sind noch Teilnehmer in der Cup-Variation (") + name +
            QStringLiteral(")!\r\n") +
            QStringLiteral(
                "Sie müssen diese erst löschen bevor Sie Cup-Variationen löschen können!"));
        return false;
    }
    if (!prompt.ask(QStringLiteral("Sind Sie sicher, dass Sie die Cup-Variation (") + name +
                    QStringLiteral(") löschen wollen?")))
        return false;
    removeRow(cup, CupTable::cv, R);
    return true;
}

bool pvLoeschen(TCupData& cup, Prompt& prompt, int R) {
    if (cup.pv.rowCount() - 1 <= 1) {
        prompt.notice(QStringLiteral("Sind müssen wenigstens eine Punktezahl vergeben?"));
        return false;
    }
    if (!prompt.ask(QStringLiteral("Sind Sie sicher, dass Sie diese Punktezahl (") +
                    cup.pv.cell(1, R) + QStringLiteral(") löschen wollen?")))
        return false;
    removeRow(cup, CupTable::pv, R);
    return true;
}

} // namespace rzv
