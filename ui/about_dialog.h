// frmAbout: the About box opened from the Help menu. It shows the game's picture, title,
// version and notes, and can start the desktop's system-information program.
#pragma once

#include <QDialog>

class QLabel;
class QPushButton;

namespace zandor {
class SystemInfoLauncher;
}

namespace zandor::ui {

class Pictures;

class frmAbout : public QDialog {
    Q_OBJECT
public:
    frmAbout(const Pictures& pictures, SystemInfoLauncher& launcher, QWidget* owner);

    // Shows a new About box modally over the owner; returns when it has been closed.
    static void showModal(const Pictures& pictures, SystemInfoLauncher& launcher, QWidget* owner);

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void Form_Load();
    void cmdSysInfo_Click();
    void StartSysInfo();

    SystemInfoLauncher& launcher_;
    QLabel* lblTitle;
    QLabel* lblVersion;
    QPushButton* cmdOK;
};

} // namespace zandor::ui
