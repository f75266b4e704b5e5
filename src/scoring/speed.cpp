#include "scoring/speed.h"

#include "cup/notation.h"

#include <cstdlib>
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
    const QString text =
        QString::number(betrag / 10) + u',' + QString::number(betrag % 10) + QStringLiteral(" m/s");
    return zaehler < 0 && betrag > 0 ? u'-' + text : text;
}

} // namespace rzv
