#pragma once

// Small cups for the certificate run tests: one time race, participants added row by row.
#include "certificates/recordingcanvas.h"
#include "certificates/urkunde.h"
#include "cup/cupdata.h"

#include <QStringList>

namespace rzv::test {

struct Runner {
    QString name;
    QString vorname;
    QString ageGroup;
    QString result; // of race 1
    QString cup = {};
    QString club = QStringLiteral("LG Nord");
};

// A new cup with `races` time races and no cup variations unless given.
inline TCupContent runCup(const QList<Runner>& runners, const QStringList& variations = {},
                          int races = 1) {
    TCupContent cup = newCupContent();
    cup.name = QStringLiteral("Testcup");
    cup.cv.setRowCount(1 + int(variations.size()));
    for (int v = 0; v < variations.size(); ++v) {
        cup.cv.setCell(0, v + 1, variations[v]);
        cup.cv.setCell(1, v + 1, QString::number(5000 * (v + 1)) + u'm');
    }
    cup.laufe.setColCount(1 + races);
    cup.teil.setColCount(kTeilFixedCols + races);
    for (int k = 1; k <= races; ++k) {
        cup.laufe.setCell(k, kLaufnummer, QString::number(k));
        cup.laufe.setCell(k, kLauftyp, kZeitlauf);
        cup.teil.setCell(resultColumn(k), 0, QString::number(k) + QStringLiteral(". Lauf"));
    }
    cup.teil.setRowCount(1 + int(runners.size()));
    for (int i = 0; i < runners.size(); ++i) {
        const Runner& r = runners[i];
        const int row = i + 1;
        cup.teil.setCell(kName, row, r.name);
        cup.teil.setCell(kVorname, row, r.vorname);
        cup.teil.setCell(kVerein, row, r.club);
        cup.teil.setCell(kAltersgruppe, row, r.ageGroup);
        cup.teil.setCell(kStartnummer, row, QStringLiteral("%1").arg(row, 3, 10, QLatin1Char('0')));
        cup.teil.setCell(kCup, row, r.cup);
        cup.teil.setCell(resultColumn(1), row, r.result);
    }
    return cup;
}

// One line per style-0 page: place line, first and surname, age-group line and last line.
inline QStringList pageSummaries(const RecordingCanvas& canvas) {
    QStringList summaries;
    for (int page = 0; page < canvas.pages.size(); ++page) {
        const QStringList texts = canvas.texts(page);
        if (texts.isEmpty()) continue;
        summaries.append(QStringList({texts[2], texts[8], texts[6], texts[11]}).join(u" | "));
    }
    return summaries;
}

} // namespace rzv::test
