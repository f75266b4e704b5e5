#include "publish/publishtables.h"

#include "cup/notation.h"
#include "cup/textorder.h"
#include "publish/csvtable.h"

namespace rzv {

namespace {

// The columns that name a participant's group: the cup variation only in a cup that has any.
QStringList gruppenkopf(bool mitCup) {
    return mitCup ? QStringList{QStringLiteral("Cup"), QStringLiteral("Altersgruppe")}
                  : QStringList{QStringLiteral("Altersgruppe")};
}

QStringList gruppe(const TCupContent& cup, const Gruppe& g) {
    return cup.hasCupVariations() ? QStringList{cup.cv.cell(0, g.cvZeile), g.bezeichnung}
                                  : QStringList{g.bezeichnung};
}

QString platzText(int platz) {
    return platz > 0 ? QString::number(platz) : QString();
}

} // namespace

QByteArray laufergebnisTabelle(const Seitendaten& daten, const Listen& listen, int k) {
    const TCupContent& cup = daten.cup();
    const TCellGrid& teil = cup.teil;
    CsvTabelle tabelle;
    tabelle.zeile(gruppenkopf(cup.hasCupVariations()) +
                  QStringList{QStringLiteral("Platz"), QStringLiteral("Name"),
                              QStringLiteral("Vorname"), QStringLiteral("Verein"),
                              QStringLiteral("Ergebnis"), QStringLiteral("Punkte")});
    for (const Gruppenliste& liste : listen)
        for (const Listenzeile& z : liste.zeilen)
            tabelle.zeile(gruppe(cup, *liste.gruppe) +
                          QStringList{platzText(z.platz), teil.cell(kName, z.p),
                                      teil.cell(kVorname, z.p), teil.cell(kVerein, z.p),
                                      abk2volltext(daten.ergebnis(k, z.p)), daten.wertung(k, z.p)});
    return tabelle.bytes();
}

QByteArray gesamtstandTabelle(const Seitendaten& daten, const Listen& listen, int n) {
    const TCupContent& cup = daten.cup();
    const TCellGrid& teil = cup.teil;
    CsvTabelle tabelle;
    QStringList kopf = gruppenkopf(cup.hasCupVariations()) +
                       QStringList{QStringLiteral("Platz"), QStringLiteral("Name"),
                                   QStringLiteral("Vorname"), QStringLiteral("Jahrgang"),
                                   QStringLiteral("Verein")};
    for (int k = 1; k <= n; ++k)
        kopf << QStringLiteral("Lauf %1").arg(k);
    tabelle.zeile(kopf << QStringLiteral("Gesamt"));
    for (const Gruppenliste& liste : listen) {
        for (const Listenzeile& z : liste.zeilen) {
            QStringList felder = gruppe(cup, *liste.gruppe) +
                                 QStringList{platzText(z.platz), teil.cell(kName, z.p),
                                             teil.cell(kVorname, z.p),
                                             copyChars(teil.cell(kGeburtsdatum, z.p), 7, 4),
                                             teil.cell(kVerein, z.p)};
            for (int k = 1; k <= n; ++k)
                felder << daten.wertung(k, z.p);
            tabelle.zeile(felder << z.wert);
        }
    }
    return tabelle.bytes();
}

} // namespace rzv
