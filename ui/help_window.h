// The game's help window: the HTML help file in a browser window of its own, beside the game.
#pragma once

#include <QWidget>

class QTextBrowser;

namespace zandor::ui {

class HelpWindow : public QWidget {
    Q_OBJECT
public:
    HelpWindow();

    // Opens the help file at its contents (its top) and brings the window to the front.
    void showContents(const QString& helpFile);

private:
    QTextBrowser* browser_;
};

} // namespace zandor::ui
