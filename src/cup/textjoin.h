#pragma once

#include <QString>
#include <QStringView>
#include <initializer_list>

namespace rzv {

// Appends the parts one after the other, without building every partial sum anew (reports and
// pages build millions of lines).
inline void anhaengen(QString& text, std::initializer_list<QStringView> teile) {
    for (const QStringView teil : teile) text.append(teil);
}

// The parts one after the other, in one text made at its final length.
inline QString verbunden(std::initializer_list<QStringView> teile) {
    qsizetype laenge = 0;
    for (const QStringView teil : teile) laenge += teil.size();
    QString text;
    text.reserve(laenge);
    anhaengen(text, teile);
    return text;
}

} // namespace rzv
