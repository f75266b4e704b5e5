#include "cup/notation.h"

#include "cup/errors.h"

#include <QCollator>
#include <QLocale>
#include <algorithm>
#include <limits>
#include <set>

namespace rzv {

std::optional<int> readInt(QStringView text) {
    qsizetype i = 0;
    while (i < text.size() && text[i] == u' ') ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == u'+' || text[i] == u'-')) {
        negative = text[i] == u'-';
        ++i;
    }
    if (i == text.size()) return std::nullopt;
    long long value = 0;
    for (; i < text.size(); ++i) {
        const char16_t ch = text[i].unicode();
        if (ch < u'0' || ch > u'9') return std::nullopt;
        value = value * 10 + (ch - u'0');
        if (value > std::numeric_limits<int>::max() + (negative ? 1LL : 0LL)) return std::nullopt;
    }
    return static_cast<int>(negative ? -value : value);
}

int toInt(const QString& text) {
    if (const auto value = readInt(text)) return *value;
    throw conversionError(text);
}

QString digitsOf(QStringView text) {
    QString digits;
    for (const QChar ch : text)
        if (ch >= u'0' && ch <= u'9') digits.append(ch);
    return digits;
}

DigitsValue digitsValue(QStringView text) {
    DigitsValue result;
    long long value = 0;
    for (const QChar ch : text) {
        if (ch < u'0' || ch > u'9') continue;
        result.hasDigits = true;
        if (value >= 0) {
            value = value * 10 + (ch.unicode() - u'0');
            if (value > std::numeric_limits<int>::max()) value = -1; // no longer a whole number
        }
    }
    if (result.hasDigits && value >= 0) result.value = static_cast<int>(value);
    return result;
}

namespace {

struct CodeText {
    const char16_t* code;
    const char16_t* text; // cut to the 11 characters of the reports' result column
    const char16_t* words;
};
constexpr CodeText kCodes[] = {
    {u"n.a.", u"n. angetret", u"nicht angetreten"},
    {u"v.", u"verletzt", u"verletzt"},
    {u"d.", u"disquali.", u"disqualifiziert"},
    {u"o.L.", u"o. Leistung", u"ohne Leistung"},
};

struct Shorthand {
    const char16_t* typed;
    const char16_t* code;
};
constexpr Shorthand kShorthands[] = {
    {u"na", u"n.a."}, {u"n.a", u"n.a."}, {u"n.a.", u"n.a."}, {u"d", u"d."},
    {u"d.", u"d."},   {u"v", u"v."},     {u"v.", u"v."},     {u"o.L.", u"o.L."},
    {u"oL", u"o.L."}, {u"o", u"o.L."},   {u"ol", u"o.L."},
};

} // namespace

bool isResultCode(QStringView text) {
    return std::any_of(std::begin(kCodes), std::end(kCodes),
                       [&](const CodeText& c) { return text == QStringView(c.code); });
}

QString abk2text(const QString& code) {
    for (const CodeText& c : kCodes)
        if (code == QStringView(c.code)) return QString::fromUtf16(c.text);
    return code;
}

QString abk2volltext(const QString& code) {
    for (const CodeText& c : kCodes)
        if (code == QStringView(c.code)) return QString::fromUtf16(c.words);
    return code;
}

std::optional<QString> shorthandCode(const QString& typed) {
    for (const Shorthand& s : kShorthands)
        if (typed == QStringView(s.typed)) return QString::fromUtf16(s.code);
    return std::nullopt;
}

QString normalizeResult(const QString& typed, const QString& raceType) {
    if (const auto code = shorthandCode(typed)) return *code;
    return raceType == kZeitlauf ? checktime(typed) : checkdist(typed);
}

QString checktime(const QString& text) {
    if (text.isEmpty()) return text;
    const auto value = digitsValue(text).value;
    if (!value) return QString();
    const QString digits = QString::number(*value).rightJustified(6, u'0');
    const qsizetype hoursLength = digits.size() - 5;
    const QString minutes = digits.mid(hoursLength, 2);
    const QString seconds = digits.mid(hoursLength + 2, 2);
    if (minutes.toInt() >= 60 || seconds.toInt() >= 60) return QString();
    return digits.left(hoursLength) + u':' + minutes + u'\'' + seconds + u',' + digits.back() + u'"';
}

QString checkdist(const QString& text) {
    if (text.isEmpty()) return text;
    const auto value = digitsValue(text).value;
    if (!value) return QString();
    return QString::number(*value) + u'm';
}

bool isValidDate(const QString& text) {
    if (text.size() != 10 || text[2] != u'.' || text[5] != u'.') return false;
    const auto day = readInt(QStringView(text).mid(0, 2));
    const auto month = readInt(QStringView(text).mid(3, 2));
    const auto year = readInt(QStringView(text).mid(6, 4));
    return day && month && year && *day >= 1 && *day <= 31 && *month >= 1 && *month <= 12 &&
           *year >= 1901;
}

QString checkdate(const QString& text) {
    QString date = text;
    if (date.size() == 8 && readInt(date))
        date = date.mid(0, 2) + u'.' + date.mid(2, 2) + u'.' + date.mid(4, 4);
    return isValidDate(date) ? date : kDatePlaceholder;
}

QString padStartNumber(int number) {
    return QString::number(number).rightJustified(3, u'0');
}

int startNumberAfter(int largest) {
    if (largest == std::numeric_limits<int>::max())
        throw RzvError(QStringLiteral("Nach der Startnummer %1 gibt es keine weitere.").arg(largest));
    return largest + 1;
}

QString findsn(const TCupContent& cup) {
    int largest = 0;
    for (int row = 1; row < cup.teil.rowCount(); ++row)
        largest = std::max(largest, toInt(cup.teil.cell(kStartnummer, row)));
    return padStartNumber(startNumberAfter(largest));
}

QString checksn(const QString& text, const TCupContent& cup, int editedRow) {
    const auto number = readInt(text);
    if (!number || *number <= 0) return QString();
    const QString padded = padStartNumber(*number);
    for (int row = 1; row < cup.teil.rowCount(); ++row)
        if (cup.teil.cell(kStartnummer, row) == padded && row != editedRow) return QString();
    return padded;
}

QStringList vereinelesen(const QStringList& list, const TCellGrid& teil) {
    QStringList merged = list;
    std::set<QString> known(list.begin(), list.end());
    for (int row = 1; row < teil.rowCount(); ++row) {
        const QString& club = teil.cell(kVerein, row);
        if (known.insert(club).second) merged.append(club);
    }
    QCollator collator{QLocale(QLocale::German, QLocale::Germany)};
    std::stable_sort(merged.begin(), merged.end(),
                     [&](const QString& a, const QString& b) { return collator.compare(a, b) < 0; });
    return merged;
}

std::optional<QString> checkaltgr(const QString& birthDate, int genderIndex, const TCupContent& cup) {
    const QString& reference = cup.laufe.cell(cup.laufe.colCount() - 1, kDatum);
    if (birthDate == kDatePlaceholder || reference == kDatePlaceholder) return std::nullopt;
    if (genderIndex != 0 && genderIndex != 1) return std::nullopt;
    const auto yearOf = [](const QString& date) {
        const QString year = date.mid(6, 4);
        return year.isEmpty() ? 0 : toInt(year);
    };
    const int age = yearOf(reference) - yearOf(birthDate);
    std::optional<QString> proposal;
    for (int row = cup.ag.rowCount() - 1; row >= 1; --row)
        if (toInt(cup.ag.cell(2, row)) >= age) proposal = cup.ag.cell(genderIndex, row);
    return proposal;
}

} // namespace rzv
