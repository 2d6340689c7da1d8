// The commands of the File and Help menus beside the game's own: the high-score table, the
// printer dialog, the help and the About box. None runs once the window's close has begun.
#pragma once

#include <QObject>
#include <QString>
#include <memory>

namespace zandor {

class MainWindowController;
class Module2;
class SystemInfoLauncher;
class WindowPrinter;

namespace ui {
class Form1;
class HelpWindow;
class Pictures;
} // namespace ui

class MenuCommands : public QObject {
    Q_OBJECT
public:
    struct Parts {
        ui::Form1& form;
        const MainWindowController& window; // knows whether the close has begun
        Module2& scores;
        QString highScoreFile; // MYGAME.INI's full path
        WindowPrinter& printer;
        const ui::Pictures& pictures;
        SystemInfoLauncher& launcher;
        QString helpFile; // the help file setting: empty when there is no help
    };

    explicit MenuCommands(Parts parts);
    ~MenuCommands() override;

    void score_Click(); // File, Hi-Scores and the scorebutton
    void mnuFilePageSetup_Click();
    void mnuHelpContents_Click();
    void mnuHelpAbout_Click();

private:
    Parts parts_;
    // Made when first asked for. A window of its own, not the main window's: a compositor that
    // gives the keyboard to a window's last child would otherwise keep it in the help.
    std::unique_ptr<ui::HelpWindow> help_;
};

} // namespace zandor
