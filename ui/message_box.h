// The game's message box: the text, an OK button, no icon, titled with the game's name.
#pragma once

#include <QString>

class QWidget;

namespace zandor::ui {

void showMessage(QWidget* owner, const QString& text);

} // namespace zandor::ui
