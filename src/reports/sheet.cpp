#include "reports/sheet.h"

#include "cup/cupdata.h"

#include <new>

namespace rzv {

void Ausgabe::p(const QColor& farbe, Stile stil, int groesse, const QString& text) {
    m_zeilen.append(Zeile{text, farbe, stil, groesse});
    // In blocks: the kept lines move to the front of the list once per block.
    if (m_abnehmer && m_zeilen.size() >= kAbgabeblock + kZurueckgehalten)
        abgebenBis(m_zeilen.size() - kZurueckgehalten);
}

void Ausgabe::abgeben() {
    if (m_abnehmer) abgebenBis(m_zeilen.size());
}

void Ausgabe::abgebenBis(qsizetype anzahl) {
    m_abnehmer(std::span<const Zeile>(m_zeilen.constData(), static_cast<size_t>(anzahl)));
    m_zeilen.remove(0, anzahl);
}

void Ausgabe::d(int n) {
    if (n < 0) {
        const qsizetype count = std::min<qsizetype>(-qsizetype(n), m_zeilen.size());
        m_zeilen.resize(m_zeilen.size() - count);
    } else if (n < m_zeilen.size()) {
        m_zeilen.removeAt(n);
    }
}

void Ausgabe::leerzeile() {
    p(kSchwarz, Stil::normal, 9, QStringLiteral(" "));
}

void Ausgabe::doppellinie() {
    p(kSchwarz, Stil::normal, 9, QString(kZeilenbreite, u'='));
}

void Ausgabe::linie() {
    p(kSchwarz, Stil::normal, 9, QString(kZeilenbreite, u'-'));
}

void Ausgabe::reserve(int lines) {
    if (m_abnehmer) return;
    // When the memory runs out, Qt's list copies its present lines into nothing. A new, empty
    // list is left without room instead, which is told as the standard library tells it.
    QList<Zeile> groesser;
    groesser.reserve(lines);
    if (groesser.capacity() < lines) throw std::bad_alloc();
    groesser.append(m_zeilen);
    m_zeilen.swap(groesser);
}

void Ausgabe::clear() {
    m_zeilen.clear();
}

void Ausgabe::setText(int i, const QString& text) {
    m_zeilen[i].text = text;
}

QStringList Ausgabe::texte() const {
    QStringList result;
    result.reserve(m_zeilen.size());
    for (const Zeile& zeile : m_zeilen)
        result.append(zeile.text);
    return result;
}

QString linksbuendig(const QString& text, int width) {
    if (text.size() >= width) return text.left(width);
    QString field = text;
    field.resize(width, u' ');
    return field;
}

QString rechtsbuendig(const QString& text, int width) {
    if (text.size() >= width) return text.left(width);
    QString field;
    field.reserve(width);
    field.resize(width - text.size(), u' ');
    field.append(text);
    return field;
}

void feldSchliessen(QString& zeile, qsizetype anfang, int width) {
    zeile.resize(anfang + width, u' ');
}

void linksAnhaengen(QString& zeile, QStringView text, int width) {
    const qsizetype anfang = zeile.size();
    zeile.append(text.left(width));
    feldSchliessen(zeile, anfang, width);
}

void rechtsAnhaengen(QString& zeile, QStringView text, int width) {
    if (text.size() < width) zeile.resize(zeile.size() + width - text.size(), u' ');
    zeile.append(text.left(width));
}

void berichtskopfOhneLeerzeile(Ausgabe& ausgabe, const TCupContent& cup) {
    ausgabe.p(kSchwarz, Stil::fett, 14, cup.veranstalter);
    ausgabe.p(kSchwarz, Stil::normal, 14, cup.name);
}

void berichtskopf(Ausgabe& ausgabe, const TCupContent& cup) {
    berichtskopfOhneLeerzeile(ausgabe, cup);
    ausgabe.leerzeile();
}

void berichtsfuss(Ausgabe& ausgabe) {
    // The whole program speaks German, whatever the machine's locale.
    const QDateTime jetzt = ausgabe.jetzt();
    const QString einrueckung(24, u' ');
    ausgabe.leerzeile();
    ausgabe.doppellinie();
    ausgabe.p(kSchwarz, Stil::normal, 9,
              QStringLiteral("Statistik erstellt am : ") +
                  jetzt.toString(QStringLiteral("dd.MM.yyyy")) + QStringLiteral(" um ") +
                  jetzt.toString(QStringLiteral("HH:mm:ss")) + u'.');
    ausgabe.p(kSchwarz, Stil::normal, 9, einrueckung + kCredit);
    ausgabe.p(kSchwarz, Stil::normal, 9, einrueckung + kWebAdresse);
}

} // namespace rzv
