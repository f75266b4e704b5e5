#pragma once

#include <QString>
#include <functional>

namespace rzv {

class Prompt;
class TCupData;

// The commands of the "&Datei" menu. Before unsaved changes are given up the user is asked;
// a command that fails shows its message and leaves the cup as it was.
class FileCommands {
public:
    // resetWindow runs before a new cup is started (the window clears what belongs to the old).
    FileCommands(TCupData& cup, Prompt& prompt, std::function<void()> resetWindow);

    void neu();
    void laden();
    void speichern();
    void speichernUnter();
    // True when the window may close (nothing unsaved, or the user agreed).
    bool mayClose();

    // Loads the named file without asking (a file given on the command line).
    bool ladenDatei(const QString& path);

private:
    bool mayDiscard(const QString& action);
    std::function<void(const QString&)> showError();
    bool saveAs();
    bool saveToFileName();

    TCupData& m_cup;
    Prompt& m_prompt;
    std::function<void()> m_resetWindow;
};

} // namespace rzv
