// The game's message boxes: the text and an OK button, titled with the game's name, framed as
// every fixed-size dialog of the game is. Messages carry no icon; notes carry the information
// icon.
#pragma once

#include <QString>

class QWidget;

namespace zandor::ui {

void showMessage(QWidget* owner, const QString& text);
void showInformation(QWidget* owner, const QString& text);

} // namespace zandor::ui
