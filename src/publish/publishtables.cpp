#include "publish/publishtables.h"

#include "cup/notation.h"
#include "cup/textorder.h"
#include "publish/csvtable.h"

namespace rzv {

namespace {

QStringList gruppe(const TCupContent& cup, const Gruppe& g) {
    const bool mitCup = cup.hasCupVariations();
    return gruppenfelder(mitCup, mitCup ? cup.cv.cell(0, g.cvZeile) : QString(), g.bezeichnung);
}

QStringList gruppenkopf(const TCupContent& cup) {
    return gruppenfelder(cup.hasCupVariations(), QStringLiteral("Cup"), QStringLiteral("Altersgruppe"));
}

} // namespace

QByteArray laufergebnisTabelle(const Seitendaten& daten, const Listen& listen, int k) {
    const TCupContent& cup = daten.cup();
    const TCellGrid& teil = cup.teil;
    CsvTabelle tabelle;
    tabelle.zeile(gruppenkopf(cup) +
                  QStringList{QStringLiteral("Platz"), QStringLiteral("Name"),
                              QStringLiteral("Vorname"), QStringLiteral("Verein"),
                              QStringLiteral("Ergebnis"), QStringLiteral("Punkte")});
    for (const Gruppenliste& liste : listen)
        for (const Listenzeile& z : liste.zeilen)
            tabelle.zeile(gruppe(cup, *liste.gruppe) +
                          QStringList{platzfeldCsv(z.platz), teil.cell(kName, z.p),
                                      teil.cell(kVorname, z.p), teil.cell(kVerein, z.p),
                                      abk2volltext(daten.ergebnis(k, z.p)), daten.wertung(k, z.p)});
    return tabelle.bytes();
}

QByteArray gesamtstandTabelle(const Seitendaten& daten, const Listen& listen, int n) {
    const TCupContent& cup = daten.cup();
    const TCellGrid& teil = cup.teil;
    CsvTabelle tabelle;
    QStringList kopf = gruppenkopf(cup) +
                       QStringList{QStringLiteral("Platz"), QStringLiteral("Name"),
                                   QStringLiteral("Vorname"), QStringLiteral("Jahrgang"),
                                   QStringLiteral("Verein")};
    for (int k = 1; k <= n; ++k)
        kopf << QStringLiteral("Lauf %1").arg(k);
    tabelle.zeile(kopf << QStringLiteral("Gesamt"));
    for (const Gruppenliste& liste : listen) {
        for (const Listenzeile& z : liste.zeilen) {
            QStringList felder = gruppe(cup, *liste.gruppe) +
                                 QStringList{platzfeldCsv(z.platz), teil.cell(kName, z.p),
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
