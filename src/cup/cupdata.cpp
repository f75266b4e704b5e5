#include "cup/cupdata.h"

#include "cup/ordering.h"

#include <algorithm>

namespace rzv {

const QStringList& kategorieTexts() {
    static const QStringList texts{
        QStringLiteral("1 - vereinsoffene Veranstaltung"),
        QStringLiteral("2 - kreisoffene Veranstaltung"),
        QStringLiteral("3 - bezirksoffene Veranstaltung"),
        QStringLiteral("4 - landessoffene Veranstaltung"),
        QStringLiteral("5 - regionale Veranstaltung"),
        QStringLiteral("6 - nationale Veranstaltung"),
        QStringLiteral("7 - internationale Veranstaltung"),
    };
    return texts;
}

const QStringList& laufeRowCaptions() {
    static const QStringList captions{
        QStringLiteral("Laufnummer:"),
        QStringLiteral("Lauftyp:"),
        QStringLiteral("Datum:"),
        QStringLiteral("Cuplauf:"),
        QStringLiteral("Veranstalter:"),
        QStringLiteral("Anschrift:"),
        QString(),
        QString(),
        QStringLiteral("Telefon:"),
        QStringLiteral("Fax:"),
        QStringLiteral("Ort:"),
        QStringLiteral("Kreis:"),
        QStringLiteral("Bezirk:"),
        QStringLiteral("Land:"),
        QStringLiteral("Wettkampfstätte:"),
        QString(),
        QStringLiteral("Zeitmessung:"),
        QStringLiteral("Windmessung:"),
        QStringLiteral("Gerätekontrolle:"),
        QStringLiteral("Anzahl der Kampfrichter:"),
        QStringLiteral("Anzahl der Helfer:"),
        QStringLiteral("Anzahl der Mitarbeiter:"),
        QStringLiteral("Wettkampfrichter:"),
        QStringLiteral("Telefon:"),
        QStringLiteral("Fax:"),
        QStringLiteral("Verbandsaufsicht:"),
        QStringLiteral("Telefon:"),
        QStringLiteral("Fax:"),
        QStringLiteral("Bemerkungen:"),
        QString(),
        QString(),
        QStringLiteral("DLV-Veranstaltungsnr.:"),
        QStringLiteral("Bonusfaktor:"),
        QStringLiteral("Bonussummand:"),
    };
    return captions;
}

const QStringList& teilCaptions() {
    static const QStringList captions{
        QStringLiteral("Name"),         QStringLiteral("Vorname"),
        QStringLiteral("Geburtsdatum"), QStringLiteral("Geschlecht"),
        QStringLiteral("Verein"),       QStringLiteral("Altersgruppe"),
        QStringLiteral("Startnummer"),  QStringLiteral("ggf. Cup"),
    };
    return captions;
}

namespace {

void fillRows(TCellGrid& grid, const QStringList& captions, const QStringList& values) {
    const int cols = static_cast<int>(captions.size());
    grid.resize(cols, 1 + static_cast<int>(values.size()) / cols);
    for (int c = 0; c < cols; ++c) grid.setCell(c, 0, captions[c]);
    for (int i = 0; i < values.size(); ++i) grid.setCell(i % cols, i / cols + 1, values[i]);
}

} // namespace

TCupContent newCupContent() {
    TCupContent cup;

    cup.ag.defaultColWidth = 110;
    fillRows(cup.ag, {QStringLiteral("weibl. Bezeichnung"), QStringLiteral("männl. Bezeichnung"),
                      QStringLiteral("Maximalalter")},
             {
                 QStringLiteral("WK U8"),    QStringLiteral("MK U8"),    QStringLiteral("7"),
                 QStringLiteral("WK U10"),   QStringLiteral("MK U10"),   QStringLiteral("9"),
                 QStringLiteral("WK U12"),   QStringLiteral("MK U12"),   QStringLiteral("11"),
                 QStringLiteral("WJ U14"),   QStringLiteral("MJ U14"),   QStringLiteral("13"),
                 QStringLiteral("WJ U16"),   QStringLiteral("MJ U16"),   QStringLiteral("15"),
                 QStringLiteral("WJ U18"),   QStringLiteral("MJ U18"),   QStringLiteral("17"),
                 QStringLiteral("WJ U20"),   QStringLiteral("MJ U20"),   QStringLiteral("19"),
                 QStringLiteral("F U23"),    QStringLiteral("M U23"),    QStringLiteral("22"),
                 QStringLiteral("F"),        QStringLiteral("M"),        QStringLiteral("29"),
                 QStringLiteral("F30"),      QStringLiteral("M30"),      QStringLiteral("39"),
                 QStringLiteral("F40"),      QStringLiteral("M40"),      QStringLiteral("49"),
                 QStringLiteral("F50"),      QStringLiteral("M50"),      QStringLiteral("59"),
                 QStringLiteral("F60"),      QStringLiteral("M60"),      QStringLiteral("69"),
                 QStringLiteral("F70 u.ä."), QStringLiteral("M70 u.ä."), QStringLiteral("150"),
             });
    cup.ag.setColWidth(2, 70);
    agsort(cup.ag);

    cup.cv.defaultColWidth = 78;
    fillRows(cup.cv, {QStringLiteral("Name"), QStringLiteral("Strecke"), QStringLiteral("Zeit")},
             {
                 QStringLiteral("A-Cup"), QStringLiteral("10000m"), QStringLiteral("1:00'00,0\""),
                 QStringLiteral("B-Cup"), QStringLiteral("5000m"),  QStringLiteral("0:30'00,0\""),
                 QStringLiteral("C-Cup"), QStringLiteral("3000m"),  QStringLiteral("0:15'00,0\""),
             });
    cvsort(cup.cv);

    cup.pv.defaultColWidth = 78;
    cup.pv.resize(2, 21);
    cup.pv.setCell(0, 0, QStringLiteral("Platz"));
    cup.pv.setCell(1, 0, QStringLiteral("Punkte"));
    for (int n = 1; n <= 20; ++n) {
        cup.pv.setCell(0, n, QString::number(n));
        cup.pv.setCell(1, n, QString::number(21 - n));
    }
    pvsort(cup.pv);

    cup.laufe.defaultColWidth = 200;
    cup.laufe.resize(1, kLaufRows);
    cup.laufe.setColWidth(0, 120);
    for (int r = 0; r < kLaufRows; ++r) cup.laufe.setCell(0, r, laufeRowCaptions()[r]);
    laufesort(cup.laufe, cup.teil);

    cup.teil.defaultColWidth = 75;
    cup.teil.resize(kTeilFixedCols, 1);
    cup.teil.setColWidth(kName, 100);
    cup.teil.setColWidth(kVorname, 100);
    cup.teil.setColWidth(kVerein, 200);
    for (int c = 0; c < kTeilFixedCols; ++c) cup.teil.setCell(c, 0, teilCaptions()[c]);
    teilsort(cup, -1, kName);
    return cup;
}

void coupleMin(int& min, int& max, int races) {
    min = std::max(1, std::min(min, races));
    if (max < min) max = min;
}

void coupleMax(int& min, int& max, int races) {
    max = std::max(1, std::min(max, races));
    if (max < min) min = max;
}

void coupleMin(TCupContent& cup) {
    coupleMin(cup.min, cup.max, cup.raceCount());
}

void coupleMax(TCupContent& cup) {
    coupleMax(cup.min, cup.max, cup.raceCount());
}

TCupData::TCupData(QObject* parent) : QObject(parent) {
    connect(&m_history, &QUndoStack::cleanChanged, this,
            [this](bool clean) {
                if (m_changed == clean) setChanged(!clean);
            });
    neu();
}

void TCupData::neu() {
    m_history.clear();
    static_cast<TCupContent&>(*this) = newCupContent();
    fileName.clear();
    htmlStyle = 0;
    urkundeStyle = 0;
    Q_EMIT tablesChanged();
    edit(0);
}

void TCupData::replaceContent(TCupContent content, const QString& newFileName) {
    m_history.clear();
    static_cast<TCupContent&>(*this) = std::move(content);
    fileName = newFileName;
    Q_EMIT tablesChanged();
    edit(0);
}

void TCupData::edit(int flag) {
    // Set first, so that the history's report of its new clean state tells nothing twice.
    m_changed = flag != 0;
    // A change that is no step (a restored cup) leaves the saved state of the history behind.
    if (flag == 0)
        m_history.setClean();
    else if (m_history.isClean())
        m_history.resetClean();
    Q_EMIT statusChanged();
}

void TCupData::setChanged(bool changed) {
    m_changed = changed;
    Q_EMIT statusChanged();
}

QString TCupData::statusFileText() const {
    return fileName.isEmpty() ? QStringLiteral("unbekannt") : fileName;
}

QString TCupData::statusChangedText() const {
    return m_changed ? QStringLiteral("geändert") : QString();
}

} // namespace rzv
