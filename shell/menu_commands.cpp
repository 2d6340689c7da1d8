#include "shell/menu_commands.h"

#include "highscores/high_score_store.h"
#include "platform/qt/window_printer.h"
#include "shell/command_messages.h"
#include "shell/main_window_controller.h"
#include "ui/about_dialog.h"
#include "ui/form1.h"
#include "ui/help_window.h"
#include "ui/message_box.h"

#include <QDialogButtonBox>
#include <QFileInfo>
#include <QPrintDialog>
#include <QPushButton>

namespace zandor {

MenuCommands::MenuCommands(Parts parts) : parts_(std::move(parts)) {
    using ui::Form1;
    // A click held back during a call's sound may arrive after the close: it opens nothing.
    const auto unlessClosing = [this](void (MenuCommands::*command)()) {
        return [this, command] {
            if (!parts_.window.closing()) {
                (this->*command)();
            }
        };
    };
    connect(&parts_.form, &Form1::scoreClicked, this, unlessClosing(&MenuCommands::score_Click));
    connect(&parts_.form, &Form1::pageSetupClicked, this,
            unlessClosing(&MenuCommands::mnuFilePageSetup_Click));
    connect(&parts_.form, &Form1::helpContentsClicked, this,
            unlessClosing(&MenuCommands::mnuHelpContents_Click));
    connect(&parts_.form, &Form1::helpAboutClicked, this,
            unlessClosing(&MenuCommands::mnuHelpAbout_Click));
}

MenuCommands::~MenuCommands() = default;

void MenuCommands::score_Click() {
    // The score is not looked at when only viewing.
    parts_.scores.ShowHighScores(0, kHighScoreTitle, parts_.highScoreFile.toStdString(), true);
}

void MenuCommands::mnuFilePageSetup_Click() {
    QPrintDialog dialog(&parts_.printer.printer(), &parts_.form);
    dialog.setObjectName("pageSetupDialog");
    dialog.setWindowTitle("Page Setup");
    // Qt's dialog names its confirm button Print; here it only chooses the printer.
    if (auto* buttons = dialog.findChild<QDialogButtonBox*>()) {
        if (QPushButton* confirm = buttons->button(QDialogButtonBox::Ok)) {
            confirm->setText("OK");
        }
    }
    // Confirming keeps the choice in the printer the print command uses; cancelling leaves
    // it as it was, and neither says anything.
    dialog.exec();
}

void MenuCommands::mnuHelpContents_Click() {
    // No help file set, or one that is missing or cannot be read: there is no help to show.
    const QFileInfo help(parts_.helpFile);
    if (!help.isFile() || !help.isReadable()) {
        ui::showInformation(&parts_.form, "Unable to display Help Contents. There is no Help "
                                          "associated with this project.");
        return;
    }
    if (help_ == nullptr) {
        help_ = std::make_unique<ui::HelpWindow>();
    }
    help_->showContents(parts_.helpFile);
}

void MenuCommands::mnuHelpAbout_Click() {
    // QDialog centres itself over its owner when shown.
    ui::frmAbout about(parts_.pictures, &parts_.form);
    connect(&about, &ui::frmAbout::cmdSysInfoClicked, &about, [this, &about] {
        const QString unavailable = startSystemInfo(parts_.launcher);
        if (!unavailable.isEmpty()) {
            ui::showMessage(&about, unavailable);
        }
    });
    about.exec();
}

} // namespace zandor
