// Form1 as the game's view: captions, colours, visibility and states of its controls by name,
// the yields of the game loop, and the modal announcements.
#include "ui/form1.h"

#include "program_info.h"
#include "ui/accessibility.h"
#include "ui/cell_label.h"
#include "ui/frame_panel.h"
#include "ui/look.h"
#include "ui/message_box.h"
#include "ui/status_bar.h"
#include "ui/winners_card_dialog.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QVBoxLayout>
#include <algorithm>

namespace zandor::ui {

Form1::Form1(const Pictures& pictures, QWidget* parent) : QMainWindow(parent), pictures_(pictures) {
    installAccessibility();
    setObjectName("Form1");
    setWindowTitle(program::kName);
    setWindowIcon(pictures.windowIcon());
    setFont(designFont(font(), kDefaultPointSize, false));
    buildMenus();
    // Below the menu bar: the designed client area, with the status bar docked at its bottom.
    auto* window = new QWidget(this);
    auto* column = new QVBoxLayout(window);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    auto* client = new QWidget(window);
    client->setObjectName("client");
    column->addWidget(client, 1);
    status_ = new StatusBar(window);
    column->addWidget(status_);
    announcer_ = new Announcer(status_);
    setCentralWidget(window);
    // Built in the order Tab visits them: the choices and buttons, the game type and speed,
    // then the scoreboard and the cards.
    QWidget* picture = buildPicture(client);
    buildControlPanel(picture);
    buildGameTypes(client);
    buildSpeed(picture);
    buildScoreBoard(picture);
    buildCards(picture);
    const QSize designed = designedClientSize();
    resize(designed.width(), menuBar()->sizeHint().height() + designed.height());
}

CellLabel* Form1::cellLabel(Ctl control, int index) const {
    switch (control) {
    case Ctl::CalledNumberDisplay:
        return CalledNumberDisplay;
    case Ctl::Label1:
        return index >= 1 && index <= kNumberCount ? Label1[index] : nullptr;
    case Ctl::Label3:
    case Ctl::Label4:
    case Ctl::Label5: {
        const int grid = static_cast<int>(control) - static_cast<int>(Ctl::Label3);
        return index >= 1 && index <= kCellCount ? cards_[grid][index] : nullptr;
    }
    default:
        return nullptr;
    }
}

FramePanel* Form1::frame(Ctl control) const {
    switch (control) {
    case Ctl::GAME1:
        return cardFrames_[0];
    case Ctl::Game2:
        return cardFrames_[1];
    case Ctl::Game3:
        return cardFrames_[2];
    case Ctl::SelectNoGames:
        return SelectNoGames;
    default:
        return nullptr;
    }
}

QRadioButton* Form1::option(Ctl control, int index) const {
    switch (control) {
    case Ctl::sel0:
    case Ctl::sel1:
    case Ctl::sel2:
    case Ctl::sel3:
        return index == 1 ? sel_[static_cast<int>(control) - static_cast<int>(Ctl::sel0)] : nullptr;
    case Ctl::selgametype:
        return index >= 0 && index < kGameTypes ? selgametype[index] : nullptr;
    default:
        return nullptr;
    }
}

void Form1::setCaption(Ctl control, int index, std::string_view caption) {
    const QString text = QString::fromUtf8(caption.data(), static_cast<int>(caption.size()));
    if (CellLabel* label = cellLabel(control, index)) {
        label->setText(text);
        if (control == Ctl::CalledNumberDisplay && !text.trimmed().isEmpty()) {
            announce(text); // the call, heard with the sound on or off
        }
    } else if (FramePanel* panel = frame(control)) {
        panel->setCaption(text);
        tellNameChanged(panel);
    } else if (control == Ctl::automancheck) {
        automancheck->setText(text);
    }
}

std::string Form1::caption(Ctl control, int index) const {
    if (const CellLabel* label = cellLabel(control, index)) {
        return label->text().toStdString();
    }
    if (const FramePanel* panel = frame(control)) {
        return panel->caption().toStdString();
    }
    if (control == Ctl::automancheck) {
        return automancheck->text().toStdString();
    }
    return {};
}

void Form1::setBackColor(Ctl control, int index, Rgb color) {
    if (CellLabel* label = cellLabel(control, index)) {
        label->setBackColor(color);
    } else if (FramePanel* panel = frame(control)) {
        panel->setBackColor(color);
    }
}

Rgb Form1::backColor(Ctl control, int index) const {
    if (const CellLabel* label = cellLabel(control, index)) {
        return label->backColor();
    }
    if (const FramePanel* panel = frame(control)) {
        return panel->backColor();
    }
    return kWhite;
}

void Form1::setVisible(Ctl control, bool visible) {
    if (FramePanel* panel = frame(control)) {
        panel->setVisible(visible);
    }
}

void Form1::setEnabled(Ctl control, bool enabled) {
    switch (control) {
    case Ctl::StartButton:
        StartButton->setEnabled(enabled);
        break;
    case Ctl::pausebutton:
        pausebutton->setEnabled(enabled);
        break;
    case Ctl::PrintButton: // gives the menu's command, so follows it
    case Ctl::mnuFilePrint:
        mnuFilePrint->setEnabled(enabled);
        break;
    case Ctl::SelectNoGames:
        SelectNoGames->setEnabled(enabled);
        break;
    default:
        break;
    }
}

bool Form1::isSelected(Ctl control, int index) const {
    const QRadioButton* button = option(control, index);
    return button != nullptr && button->isChecked();
}

int Form1::value(Ctl control) const {
    if (control == Ctl::automancheck) {
        return automancheck->isChecked() ? 1 : 0;
    }
    if (control == Ctl::Slider1) {
        return Slider1->value();
    }
    return 0;
}

// An option button is selected when it takes the focus.
void Form1::setFocus(Ctl control, int index) {
    if (QRadioButton* button = option(control, index)) {
        button->setChecked(true);
        button->setFocus(Qt::OtherFocusReason);
    }
}

void Form1::setStatusPanel(int panel, std::string_view text) {
    status_->setPanelText(panel, QString::fromUtf8(text.data(), static_cast<int>(text.size())));
}

void Form1::repaint() {
    QWidget::repaint();
}

void Form1::processEvents() {
    QCoreApplication::processEvents();
}

void Form1::messageBox(std::string_view text) {
    showMessage(this, QString::fromUtf8(text.data(), static_cast<int>(text.size())));
}

void Form1::showWinnersCard(const WinnersCard& card) {
    frmWinnersCard dialog(this);
    dialog.showCard(card, pictures_.portrait(card.picture));
    dialog.exec();
}

void Form1::announce(const QString& message) {
    announcer_->say(message);
}

void Form1::announce(std::string_view text) {
    announce(QString::fromUtf8(text.data(), static_cast<int>(text.size())));
}

QImage Form1::clientAreaImage() {
    const int top = centralWidget()->geometry().top();
    return grab(QRect(0, top, width(), height() - top)).toImage();
}

void Form1::closeEvent(QCloseEvent* event) {
    // The shut-down sequence runs over the open window (the high-score offer shows over it)
    // and then ends the program, which takes the window with it.
    event->ignore();
    emit closing();
}

void Form1::setOuterSize(const QSize& outer) {
    outerSizeFit_->run([this, outer](const QSize& frame) { resize(outer - frame); });
}

} // namespace zandor::ui
