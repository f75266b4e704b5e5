#include "reports/dlv.h"

#include "cup/notation.h"
#include "reports/dlvcounts.h"
#include "reports/sheet.h"

#include <array>

namespace rzv {

namespace {

constexpr int kZeilenJeBlock = 16;
const QString kCreditZelle = QStringLiteral("Auswertung für Laufcups");

// The web address without its scheme, so that it fits the form's 31-character cell.
QString adresseOhneSchema() {
    const qsizetype at = kWebAdresse.indexOf(QStringLiteral("://"));
    return at < 0 ? kWebAdresse : kWebAdresse.mid(at + 3);
}

// The fields of the form: L left-aligned, R right-aligned, both cut to their width.
QString L(const QString& text, int width) {
    return linksbuendig(text, width);
}
QString R(const QString& text, int width) {
    return rechtsbuendig(text, width);
}
QString R(long long number, int width) {
    return rechtsbuendig(QString::number(number), width);
}
QString blanks(int count) {
    return QString(count, u' ');
}

// A count of the race's staff. The race editor always writes one; an empty cell (a file written
// elsewhere) counts as none rather than stopping the report. Wide, so that the total of three
// counts near the limit of a whole number does not overflow.
long long staffCount(const QString& text) {
    return text.isEmpty() ? 0 : toInt(text);
}

// The left column of the age-class lines: the form's labels for wind and equipment checks.
std::array<QString, kZeilenJeBlock> linkeSpalte(const QString& wind, const QString& geraete) {
    const QString leer = blanks(32);
    const QString strich(32, u'-');
    const QString windZeile = blanks(2) + L(wind, 29) + blanks(1);
    return {QStringLiteral("Windmessung:") + blanks(20),
            leer,
            QStringLiteral(" Lauf:") + blanks(26),
            windZeile,
            QStringLiteral(" Sprung:") + blanks(24),
            windZeile,
            leer,
            strich,
            QStringLiteral("Gerätekontrolle:") + blanks(16),
            leer,
            blanks(1) + L(geraete, 29) + blanks(2),
            leer,
            leer,
            leer,
            leer,
            strich};
}

// Counts and percentages as they stand in the value columns; blank beyond the last age group.
QString wert(int number, bool vorhanden) {
    return vorhanden ? R(number, 3) : blanks(3);
}

// Version 1: a female and a male line for each of the first 8 age groups.
std::array<QString, kZeilenJeBlock> altersklassenV1(const TCupContent& cup, const DlvZaehlung& z) {
    std::array<QString, kZeilenJeBlock> zeilen;
    long long untergrenze = 0; // wide: a "Maximalalter" at the limit of a whole number, plus 1
    for (int s = 1; s <= kZeilenJeBlock / 2; ++s) {
        const bool vorhanden = s < cup.ag.rowCount();
        QString labelW = blanks(16);
        QString labelM = blanks(16);
        DlvZaehlung::Gruppe g;
        if (vorhanden) {
            if (s > 1) untergrenze = toInt(cup.ag.cell(2, s - 1)) + 1LL;
            const QString spanne = R(QString::number(untergrenze) + u'-' + cup.ag.cell(2, s), 7);
            labelW = L(cup.ag.cell(0, s), 9) + spanne;
            labelM = L(cup.ag.cell(1, s), 9) + spanne;
            g = z.gruppen[static_cast<size_t>(s)];
        }
        const QString mitte = QStringLiteral(" |     | ");
        zeilen[2 * s - 2] = labelW + QStringLiteral(" | ") + wert(g.mw, vorhanden) + mitte +
                            wert(g.pw, vorhanden) + mitte +
                            wert(dlvProzent(g.pw, g.mw), vorhanden) + QStringLiteral(" |");
        zeilen[2 * s - 1] = labelM + mitte + wert(g.mm, vorhanden) + mitte + wert(g.pm, vorhanden) +
                            QStringLiteral(" | ") + wert(dlvProzent(g.pm, g.mm), vorhanden) +
                            QStringLiteral(" |");
    }
    return zeilen;
}

// Version 2: one line for each of the first 16 age groups, women and men side by side.
std::array<QString, kZeilenJeBlock> altersklassenV2(const TCupContent& cup, const DlvZaehlung& z) {
    std::array<QString, kZeilenJeBlock> zeilen;
    const QString trenner = QStringLiteral(" | ");
    for (int s = 1; s <= kZeilenJeBlock; ++s) {
        const bool vorhanden = s < cup.ag.rowCount();
        QString label = blanks(16);
        DlvZaehlung::Gruppe g;
        if (vorhanden) {
            label = L(cup.ag.cell(0, s) + u'/' + cup.ag.cell(1, s), 16);
            g = z.gruppen[static_cast<size_t>(s)];
        }
        const int prozent = dlvProzent(g.pw + g.pm, g.mw + g.mm);
        zeilen[s - 1] = label + trenner + wert(g.mw, vorhanden) + trenner + wert(g.mm, vorhanden) +
                        trenner + wert(g.pw, vorhanden) + trenner + wert(g.pm, vorhanden) +
                        trenner + wert(prozent, vorhanden) + QStringLiteral(" |");
    }
    return zeilen;
}

class DlvBericht {
public:
    DlvBericht(Ausgabe& ausgabe, const TCupContent& cup, int k)
        : m_ausgabe(ausgabe), m_cup(cup), m_k(k), m_zaehlung(dlvZaehlen(cup, k)) {}

    void schreiben(const std::array<QString, kZeilenJeBlock>& altersklassen) {
        m_ausgabe.clear();
        kopf();
        statistik(altersklassen);
        unterschriften();
    }

    const DlvZaehlung& zaehlung() const { return m_zaehlung; }

private:
    const QString& lauf(int row) const { return m_cup.laufe.cell(m_k, row); }
    void zeile(const QString& text) { m_ausgabe.p(kSchwarz, Stil::normal, 9, text); }

    void kopf() {
        zeile(QStringLiteral("      D L V      | Veranstalter:"));
        zeile(QStringLiteral(" Veranstaltungs- | ") + L(lauf(4), 31) +
              QStringLiteral(" | Datum  : ") + lauf(2));
        zeile(QStringLiteral("     bericht     | ") + L(lauf(5), 31) +
              QStringLiteral(" | Ort    : ") + lauf(10));
        zeile(blanks(17) + QStringLiteral("| ") + L(lauf(6), 31) + QStringLiteral(" | Kreis  : ") +
              lauf(11));
        zeile(QStringLiteral("  Veranst.-Nr.   | ") + L(lauf(7), 31) +
              QStringLiteral(" | Bezirk : ") + lauf(12));
        zeile(blanks(1) + L(lauf(kDlvNummer), 15) + QStringLiteral(" | Tel.: ") + L(lauf(8), 25) +
              QStringLiteral(" | Land   : ") + lauf(13));
        zeile(blanks(17) + QStringLiteral("| Fax.: ") + L(lauf(9), 25) + QStringLiteral(" |"));
        m_ausgabe.linie();
        zeile(QStringLiteral("Bez. der Veranst.: ") + L(m_cup.name, 55) + R(lauf(kLaufnummer), 2) +
              QStringLiteral(". Lauf"));
        zeile(QStringLiteral("Kategorie        : ") + kategorieTexts().value(m_cup.kategorie));
        zeile(QStringLiteral("Ausrichter       : ") + lauf(4));
        zeile(QStringLiteral("Wettkampfstätte  : ") + lauf(14));
        zeile(blanks(17) + QStringLiteral(": ") + lauf(15));
        m_ausgabe.linie();
    }

    void statistik(const std::array<QString, kZeilenJeBlock>& altersklassen) {
        const DlvZaehlung& z = m_zaehlung;
        const QString leer = blanks(32);
        const QString spalten =
            QStringLiteral("|------------------|-----------|-----------|-----|");
        zeile(QStringLiteral("Zeitmessung:") + blanks(20) +
              QStringLiteral("|Veranstaltungs-   | Meldung   | Teilnahme |  %  |"));
        zeile(leer + QStringLiteral("|statistik         |           |           |     |"));
        zeile(blanks(1) + L(lauf(16), 29) + blanks(2) + spalten);
        zeile(leer + QStringLiteral("|A. Vereine        |   ") + R(z.meldeVereine, 4) +
              QStringLiteral("    |   ") + R(z.teilnahmeVereine, 4) + QStringLiteral("    | ") +
              R(dlvProzent(z.teilnahmeVereine, z.meldeVereine), 3) + QStringLiteral(" |"));
        zeile(leer + spalten);
        zeile(QString(32, u'-') +
              QStringLiteral("|B. Altersklassen  |  w  |  m  |  w  |  m  |     |"));
        const auto links = linkeSpalte(lauf(17), lauf(18));
        for (int i = 0; i < kZeilenJeBlock; ++i)
            zeile(links[static_cast<size_t>(i)] + QStringLiteral("| ") +
                  altersklassen[static_cast<size_t>(i)]);
        summen();
        mitarbeiter();
    }

    void summen() {
        const DlvZaehlung& z = m_zaehlung;
        const QString mitte = QStringLiteral(" |     | ");
        zeile(QStringLiteral("EDV-Wettkampfdaten-             ") +
              QStringLiteral("|------------------|-----------|-----------|-----|"));
        zeile(QStringLiteral("verarbeitung:                   |Summe weiblich    | ") +
              R(z.summeMw, 3) + mitte + R(z.summePw, 3) + mitte +
              R(dlvProzent(z.summePw, z.summeMw), 3) + QStringLiteral(" |"));
        zeile(blanks(32) + QStringLiteral("|Summe männlich    |     | ") + R(z.summeMm, 3) + mitte +
              R(z.summePm, 3) + QStringLiteral(" | ") + R(dlvProzent(z.summePm, z.summeMm), 3) +
              QStringLiteral(" |"));
        const int meldungen = z.summeMw + z.summeMm;
        const int teilnahmen = z.summePw + z.summePm;
        zeile(QStringLiteral(" Rundenzeitverwalter            |Summe Teilnehmer  |   ") +
              R(meldungen, 4) + QStringLiteral("    |   ") + R(teilnahmen, 4) +
              QStringLiteral("    | ") + R(dlvProzent(teilnahmen, meldungen), 3) +
              QStringLiteral(" |"));
    }

    void mitarbeiter() {
        const long long summe = staffCount(lauf(19)) + staffCount(lauf(20)) + staffCount(lauf(21));
        const QString links = blanks(32);
        zeile(blanks(1) + L(kCreditZelle, 31) +
              QStringLiteral("|------------------|-----------------------------|"));
        zeile(blanks(1) + L(adresseOhneSchema(), 31) +
              QStringLiteral("|C. Mitarbeiter    |                             |"));
        zeile(links + QStringLiteral("| Wettk.-Büro/EDV  |   ") + R(lauf(21), 4) + blanks(22) +
              u'|');
        zeile(links + QStringLiteral("| Kampfrichter     |   ") + R(lauf(19), 4) +
              QStringLiteral("    Summe             |"));
        zeile(links + QStringLiteral("| Helfer           |   ") + R(lauf(20), 4) +
              QStringLiteral("    Mitarb. ") + R(summe, 4) + QStringLiteral("      |"));
    }

    void aufsicht(const QString& titel, int person, int telefon, int fax) {
        m_ausgabe.linie();
        zeile(titel + QStringLiteral("      Tel.: ") + L(lauf(telefon), 20) +
              QStringLiteral(" Fax: ") + L(lauf(fax), 20));
        zeile(L(lauf(person), 82));
        m_ausgabe.leerzeile();
    }

    void unterschriften() {
        aufsicht(QStringLiteral("Wettkampf-Leiter:"), 22, 23, 24);
        aufsicht(QStringLiteral("Verbandsaufsicht:"), 25, 26, 27);
        m_ausgabe.linie();
        zeile(QStringLiteral("Bemerkungen (z.B. Einspruch / nationale Rekorde):"));
        for (int row = 28; row <= 30; ++row)
            zeile(L(lauf(row), 82));
        m_ausgabe.leerzeile();
        m_ausgabe.linie();
        m_ausgabe.leerzeile();
        zeile(QStringLiteral(
            "Der Wettkampfleiter und die Verbandsaufsicht bestätigen für diese Veranstaltung"));
        zeile(QStringLiteral(
            "die ordnungsgemäße Anmeldung, die Einhaltung der Wettkampfbestimmungen (IWB) und"));
        zeile(QStringLiteral(
            "DLV-Veranstaltungsordnung (VAO) sowie die Richtigkeit und Vollständigkeit der im"));
        zeile(QStringLiteral("Veranstaltungsbericht und der Ergebnisliste gemachten Angaben."));
        for (int i = 0; i < 3; ++i)
            m_ausgabe.leerzeile();
        zeile(QStringLiteral(
            "        ---------------------------          ----------------------------"));
        zeile(QStringLiteral(
            "              Wettkampfleiter                      Verbandsaufsicht      "));
    }

    Ausgabe& m_ausgabe;
    const TCupContent& m_cup;
    const int m_k;
    const DlvZaehlung m_zaehlung;
};

} // namespace

void ausgabe_dlv(Ausgabe& ausgabe, const TCupContent& cup, int k) {
    DlvBericht bericht(ausgabe, cup, k);
    bericht.schreiben(altersklassenV1(cup, bericht.zaehlung()));
}

void ausgabe_dlv_2(Ausgabe& ausgabe, const TCupContent& cup, int k) {
    DlvBericht bericht(ausgabe, cup, k);
    bericht.schreiben(altersklassenV2(cup, bericht.zaehlung()));
}

} // namespace rzv
