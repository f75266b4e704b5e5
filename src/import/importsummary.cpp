#include "import/importplan.h"

#include <vector>

namespace rzv {

namespace {

QString lineItem(int line, const QString& text) {
    return QStringLiteral("  Zeile %1: %2").arg(line).arg(text);
}

// A list of the summary, cut after so many items that a file of a million bad rows still gives
// a summary one can read.
constexpr size_t kListed = 100;

template <typename Item, typename Line>
void listItems(QStringList& lines, const std::vector<Item>& items, Line line) {
    for (size_t i = 0; i < items.size() && i < kListed; ++i) lines << line(items[i]);
    if (items.size() > kListed) lines << QStringLiteral("  … und %1 weitere").arg(items.size() - kListed);
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
        std::vector<const ImportResult*> overwritten;
        for (const ImportResult& r : plan.results)
            if (!r.oldValue.isEmpty()) overwritten.push_back(&r);
        listItems(lines, overwritten, [](const ImportResult* r) {
            return lineItem(r->line, QStringLiteral("%1: %2 → %3").arg(r->who, r->oldValue, r->newValue));
        });
        if (plan.unchangedResults > 0)
            lines << QStringLiteral("Ergebnisse schon so im Cup: %1").arg(plan.unchangedResults);
    }
    if (!plan.otherSpellings.empty()) {
        lines << QStringLiteral("Gleiche Teilnehmer in anderer Schreibweise: %1").arg(plan.otherSpellings.size());
        listItems(lines, plan.otherSpellings, [](const ImportSpelling& s) {
            return lineItem(s.line, QStringLiteral("„%1“ ist %2").arg(s.row, s.participant));
        });
    }
    if (!plan.similar.empty()) {
        lines << QStringLiteral("Ähnliche Teilnehmer: %1").arg(plan.similar.size());
        listItems(lines, plan.similar, [](const ImportSimilar& s) {
            const QString taken = s.taken == SimilarRows::Same  ? QStringLiteral("als derselbe Teilnehmer übernommen")
                                  : s.taken == SimilarRows::New ? QStringLiteral("als neuer Teilnehmer")
                                                                : QStringLiteral("offen");
            return lineItem(s.line, QStringLiteral("%1 ähnelt %2 (%3): %4").arg(s.row, s.candidate, s.reason, taken));
        });
    }
    lines << QStringLiteral("Abgelehnte Zeilen: %1").arg(plan.refused.size());
    const auto noteLine = [](const ImportNote& note) { return lineItem(note.line, note.text); };
    listItems(lines, plan.refused, noteLine);
    if (!plan.unreadableStartNumbers.empty()) {
        lines << QStringLiteral("Teilnehmer, deren Startnummer keine Zahl ist (über sie nicht zu finden): %1")
                     .arg(plan.unreadableStartNumbers.size());
        listItems(lines, plan.unreadableStartNumbers, [](const QString& who) { return QStringLiteral("  ") + who; });
    }
    lines << QStringLiteral("Vorgeschlagene Altersgruppen: %1").arg(plan.proposedGroups.size());
    if (plan.proposedWithoutRace)
        lines << QStringLiteral("  Der Cup hat noch keinen Lauf: Die Altersgruppen sind wie im "
                                "Teilnehmer-Dialog ohne Lauf vorgeschlagen (die jüngste Gruppe). "
                                "Legen Sie zuerst die Läufe an.");
    listItems(lines, plan.proposedGroups, noteLine);
    if (!plan.replacements.empty()) {
        lines << (replacementsApplied
                      ? QStringLiteral("Ersetzte Zeichen (die Cup-Datei kann sie nicht speichern): %1")
                      : QStringLiteral("Zeichen, die die Cup-Datei nicht speichern kann, werden mit "
                                       "„Übernehmen“ ersetzt: %1"))
                     .arg(plan.replacements.size());
        listItems(lines, plan.replacements, [](const ImportReplacement& r) {
            return lineItem(r.line, QStringLiteral("„%1“ → „%2“").arg(r.from, r.to));
        });
    }
    return lines;
}

} // namespace rzv
