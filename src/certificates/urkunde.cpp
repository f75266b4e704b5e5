#include "certificates/urkunde.h"

#include "cup/notation.h"

#include <cmath>

namespace rzv {

namespace {

const QString kJobTitle = QStringLiteral("RZV Ausdruck");
const QString kFontName = QStringLiteral("Times New Roman");
// The signatory of the style "2. Kranichseer Wiesenlauf"; the settings add to it.
const QString kStyle2Signatory = QStringLiteral("Die Laufleitung");
constexpr int kMinimumFontHeight = 1;
// The row "Ort:" of the race table.
constexpr int kOrtRow = 10;

QString ageGroupLine(const QString& ageGroup, const QString& cupVariation) {
    return cupVariation.isEmpty() ? ageGroup : ageGroup + QStringLiteral(" - ") + cupVariation;
}

} // namespace

const QStringList& certificateStyleNames() {
    static const QStringList names = {QStringLiteral("Standard Stil - 1. SV Nordhafen e.V."),
                                      QStringLiteral("Standard Stil - frei"),
                                      QStringLiteral("Standard Stil - 2. Kranichseer Wiesenlauf")};
    return names;
}

int nearestEven(double x) {
    const double lower = std::floor(x);
    const double fraction = x - lower;
    double result = fraction < 0.5 ? lower : lower + 1;
    if (fraction == 0.5) result = std::fmod(lower, 2.0) == 0 ? lower : lower + 1;
    return static_cast<int>(result);
}

// The texts that differ between the race and the cup certificate of the runner styles.
struct CertificatePages::FrameTexts {
    QString place;
    QString inLine;   // "im" or "in der"
    QString raceLine; // "<k>. Lauf" or "Gesamtwertung"
    QString ageGroup; // with the cup variation
    QString name;
    QString club;
    QString lastLine; // the result or the points
};

CertificatePages::CertificatePages(CertificateCanvas& canvas, const TCupContent& cup,
                                   CertificateSettings settings,
                                   const CertificatePictures& pictures, QDate today)
    : m_canvas(canvas), m_cup(cup), m_settings(std::move(settings)), m_pictures(pictures),
      m_today(today.toString(QStringLiteral("dd.MM.yyyy"))) {}

void CertificatePages::beginJob() {
    m_canvas.beginJob(kJobTitle);
    m_pageCounter = 1;
}

void CertificatePages::urkundezeile(const QString& text, double x1, double y, double x2,
                                    int alignment) {
    if (x1 > x2) x2 = 2 * x1 - x2;
    const double width = x2 - x1;
    int height = std::max(kMinimumFontHeight, nearestEven(width * 0.2));
    m_canvas.setFontHeight(height);
    while (m_canvas.textWidth(text) > width && height > kMinimumFontHeight)
        m_canvas.setFontHeight(--height);
    const int textWidth = m_canvas.textWidth(text);
    double x = x1;
    if (alignment == 1)
        x = x1 + (width - textWidth) * 0.5;
    else if (alignment == 2)
        x = x2 - textWidth;
    m_canvas.drawText(nearestEven(x), nearestEven(y), text);
}

// The first certificate of a job uses the job's open page; every further one starts a page.
void CertificatePages::startPage() {
    if (m_pageCounter > 1) m_canvas.newPage();
    ++m_pageCounter;
}

void CertificatePages::setTextFont() {
    m_canvas.setFontName(kFontName);
    m_canvas.setFontColor(Qt::black);
}

void CertificatePages::drawLines(const QList<Line>& lines) {
    for (const Line& line : lines)
        urkundezeile(line.text, line.x1, line.y, line.x2, 1);
}

void CertificatePages::urkunde(const RaceCertificate& certificate) {
    startPage();
    switch (m_settings.style) {
    case 0:
    case 1:
        drawRunnerFrame({certificate.place, QStringLiteral("im"),
                         certificate.race + QStringLiteral(". Lauf"),
                         ageGroupLine(certificate.ageGroup, certificate.cupVariation),
                         certificate.name, certificate.club, certificate.result});
        break;
    case 2:
        drawStyle2(certificate);
        break;
    default:
        break;
    }
}

void CertificatePages::gesamturkunde(const CupCertificate& certificate) {
    startPage();
    if (m_settings.style != 0 && m_settings.style != 1) return;
    drawRunnerFrame({certificate.place, QStringLiteral("in der"), QStringLiteral("Gesamtwertung"),
                     ageGroupLine(certificate.ageGroup, certificate.cupVariation), certificate.name,
                     certificate.club, certificate.points + QStringLiteral(" Punkten")});
}

// Styles 0 and 1: the runner picture on the left, the lines in a column to its right. Style 1
// leaves out the club, "mit" and the result and spaces the middle lines wider.
void CertificatePages::drawRunnerFrame(const FrameTexts& texts) {
    const QSize page = m_canvas.pageSize();
    const int W = page.width();
    const int H = page.height();
    const int m = W / 20;
    const bool full = m_settings.style == 0;
    m_canvas.drawImage(QRect(m, H / 3, W / 4, H / 2),
                       full ? m_pictures.laufer : m_pictures.lauferLeer);
    setTextFont();

    const int L = W / 4 + m;
    auto inset = [&](const QString& text, int k, int y) {
        return Line{text, double(L + W / k), double(W - m - W / k), double(y * m)};
    };
    auto fullWidth = [&](const QString& text, int y) {
        return Line{text, double(m), double(W - m), double(y * m)};
    };
    auto signatory = [&](const QString& text, int y) {
        return Line{text, double(2 * (W / 4) + m), double(W - m - W / 4), double(y * m)};
    };
    const int shift = full ? 0 : 1;
    QList<Line> lines = {
        fullWidth(m_cup.name, 1),
        fullWidth(QStringLiteral("Urkunde"), 3),
        inset(QStringLiteral("den ") + texts.place + QStringLiteral(". Platz"), 10, 7),
        inset(texts.inLine, 5, 9),
        inset(texts.raceLine, 8, 10 + shift),
        inset(QStringLiteral("der Altersgruppe"), 6, 12 + shift),
        inset(texts.ageGroup, 7, 14 + shift),
        inset(QStringLiteral("belegte"), 5, 16 + shift),
        inset(texts.name, 9, 18 + shift),
    };
    if (full) {
        lines += {inset(QStringLiteral("(") + texts.club + QStringLiteral(")"), 5, 20),
                  inset(QStringLiteral("mit"), 5, 21), inset(texts.lastLine, 5, 22)};
    }
    lines +=
        {inset(QStringLiteral("Herzlichen Glückwunsch"), 8, full ? 24 : 21),
         signatory(m_settings.unter1, full ? 26 : 24), signatory(m_settings.unter2, full ? 27 : 25),
         Line{m_today, double(2 * (W / 5) + m), double(W - m - 2 * (W / 5)), double(27 * m)}};
    drawLines(lines);
}

// Style 2: a grid of twentieths of the area inside the margin, the event logo below the title
// and a row of sponsor logos above the place, date and signatures.
void CertificatePages::drawStyle2(const RaceCertificate& certificate) {
    const QSize page = m_canvas.pageSize();
    const int W = page.width();
    const int H = page.height();
    const int m = W / 20;
    const int Hs = (W - 2 * m) / 20;
    const int Vs = (H - 2 * m) / 20;
    setTextFont();

    auto y = [&](double j) { return j * Vs + m; };
    auto inset = [&](const QString& text, int j, double row) {
        return Line{text, double(j * Hs + m), double(W - m - j * Hs), y(row)};
    };
    auto x = [&](double j) { return nearestEven(j * Hs + m); };
    auto size = [&](double j) { return nearestEven(j * Hs); };

    urkundezeile(QStringLiteral("Urkunde"), 5 * Hs + m, m, W - m - 5 * Hs, 1);
    m_canvas.drawImage(QRect(x(6.75), nearestEven(1.85 * Vs + m), size(6.75), size(5.4)),
                       m_pictures.eventLogo);
    drawLines({
        inset(QStringLiteral("den"), 8, 5.5),
        inset(certificate.place + QStringLiteral(". Platz"), 5, 6),
        inset(QStringLiteral("in der Altersklasse"), 7, 7.5),
        inset(certificate.ageGroup, 8, 8.5),
        inset(QStringLiteral("über"), 8, 9.5),
        inset(certificate.distance, 8, 10.5),
        inset(QStringLiteral("belegte"), 8, 11.5),
        inset(certificate.name, 5, 12.5),
        inset(QStringLiteral("(") + certificate.club + QStringLiteral(")"), 7, 14),
        inset(QStringLiteral("in der Zeit von"), 8, 15),
        inset(certificate.result, 8, 16),
    });

    const int logoTop = nearestEven(y(17));
    const auto& sponsors = m_pictures.sponsorLogos;
    m_canvas.drawImage(QRect(m, logoTop, Hs, size(1.47)), sponsors[0]);
    m_canvas.drawImage(QRect(x(1.3), logoTop, size(2.5), size(0.925)), sponsors[1]);
    m_canvas.drawImage(QRect(x(4.1), logoTop, size(2.5), Hs), sponsors[2]);
    m_canvas.drawImage(QRect(x(6.9), logoTop, 2 * Hs, size(1.34)), sponsors[3]);
    m_canvas.drawImage(QRect(x(9.2), logoTop, size(5.5), size(0.935)), sponsors[4]);
    m_canvas.drawImage(QRect(x(15), logoTop, size(3.5), size(1.365)), sponsors[5]);
    m_canvas.drawImage(QRect(x(18.8), logoTop, size(1.5), size(1.71)), m_pictures.clubLogo);

    const QString venue = m_cup.laufe.cell(readInt(certificate.race).value_or(-1), kOrtRow);
    drawLines({
        Line{venue + QStringLiteral(", den ") + m_today, double(m), double(W - m - 14 * Hs), y(19)},
        Line{kStyle2Signatory + m_settings.unter1, double(16 * Hs + m), double(W - m), y(19)},
        Line{QStringLiteral("Leiter Abt. Leichtathletik") + m_settings.unter2, double(16 * Hs + m),
             double(W - m), y(19.5)},
    });
}

} // namespace rzv
