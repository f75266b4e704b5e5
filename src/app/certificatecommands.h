#pragma once

#include <QString>
#include <functional>

namespace rzv {

class CertificatePages;
class Tw;

// The certificate runs of the race table's context menu, printed on the printer chosen under
// "&Druckereinstellungen" with the style and signatory lines of the certificate settings.
// A run on the caption column prints nothing.
class CertificateCommands {
public:
    explicit CertificateCommands(Tw& w) : m_w(w) {}

    void siegerurkunde(int race);
    void teilnehmerurkunde(int race, const QString& startNumber);
    void gesamtsiegerurkunde(int race);
    void gesamtteilnehmerurkunde(int race, const QString& startNumber);

private:
    void run(const std::function<void(CertificatePages&)>& print);

    Tw& m_w;
};

} // namespace rzv
