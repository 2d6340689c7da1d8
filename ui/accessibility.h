// Screen-reader support for the game's own widgets: cells say where they are and whether they
// are marked, frames are named groups, the status panels read as their text, options and the
// switch act as clicked by every action, the speed reads in seconds, and an announcer says
// what the focus does not (each call, results, answers to keys).
#pragma once

#include <QWidget>
#include <array>

class QObject;
class QSlider;

namespace zandor::ui {

// Registers the accessible interfaces of the game's widgets with Qt. Safe to call more than once.
void installAccessibility();

// The slider reads its value in seconds, `secondsPerStep` to each of its steps.
void readAsSeconds(QSlider* slider, double secondsPerStep);

// Tells listening screen readers that the widget now reads differently (its caption changed).
void tellNameChanged(QObject* widget);

// What a screen reader says of news that did not come from the focus (a call, a result): a
// notification inside a status bar, shown afresh for each message. Orca speaks such a
// notification as it appears, without its role, and the focus stays where it is. Placed in
// any window; it takes no room and draws nothing.
class Announcer : public QWidget {
    Q_OBJECT
public:
    explicit Announcer(QWidget* window);

    // Only while an assistive technology listens.
    void say(const QString& message);

private:
    // Orca reads a notification's text when it comes to the event, which may be after the
    // next message: each message has a notice of its own, reused only well after.
    std::array<QWidget*, 8> notices_{};
    std::size_t next_ = 0;
};

} // namespace zandor::ui
