#include "scoring/speed.h"

#include "cup/notation.h"

#include <cstdlib>
#include <iterator>
#include <string_view>
#include <optional>

namespace rzv {

namespace {

const QString kKeineGeschwindigkeit = QStringLiteral("---");

// A time h:mm'ss,t" in tenths of a second, read by character positions from the end.
std::optional<long long> zehntelsekunden(const QString& zeit) {
    const qsizetype length = zeit.size();
    if (length < 10) return std::nullopt;
    const auto zehntel = readInt(QStringView(zeit).mid(length - 2, 1));
    const auto sekunden = readInt(QStringView(zeit).mid(length - 5, 2));
    const auto minuten = readInt(QStringView(zeit).mid(length - 8, 2));
    const auto stunden = readInt(QStringView(zeit).left(length - 9));
    if (!zehntel || !sekunden || !minuten || !stunden) return std::nullopt;
    return ((*stunden * 3600LL + *minuten * 60LL + *sekunden) * 10) + *zehntel;
}

} // namespace

QString BerechneMps(const QString& x, const QString& y) {
    const bool xIstStrecke = x.endsWith(u'm') && y.endsWith(u'"');
    const QString& strecke = xIstStrecke ? x : y;
    const QString& zeit = xIstStrecke ? y : x;

    const auto meter = readInt(QStringView(strecke).chopped(strecke.isEmpty() ? 0 : 1));
    const auto zehntel = zehntelsekunden(zeit);
    if (strecke.isEmpty() || !meter || !zehntel || *zehntel <= 0) return kKeineGeschwindigkeit;

    // Tenths of a metre per second from whole numbers, so that 3.05 rounds up as written.
    const long long zaehler = static_cast<long long>(*meter) * 100;
    const long long betrag = (2 * std::llabs(zaehler) + *zehntel) / (2 * *zehntel);
    // Written backwards into a small buffer: every result line of the reports has a speed.
    char16_t puffer[32];
    char16_t* anfang = std::end(puffer);
    for (const char16_t ch : std::u16string_view(u"s/m ")) *--anfang = ch;
    *--anfang = static_cast<char16_t>(u'0' + betrag % 10);
    *--anfang = u',';
    for (long long ganz = betrag / 10;;) {
        *--anfang = static_cast<char16_t>(u'0' + ganz % 10);
        ganz /= 10;
        if (ganz == 0) break;
    }
    if (zaehler < 0 && betrag > 0) *--anfang = u'-';
    return QString(reinterpret_cast<const QChar*>(anfang), std::end(puffer) - anfang);
}

} // namespace rzv
