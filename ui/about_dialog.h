// frmAbout: the About box opened from the Help menu. It shows the game's picture, title,
// version and notes, and reports a click on System Info (the program decides what it starts).
#pragma once

#include <QDialog>

class QLabel;
class QPushButton;

namespace zandor::ui {

class Pictures;

class frmAbout : public QDialog {
    Q_OBJECT
public:
    frmAbout(const Pictures& pictures, QWidget* owner);

signals:
    void cmdSysInfoClicked();

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void Form_Load();

    QLabel* lblTitle;
    QLabel* lblVersion;
    QPushButton* cmdOK;
};

} // namespace zandor::ui
