#include "import/importplan.h"

namespace rzv {

namespace {

QString lineItem(int line, const QString& text) {
    return QStringLiteral("  Zeile %1: %2").arg(line).arg(text);
}

} // namespace

QStringList importSummary(const ImportPlan& plan, bool replacementsApplied) {
    QStringList lines;
    lines << QStringLiteral("Neue Teilnehmer: %1").arg(plan.newParticipants.size());
    if (!plan.assignedStartNumbers.isEmpty())
        lines << QStringLiteral("  Startnummern vergeben: %1 bis %2")
                     .arg(plan.assignedStartNumbers.front(), plan.assignedStartNumbers.back());
    if (plan.race != 0) {
        lines << QStringLiteral("Ergebnisse gesetzt in Lauf %1: %2").arg(plan.race).arg(plan.resultsSet());
        lines << QStringLiteral("Ergebnisse, die ein anderes überschreiben: %1").arg(plan.resultsOverwritten());
        for (const ImportResult& r : plan.results)
            if (!r.oldValue.isEmpty())
                lines << lineItem(r.line, QStringLiteral("%1: %2 → %3").arg(r.who, r.oldValue, r.newValue));
        if (plan.unchangedResults > 0)
            lines << QStringLiteral("Ergebnisse schon so im Cup: %1").arg(plan.unchangedResults);
    }
    lines << QStringLiteral("Abgelehnte Zeilen: %1").arg(plan.refused.size());
    for (const ImportNote& note : plan.refused) lines << lineItem(note.line, note.text);
    lines << QStringLiteral("Vorgeschlagene Altersgruppen: %1").arg(plan.proposedGroups.size());
    if (plan.proposedWithoutRace)
        lines << QStringLiteral("  Der Cup hat noch keinen Lauf: Die Altersgruppen sind wie im "
                                "Teilnehmer-Dialog ohne Lauf vorgeschlagen (die jüngste Gruppe). "
                                "Legen Sie zuerst die Läufe an.");
    for (const ImportNote& note : plan.proposedGroups) lines << lineItem(note.line, note.text);
    if (!plan.replacements.empty()) {
        lines << (replacementsApplied
                      ? QStringLiteral("Ersetzte Zeichen (die Cup-Datei kann sie nicht speichern): %1")
                      : QStringLiteral("Zeichen, die die Cup-Datei nicht speichern kann, werden mit "
                                       "„Übernehmen“ ersetzt: %1"))
                     .arg(plan.replacements.size());
        for (const ImportReplacement& r : plan.replacements)
            lines << lineItem(r.line, QStringLiteral("„%1“ → „%2“").arg(r.from, r.to));
    }
    return lines;
}

} // namespace rzv
