#pragma once
// Shared checks of the report tests: a fixed clock and the foot it gives, line-by-line comparison.

#include "reports/sheet.h"

#include <QStringList>
#include <QtTest>

namespace rzv::test {

inline void fixClock(Ausgabe& ausgabe) {
    ausgabe.setUhr([] { return QDateTime(QDate(2026, 12, 7), QTime(9, 14, 5)); });
}

// The report foot under the fixed clock.
inline QStringList foot() {
    return {QStringLiteral(" "), QString(82, u'='),
            QStringLiteral("Statistik erstellt am : 07.12.2026 um 09:14:05."),
            QStringLiteral("                        Erstellt mit Rundenzeitverwalter"),
            QStringLiteral("                        https://rundenzeitverwalter.example.org")};
}

// Names the first differing line, then checks the count.
#define RZV_COMPARE_LINES(actualLines, expectedLines)                                              \
    do {                                                                                           \
        const QStringList a_ = (actualLines);                                                      \
        const QStringList e_ = (expectedLines);                                                    \
        for (qsizetype i_ = 0; i_ < std::min(a_.size(), e_.size()); ++i_)                          \
            if (a_[i_] != e_[i_])                                                                  \
                QFAIL(qPrintable(QStringLiteral("line %1:\n  actual   '%2'\n  expected '%3'")      \
                                     .arg(i_)                                                      \
                                     .arg(a_[i_], e_[i_])));                                       \
        QCOMPARE(a_.size(), e_.size());                                                            \
    } while (false)

} // namespace rzv::test
