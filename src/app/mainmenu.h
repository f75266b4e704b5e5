#pragma once

#include <QObject>

class QAction;

namespace rzv {

class HistoryActions;
class Tw;

// The main menu: "&Datei", "&Bearbeiten", "&Einstellungen" and "&Hilfe".
class MainMenu : public QObject {
    Q_OBJECT
public:
    explicit MainMenu(Tw& w);

    QAction* neu;
    QAction* laden;
    QAction* speichern;
    QAction* speichernunter;
    QAction* veroeffentlichen;
    QAction* importieren;
    QAction* beenden;
    HistoryActions* bearbeiten; // undo and redo
    QAction* doppelte;          // runners entered twice
    QAction* vereine;           // club spellings
    QAction* m_e_d; // printer setup
    QAction* m_e_h; // HTML settings
    QAction* m_e_u; // certificate settings
    QAction* m_e_m; // team ranking settings
    QAction* m_h_b; // about box

    void m_e_dClick();
    void m_e_hClick();
    void m_e_uClick();
    void m_h_bClick();

private:
    Tw& m_w;
};

} // namespace rzv
