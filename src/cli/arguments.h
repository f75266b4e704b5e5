#pragma once

// The words of a sub-command's call: positional words, options with their values, and the
// kind a sub-command such as "report" or "certificates" chooses by its first word. Every
// wrong call ends in a UsageError with a German message.
#include "cli/cli.h"

#include <QMultiHash>
#include <QString>
#include <QStringList>

#include <algorithm>
#include <iterator>

namespace rzv::cli {

struct Arguments {
    QStringList words;                    // the positional words, in order
    QMultiHash<QString, QString> options; // "--name" → value; an option may be given repeatedly

    bool has(const QString& option) const { return options.contains(option); }
    QString value(const QString& option, const QString& otherwise = {}) const {
        return options.value(option, otherwise);
    }
};

// Splits the words; each of the known options takes the word after it as its value, each of the
// flags none (it is recorded with an empty value).
Arguments parseArguments(const QStringList& args, const QStringList& knownOptions,
                         const QStringList& flags = {});

// Stops unless exactly `count` positional words were given.
void requireWordCount(const QStringList& words, qsizetype count);

// The page style of --style for HTML pages: 0 "Standard RZV Stil" (the default), 1 "weiss-blauer
// Hintergrund".
int htmlStyle(const Arguments& arguments);

// "race, standings oder all": the names of a table of kinds, for a message.
QString nameList(const QStringList& names);

// The kind named by the first word, from a table of structs with a `name`.
template <typename Kind, std::size_t N>
const Kind& chooseKind(const Kind (&kinds)[N], const QStringList& words) {
    const auto kind = std::find_if(std::begin(kinds), std::end(kinds), [&](const Kind& k) {
        return !words.isEmpty() && words[0] == QLatin1String(k.name);
    });
    if (kind != std::end(kinds)) return *kind;
    QStringList names;
    for (const Kind& k : kinds)
        names << QString::fromUtf8(k.name);
    if (words.isEmpty())
        throw UsageError(QStringLiteral("Bitte die Art angeben: %1.").arg(nameList(names)));
    throw UsageError(
        QStringLiteral("Unbekannte Art „%1“; möglich sind %2.").arg(words[0], nameList(names)));
}

} // namespace rzv::cli
