// The main window's status bar sbStatusBar: game type, balance, game number, jackpot and a
// clock panel that keeps itself current. Five sunken panels in a row; not a QStatusBar, whose
// size grip alone costs the window a tenth of its start-up time.
#pragma once

#include <QWidget>
#include <array>

class QTimer;

namespace zandor::ui {

// One sunken panel of the status bar, as wide as its text unless its row stretches it.
class StatusPanel : public QWidget {
    Q_OBJECT
public:
    StatusPanel(const QString& text, QWidget* parent);

    QString text() const { return text_; }
    void setText(const QString& text);
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return QSize(0, 0); }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QString text_;
};

class StatusBar : public QWidget {
    Q_OBJECT
public:
    explicit StatusBar(QWidget* parent);

    static constexpr int kPanels = 5;

    // Panels are numbered from 1.
    void setPanelText(int panel, const QString& text);

private:
    void showTime();

    std::array<StatusPanel*, kPanels> panels_{};
    QTimer* clock_;
};

} // namespace zandor::ui
