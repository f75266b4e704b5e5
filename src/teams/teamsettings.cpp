#include "teams/teamsettings.h"

#include "cup/errors.h"
#include "cup/fileio.h"

#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>

namespace rzv {

namespace {

const QString kGroesse = QStringLiteral("groesse");
const QString kGemischt = QStringLiteral("gemischt");
const QString kPlatzziffern = QStringLiteral("platzziffern");

// A settings file is a few dozen bytes; anything much larger is not one.
constexpr qint64 kHoechstens = 64 * 1024;

RzvError unlesbar(const QString& grund) {
    return RzvError(
        QStringLiteral("Die Einstellungen der Mannschaftswertung lassen sich nicht lesen: %1")
            .arg(grund));
}

bool schalter(const QJsonObject& objekt, const QString& name, bool vorgabe) {
    const QJsonValue wert = objekt.value(name);
    if (wert.isUndefined()) return vorgabe;
    if (!wert.isBool()) throw unlesbar(QStringLiteral("„%1“ ist weder true noch false.").arg(name));
    return wert.toBool();
}

} // namespace

QString mannschaftsdatei(const QString& cupDatei) {
    return cupDatei + QStringLiteral(".mannschaft.json");
}

QByteArray mannschaftsJson(const Mannschaftseinstellungen& einstellungen) {
    const QJsonObject objekt{{kGroesse, einstellungen.groesse},
                             {kGemischt, einstellungen.gemischt},
                             {kPlatzziffern, einstellungen.platzziffern}};
    return QJsonDocument(objekt).toJson(QJsonDocument::Indented);
}

Mannschaftseinstellungen ausMannschaftsJson(const QByteArray& json) {
    QJsonParseError fehler;
    const QJsonDocument dokument = QJsonDocument::fromJson(json, &fehler);
    if (fehler.error != QJsonParseError::NoError || !dokument.isObject())
        throw unlesbar(QStringLiteral("Die Datei ist kein JSON-Objekt."));
    const QJsonObject objekt = dokument.object();
    Mannschaftseinstellungen einstellungen;
    if (const QJsonValue groesse = objekt.value(kGroesse); !groesse.isUndefined()) {
        const double zahl = groesse.toDouble(-1);
        if (zahl != static_cast<int>(zahl) || zahl < Mannschaftseinstellungen::kMinGroesse ||
            zahl > Mannschaftseinstellungen::kMaxGroesse)
            throw unlesbar(QStringLiteral("Die Mannschaftsgröße muss eine Zahl von %1 bis %2 sein.")
                               .arg(Mannschaftseinstellungen::kMinGroesse)
                               .arg(Mannschaftseinstellungen::kMaxGroesse));
        einstellungen.groesse = static_cast<int>(zahl);
    }
    einstellungen.gemischt = schalter(objekt, kGemischt, einstellungen.gemischt);
    einstellungen.platzziffern = schalter(objekt, kPlatzziffern, einstellungen.platzziffern);
    return einstellungen;
}

Mannschaftseinstellungen ladeMannschaftseinstellungen(const QString& cupDatei) {
    if (cupDatei.isEmpty()) return {};
    const QFileInfo datei(mannschaftsdatei(cupDatei));
    if (!datei.exists()) return {};
    if (!datei.isFile())
        throw unlesbar(QStringLiteral("„%1“ ist keine Datei.").arg(datei.filePath()));
    if (datei.size() > kHoechstens)
        throw unlesbar(QStringLiteral("„%1“ ist zu groß.").arg(datei.filePath()));
    return ausMannschaftsJson(readWholeFile(datei.filePath(), kHoechstens));
}

void mannschaftseinstellungenMitnehmen(const QString& alteCupDatei, const QString& neueCupDatei) {
    if (alteCupDatei == neueCupDatei) return;
    const QString alte = alteCupDatei.isEmpty() ? QString() : mannschaftsdatei(alteCupDatei);
    const QString neue = mannschaftsdatei(neueCupDatei);
    if (!alte.isEmpty() && QFileInfo(alte).exists()) {
        writeFileAtomically(neue, readWholeFile(alte, kHoechstens));
    } else if (QFileInfo(neue).isFile() && !QFile::remove(neue)) {
        throw RzvError(QStringLiteral("„%1“ gehört zu einem anderen Cup und ließ sich nicht entfernen.")
                           .arg(neue));
    }
}

void speichereMannschaftseinstellungen(const QString& cupDatei,
                                       const Mannschaftseinstellungen& einstellungen) {
    writeFileAtomically(mannschaftsdatei(cupDatei), mannschaftsJson(einstellungen));
}

} // namespace rzv
