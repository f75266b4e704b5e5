#pragma once

#include "certificates/certificatecanvas.h"
#include "certificates/certificatepictures.h"
#include "cup/cupdata.h"

#include <QDate>
#include <QString>

namespace rzv {

// The settings of the certificate settings dialog, as they stand when a page is drawn.
struct CertificateSettings {
    int style = 0; // 0, 1 or 2; any other value draws empty pages
    QString unter1;
    QString unter2;
};

// The texts of a race certificate.
struct RaceCertificate {
    QString place;
    QString race; // the race number
    QString ageGroup;
    QString cupVariation; // may be empty
    QString distance;     // the cup variation's distance, may be empty
    QString name;
    QString club;
    QString result;
};

// The texts of a cup certificate.
struct CupCertificate {
    QString place;
    QString ageGroup;
    QString cupVariation;
    QString name;
    QString club;
    QString points;
};

// The style names, in the order of their numbers.
const QStringList& certificateStyleNames();

// Whole number nearest to x, a half going to the even neighbour.
int nearestEven(double x);

// Draws certificates into one print job: each certificate is one page in the chosen style,
// every position computed from the printable page size, so a page looks alike at any printer
// resolution.
class CertificatePages {
public:
    CertificatePages(CertificateCanvas& canvas, const TCupContent& cup,
                     CertificateSettings settings, const CertificatePictures& pictures,
                     QDate today);

    // One print job "RZV Ausdruck" for the lifetime of the object; the page counter restarts
    // at 1. The job is ended however the run ends.
    class Job {
    public:
        explicit Job(CertificatePages& pages) : m_pages(pages) { m_pages.beginJob(); }
        ~Job() { m_pages.m_canvas.endJob(); }
        Job(const Job&) = delete;
        Job& operator=(const Job&) = delete;

    private:
        CertificatePages& m_pages;
    };

    // One text line fitted into the box x1..x2 with its cell top at y: the font height starts
    // at a fifth of the box width and shrinks until the text fits (down to 1 pixel).
    // Alignment 1 centres, 2 aligns right, anything else aligns left.
    void urkundezeile(const QString& text, double x1, double y, double x2, int alignment);

    void urkunde(const RaceCertificate& certificate);
    void gesamturkunde(const CupCertificate& certificate);

    int pageCounter() const { return m_pageCounter; }

private:
    struct Line {
        QString text;
        double x1;
        double x2;
        double y;
    };
    void startPage();
    void setTextFont();
    void drawLines(const QList<Line>& lines);
    struct FrameTexts;
    void beginJob();
    void drawRunnerFrame(const FrameTexts& texts);
    void drawStyle2(const RaceCertificate& certificate);

    CertificateCanvas& m_canvas;
    const TCupContent& m_cup;
    CertificateSettings m_settings;
    const CertificatePictures& m_pictures;
    QString m_today;
    int m_pageCounter = 1;
};

} // namespace rzv
