// Screen-reader support for the game's own widgets: cells say where they are and whether they
// are marked, frames are named groups, the status panels read as their text, and the
// called-number display announces each call.
#pragma once

class QObject;

namespace zandor::ui {

// Registers the accessible interfaces of the game's widgets with Qt. Safe to call more than once.
void installAccessibility();

// Tells listening screen readers that the widget now reads differently (its caption changed).
void tellNameChanged(QObject* widget);

} // namespace zandor::ui
