#include "cli/arguments.h"

namespace rzv::cli {

Arguments parseArguments(const QStringList& args, const QStringList& knownOptions,
                         const QStringList& flags) {
    Arguments parsed;
    for (qsizetype i = 0; i < args.size(); ++i) {
        const QString& word = args[i];
        if (!word.startsWith(QStringLiteral("--"))) {
            parsed.words.append(word);
            continue;
        }
        if (flags.contains(word)) {
            parsed.options.insert(word, QString());
            continue;
        }
        if (!knownOptions.contains(word))
            throw UsageError(QStringLiteral("Unbekannte Option %1.").arg(word));
        if (i + 1 >= args.size())
            throw UsageError(QStringLiteral("Die Option %1 braucht einen Wert.").arg(word));
        parsed.options.insert(word, args[++i]);
    }
    return parsed;
}

void requireWordCount(const QStringList& words, qsizetype count) {
    if (words.size() != count)
        throw UsageError(QStringLiteral("Falsche Anzahl von Angaben: %1 statt %2.")
                             .arg(words.size())
                             .arg(count));
}

int htmlStyle(const Arguments& arguments) {
    const QString style = arguments.value(QStringLiteral("--style"), QStringLiteral("0"));
    if (style != u"0" && style != u"1")
        throw UsageError(QStringLiteral("Die Option --style erwartet 0 oder 1."));
    return style.toInt();
}

QString nameList(const QStringList& names) {
    if (names.size() < 2) return names.join(QString());
    return names.mid(0, names.size() - 1).join(QStringLiteral(", ")) + QStringLiteral(" oder ") +
           names.constLast();
}

} // namespace rzv::cli
