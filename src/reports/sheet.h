#pragma once

#include "cup/product.h"

#include <QColor>
#include <QDateTime>
#include <QFlags>
#include <QList>
#include <QString>
#include <functional>
#include <span>

namespace rzv {

struct TCupContent;

// The style of one sheet line: any combination of bold, italic and underline.
enum class Stil : unsigned { normal = 0, fett = 1, kursiv = 2, unterstrichen = 4 };
Q_DECLARE_FLAGS(Stile, Stil)
Q_DECLARE_OPERATORS_FOR_FLAGS(Stile)

inline const QColor kSchwarz{Qt::black};

// The product's web address and credit, written into the report foot (and linked in HTML pages).
inline const QString kWebAdresse = QStringLiteral("https://rundenzeitverwalter.example.org");
inline const QString kCredit = QStringLiteral("Erstellt mit Rundenzeitverwalter");

// All reports are laid out for lines of this many characters in a fixed-pitch font.
constexpr int kZeilenbreite = 82;
inline const QString kSheetFont = QStringLiteral("Courier New");

// One line of the output sheet; colour, style and size apply to the whole line.
struct Zeile {
    QString text;
    QColor farbe;
    Stile stil;
    int groesse = 9;

    bool operator==(const Zeile&) const = default;
};

// The output sheet every report is written into, line by line: previewed on the "Ausgabe" tab,
// printed, or exported as an HTML page.
class Ausgabe {
public:
    // Appends one line.
    void p(const QColor& farbe, Stile stil, int groesse, const QString& text);
    // n < 0: deletes the last -n lines (as many as there are); n >= 0: deletes line n, if any.
    void d(int n);
    // A blank line is one blank, not an empty text.
    void leerzeile();
    void doppellinie();
    void linie();
    void clear();
    // Room for this many lines, for reports that know their length in advance. Throws
    // std::bad_alloc when the memory does not hold them.
    void reserve(int lines);

    const QList<Zeile>& zeilen() const { return m_zeilen; }
    int count() const { return int(m_zeilen.size()); }
    bool isEmpty() const { return m_zeilen.isEmpty(); }
    const Zeile& zeile(int i) const { return m_zeilen.at(i); }
    // Replaces the text of line i, keeping its attributes (the HTML export converts in place).
    void setText(int i, const QString& text);
    // The texts of all lines, in order.
    QStringList texte() const;

    // Hands the lines on as they are written instead of keeping them all, for output that only
    // runs forward (rzv's lines on standard output); the statistics of all participants are
    // hundreds of thousands of lines. The sheet keeps the last kZurueckgehalten lines, which a
    // report may still delete with d(-n), and hands older ones to the taker in blocks; abgeben()
    // hands on the rest. Meanwhile count(), zeile() and d(n >= 0) see the kept lines only, and
    // reserve() reserves nothing.
    using Abnehmer = std::function<void(std::span<const Zeile>)>;
    void setAbnehmer(Abnehmer abnehmer) { m_abnehmer = std::move(abnehmer); }
    void abgeben();
    static constexpr int kZurueckgehalten = 16;
    static constexpr int kAbgabeblock = 4096; // lines handed on at a time

    // The clock that dates the report foot; tests set a fixed one.
    void setUhr(std::function<QDateTime()> uhr) { m_uhr = std::move(uhr); }
    QDateTime jetzt() const { return m_uhr(); }

private:
    void abgebenBis(qsizetype anzahl);

    QList<Zeile> m_zeilen;
    Abnehmer m_abnehmer;
    std::function<QDateTime()> m_uhr = [] { return QDateTime::currentDateTime(); };
};

// Fields of a fixed width: padded with blanks at the right (left-aligned) or at the left
// (right-aligned), then cut to the first `width` characters.
QString linksbuendig(const QString& text, int width);
QString rechtsbuendig(const QString& text, int width);
// The same fields appended to a line, for reports that write a line per participant without a
// text of its own for every field. feldSchliessen cuts or pads what was appended since `anfang`
// to `width` characters, for a field put together from several pieces.
void linksAnhaengen(QString& zeile, QStringView text, int width);
void rechtsAnhaengen(QString& zeile, QStringView text, int width);
void feldSchliessen(QString& zeile, qsizetype anfang, int width);

// The head of the race, standings and participant reports: organiser (bold 14), cup name
// (plain 14) and, for berichtskopf, a blank line.
void berichtskopfOhneLeerzeile(Ausgabe& ausgabe, const TCupContent& cup);
void berichtskopf(Ausgabe& ausgabe, const TCupContent& cup);
// The foot: blank line, double rule, creation date and time (always German notation), the credit
// and the web address.
void berichtsfuss(Ausgabe& ausgabe);

} // namespace rzv
