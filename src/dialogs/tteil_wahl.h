#pragma once

#include <QDialog>

class QComboBox;
class QPushButton;

namespace rzv {

class TCellGrid;

// The participant chooser: asks for the start number of the participant whose certificate is
// printed, for a race or for the whole cup. Its caption says which; the start number may be
// picked or typed, and is compared as text.
class Tteil_wahl : public QDialog {
    Q_OBJECT
public:
    explicit Tteil_wahl(QWidget* parent);

    static inline const QString kRaceCaption = QStringLiteral("Teilnehmer auswählen");
    static inline const QString kCupCaption = QStringLiteral("Teilnehmer auswählen (Gesamtcup)");

    // Shows the chooser with the given caption and the start numbers of all participants,
    // sorted as text; the typed text stays.
    void oeffnen(const QString& caption, const TCellGrid& teil);
    // "Auswählen": hides the chooser and asks for the certificate its caption names.
    void klickClick();

    QComboBox* teil_wahl_box;
    QPushButton* klick;

Q_SIGNALS:
    void raceCertificateChosen(const QString& startNumber);
    void cupCertificateChosen(const QString& startNumber);
};

} // namespace rzv
