// Fitting a window's size or place to its frame. The window manager puts the title bar and
// borders round a window some time after it shows, and moves the window as it does; a fit asked
// for runs at once with the frame as far as it is known, and again once the window is framed.
#pragma once

#include <QObject>
#include <QSize>
#include <functional>

class QWidget;

namespace zandor::ui {

class FramedFit final : public QObject {
public:
    using Fit = std::function<void(const QSize& frame)>;

    // Watches the window's showing and moves; the fit lives as long as the window.
    explicit FramedFit(QWidget* window);

    // The title bar and borders' share of the outer size; empty until the window is framed.
    static QSize frameOf(const QWidget* window);

    // Runs the fit now, and once more when the window is framed if it is not yet. A new fit
    // replaces one still waiting.
    void run(Fit fit);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void fitNow();

    QWidget* window_;
    Fit waiting_;
};

} // namespace zandor::ui
