#include "import/importvalues.h"

#include "cup/cupdata.h"
#include "cup/notation.h"

#include <QDate>
#include <QRegularExpression>

namespace rzv {

namespace {

QString twoDigits(int value) { return QString::number(value).rightJustified(2, u'0'); }

// A year of two digits in the hundred years up to now ("84" gives 1984, "05" gives 2005).
int fullYear(int year, qsizetype digits) {
    if (digits > 2) return year;
    const int now = QDate::currentDate().year();
    const int century = now / 100 * 100;
    return century + year > now ? century - 100 + year : century + year;
}

ImportValue checkedDate(int day, int month, int year, const QString& text) {
    const QString date = twoDigits(day) + u'.' + twoDigits(month) + u'.' +
                         QString::number(year).rightJustified(4, u'0');
    if (day > 99 || month > 99 || year > 9999 || checkdate(date) != date)
        return ImportValue::refused(QStringLiteral("Geburtsdatum „%1“ ungültig").arg(text));
    return ImportValue::taken(date);
}

ImportValue yearAlone(const QString& text, const QString& what) {
    static const QRegularExpression year(QStringLiteral("^(\\d{2}|\\d{4})$"));
    const auto match = year.match(text.trimmed());
    if (!match.hasMatch()) return ImportValue::refused(QStringLiteral("%1 „%2“ ungültig").arg(what, text));
    const QString digits = match.captured(1);
    return checkedDate(1, 1, fullYear(digits.toInt(), digits.size()), text);
}

struct StatusWord {
    const char16_t* word;
    const char16_t* code;
};
constexpr StatusWord kStatusWords[] = {
    {u"dns", u"n.a."},     {u"n.a.", u"n.a."}, {u"na", u"n.a."}, {u"nicht angetreten", u"n.a."},
    {u"dsq", u"d."},       {u"dq", u"d."},     {u"disq.", u"d."}, {u"disq", u"d."},
    {u"d.", u"d."},        {u"dnf", u"o.L."},  {u"aufgegeben", u"o.L."}, {u"o.l.", u"o.L."},
    {u"verletzt", u"v."},  {u"v.", u"v."},
};

// A time as tenths of a second, hundredths and finer rounded up to the next tenth; minutes may
// exceed 59 when no hours are given.
std::optional<long long> timeTenths(const QString& text) {
    static const QRegularExpression time(
        QStringLiteral("^(?:(\\d+):)?(\\d{1,3}):(\\d{2})(?:[.,](\\d+))?$"));
    const auto match = time.match(text);
    if (!match.hasMatch() || match.captured(1).size() > 6) return std::nullopt;
    const long long hours = match.captured(1).toLongLong();
    const long long minutes = match.captured(2).toLongLong();
    const long long seconds = match.captured(3).toLongLong();
    if (seconds >= 60 || (match.hasCaptured(1) && minutes >= 60)) return std::nullopt;
    const QString fraction = match.captured(4);
    long long tenths = fraction.isEmpty() ? 0 : fraction.left(1).toLongLong();
    if (fraction.size() > 1 && fraction.mid(1).contains(QRegularExpression(QStringLiteral("[1-9]"))))
        ++tenths; // athletics timing rounds up: never faster than measured
    return ((hours * 60 + minutes) * 60 + seconds) * 10 + tenths;
}

QString storedTime(long long tenths) {
    const long long seconds = tenths / 10;
    const QString digits = QString::number(seconds / 3600) + twoDigits(static_cast<int>(seconds / 60 % 60)) +
                           twoDigits(static_cast<int>(seconds % 60)) + QString::number(tenths % 10);
    return checktime(digits);
}

// Whole metres from "12345", "12.345", "12345m", "12345,6 m", "12,345 km".
std::optional<long long> distanceMetres(const QString& text) {
    static const QRegularExpression plain(QStringLiteral("^(\\d{1,3}(?:[.,]\\d{3})+|\\d+)$"));
    static const QRegularExpression withUnit(
        QStringLiteral("^(\\d+)(?:[.,](\\d+))?\\s*(m|km)$"), QRegularExpression::CaseInsensitiveOption);
    if (plain.match(text).hasMatch()) return digitsOf(text).toLongLong();
    const auto match = withUnit.match(text);
    if (!match.hasMatch()) return std::nullopt;
    const bool km = match.captured(3).compare(u"km", Qt::CaseInsensitive) == 0;
    const QString fraction = (match.captured(2) + QStringLiteral("000")).left(km ? 3 : 0);
    // Fractions of a metre are dropped: a distance is never made longer than measured.
    return match.captured(1).toLongLong() * (km ? 1000 : 1) + fraction.toLongLong();
}

} // namespace

ImportValue importStartNumber(const QString& text) {
    const auto number = readInt(text.trimmed());
    if (!number || *number <= 0)
        return ImportValue::refused(QStringLiteral("Startnummer „%1“ ungültig").arg(text));
    return ImportValue::taken(padStartNumber(*number));
}

ImportValue importBirthDate(const QString& text) {
    static const QRegularExpression german(QStringLiteral("^(\\d{1,2})\\.(\\d{1,2})\\.(\\d{2}|\\d{4})$"));
    static const QRegularExpression iso(QStringLiteral("^(\\d{4})-(\\d{1,2})-(\\d{1,2})$"));
    const QString value = text.trimmed();
    if (const auto m = german.match(value); m.hasMatch())
        return checkedDate(m.captured(1).toInt(), m.captured(2).toInt(),
                           fullYear(m.captured(3).toInt(), m.captured(3).size()), text);
    if (const auto m = iso.match(value); m.hasMatch())
        return checkedDate(m.captured(3).toInt(), m.captured(2).toInt(), m.captured(1).toInt(), text);
    return yearAlone(text, QStringLiteral("Geburtsdatum"));
}

ImportValue importBirthYear(const QString& text) { return yearAlone(text, QStringLiteral("Jahrgang")); }

ImportValue importGender(const QString& text) {
    const QString key = text.trimmed().toLower();
    for (const char16_t* word : {u"w", u"weiblich", u"f", u"female"})
        if (key == QStringView(word)) return ImportValue::taken(QStringLiteral("weiblich"));
    for (const char16_t* word : {u"m", u"männlich", u"male"})
        if (key == QStringView(word)) return ImportValue::taken(QStringLiteral("männlich"));
    return ImportValue::refused(QStringLiteral("Geschlecht „%1“ unbekannt").arg(text));
}

std::optional<QString> statusCode(const QString& text) {
    const QString key = text.trimmed().toLower();
    for (const StatusWord& s : kStatusWords)
        if (key == QStringView(s.word)) return QString::fromUtf16(s.code);
    return std::nullopt;
}

bool isFinishedStatus(const QString& text) {
    const QString key = text.trimmed().toLower();
    for (const char16_t* word : {u"ok", u"fin", u"finished", u"finisher", u"im ziel", u"gewertet"})
        if (key == QStringView(word)) return true;
    return false;
}

ImportValue importResult(const QString& text, const QString& raceType) {
    const QString value = text.trimmed();
    if (const auto code = statusCode(value)) return ImportValue::taken(*code);
    const bool timeRace = raceType == kZeitlauf;
    // A time already in the cup's own notation, as the program writes it.
    if (timeRace && value.contains(u'\'') && checktime(value) == value) return ImportValue::taken(value);
    if (const auto tenths = timeTenths(value)) {
        if (!timeRace)
            return ImportValue::refused(QStringLiteral("Zeit „%1“ in einem Distanzlauf").arg(text));
        const QString stored = storedTime(*tenths);
        if (!stored.isEmpty()) return ImportValue::taken(stored);
    } else if (const auto metres = distanceMetres(value)) {
        if (timeRace)
            return ImportValue::refused(QStringLiteral("Strecke „%1“ in einem Zeitlauf").arg(text));
        const QString stored = checkdist(QString::number(*metres));
        if (!stored.isEmpty()) return ImportValue::taken(stored);
    }
    return ImportValue::refused(QStringLiteral("Ergebnis „%1“ ungültig").arg(text));
}

} // namespace rzv
