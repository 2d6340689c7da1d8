#include "shell/menu_commands.h"

#include "highscores/high_score_store.h"
#include "platform/qt/window_printer.h"
#include "ui/about_dialog.h"
#include "ui/form1.h"
#include "ui/help_window.h"
#include "ui/message_box.h"

#include <QDialogButtonBox>
#include <QFileInfo>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPushButton>

namespace zandor {

MenuCommands::MenuCommands(Parts parts) : parts_(std::move(parts)) {
    using ui::Form1;
    connect(&parts_.form, &Form1::scoreClicked, this, &MenuCommands::score_Click);
    connect(&parts_.form, &Form1::scorebuttonClicked, this, &MenuCommands::scorebutton_Click);
    connect(&parts_.form, &Form1::pageSetupClicked, this, &MenuCommands::mnuFilePageSetup_Click);
    connect(&parts_.form, &Form1::helpContentsClicked, this, &MenuCommands::mnuHelpContents_Click);
    connect(&parts_.form, &Form1::helpAboutClicked, this, &MenuCommands::mnuHelpAbout_Click);
}

MenuCommands::~MenuCommands() = default;

void MenuCommands::score_Click() {
    // The score is not looked at when only viewing.
    parts_.scores.ShowHighScores(0, kHighScoreTitle, parts_.highScoreFile.toStdString(), true);
}

void MenuCommands::scorebutton_Click() {
    score_Click();
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
    if (parts_.helpFile.isEmpty()) {
        QMessageBox box(QMessageBox::Information, parts_.form.windowTitle(),
                        "Unable to display Help Contents. There is no Help associated with this "
                        "project.",
                        QMessageBox::Ok, &parts_.form);
        box.setObjectName("messageBox");
        box.exec();
        return;
    }
    if (!QFileInfo(parts_.helpFile).isReadable()) {
        ui::showMessage(&parts_.form,
                        "The help file " + parts_.helpFile + " is missing or cannot be read.");
        return;
    }
    if (help_ == nullptr) {
        help_ = std::make_unique<ui::HelpWindow>();
    }
    help_->showContents(parts_.helpFile);
}

void MenuCommands::mnuHelpAbout_Click() {
    ui::frmAbout::showModal(parts_.pictures, parts_.launcher, &parts_.form);
}

} // namespace zandor
