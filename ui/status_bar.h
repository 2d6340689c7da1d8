// The main window's status bar sbStatusBar: game type, balance, game number, jackpot and a
// clock panel that keeps itself current. Five sunken panels in a row; not a QStatusBar, whose
// size grip alone costs the window a tenth of its start-up time.
#pragma once

#include <QWidget>
#include <array>

class QLabel;
class QTimer;

namespace zandor::ui {

class StatusBar : public QWidget {
    Q_OBJECT
public:
    explicit StatusBar(QWidget* parent);

    static constexpr int kPanels = 5;

    // Panels are numbered from 1.
    QString panelText(int panel) const;
    void setPanelText(int panel, const QString& text);

private:
    void showTime();

    std::array<QLabel*, kPanels> panels_{};
    QTimer* clock_;
};

} // namespace zandor::ui
