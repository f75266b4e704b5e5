#pragma once

#include <QString>

#include <utility>

namespace rzv {

// A choice the desktop keeps in the user's settings from one run to the next: the value chosen
// last, and for each cup file the value chosen while that cup was open.
class Remembered {
public:
    // group: where the choice lives in the settings, e.g. "Veroeffentlichen".
    explicit Remembered(QString group) : m_group(std::move(group)) {}

    // The value chosen for the cup file; empty for a cup without a file or never chosen.
    QString forCup(const QString& cupFile) const;
    QString last() const;
    // Keeps the value for the cup file (when the cup has one) and as the last one.
    void remember(const QString& cupFile, const QString& value) const;

private:
    QString cupKey(const QString& cupFile) const;
    QString lastKey() const;

    QString m_group;
};

} // namespace rzv
