#include "ui/winners_card_dialog.h"

#include "ui/accessibility.h"
#include "ui/cell_grid.h"
#include "ui/cell_label.h"
#include "ui/frame_panel.h"
#include "ui/look.h"
#include "ui/twips.h"

#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QScreen>

namespace zandor::ui {

namespace {
constexpr int kClientWidth = 4890;
constexpr int kClientHeight = 3195;
constexpr int kScreenLeft = 2760; // the client area's place on the screen
constexpr int kScreenTop = 3750;
constexpr double kWinnerPointSize = 13.5;
} // namespace

frmWinnersCard::frmWinnersCard(QWidget* owner) : QDialog(owner) {
    setObjectName("frmWinnersCard");
    setWindowTitle("The Winners Card");
    setWindowFlags(kFixedDialogFlags);
    setFixedSize(px(kClientWidth), px(kClientHeight));
    setFont(designFont(font(), kDefaultPointSize, false));
    fixColours(this, kLightYellow, kBlack);

    Label3b = new QLabel("The Winner", this);
    Label3b->setObjectName("Label3b");
    Label3b->setFont(designFont(font(), kWinnerPointSize, false));
    fixColours(Label3b, kLightYellow, kRed);
    Label3b->setGeometry(twipsRect(120, 0, 3375, 375));

    winnerspicture = new QLabel(this);
    winnerspicture->setObjectName("winnerspicture");
    winnerspicture->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    winnerspicture->setGeometry(twipsRect(120, 720, 2000, 2400));

    auto* WINNERSGAME = new FramePanel("", kLightYellow, kBlack, FramePanel::Border::Etched, this);
    WINNERSGAME->setObjectName("WINNERSGAME");
    WINNERSGAME->setAccessibleName("Winner's card");
    WINNERSGAME->setGeometry(twipsRect(2280, 600, 2535, 2535));
    for (int column = 0; column < 5; ++column) {
        columnHeader(9 - column, column, 120 + 480 * column, 240, WINNERSGAME);
    }
    std::vector<CellLabel*> inRowOrder(kCellCount);
    for (int i = 1; i <= kCellCount; ++i) {
        auto* cell = new CellLabel(" ", kWhite, kBlack, true, WINNERSGAME);
        cell->setObjectName(QString("Label3a_%1").arg(i));
        cell->setGridPlace("Winner's card", cellPlace(i), "marked");
        if (i == kFreeCentre) {
            cell->setSpokenCaption("free");
        }
        inRowOrder[(i - 1) % 5 * 5 + (i - 1) / 5] = cell;
        cell->setGeometry(
            twipsRect(120 + 480 * ((i - 1) / 5), 600 + 360 * ((i - 1) % 5), 375, 255));
        Label3a[i] = cell;
    }
    // Tab reaches the card and the arrow keys its cells; Enter still closes the dialog.
    auto* announcer = new Announcer(this);
    new CellGrid(
        std::move(inRowOrder), 5, [announcer](const QString& message) { announcer->say(message); },
        WINNERSGAME, false);

    auto* OKButton = new QPushButton("OK", this);
    OKButton->setObjectName("OKButton");
    OKButton->setDefault(true);
    OKButton->setGeometry(twipsRect(3600, 120, 1215, 375));
    connect(OKButton, &QPushButton::clicked, this, &QDialog::accept);

    const QScreen* screen = owner != nullptr ? owner->screen() : QGuiApplication::primaryScreen();
    // The client area goes there, not the frame (move() would put the frame there).
    setGeometry(
        QRect(screen->geometry().topLeft() + QPoint(px(kScreenLeft), px(kScreenTop)), size()));
}

void frmWinnersCard::showCard(const WinnersCard& card, const QPixmap& picture) {
    Label3b->setText(QString::fromStdString(card.winnerLine));
    for (int i = 1; i <= kCellCount; ++i) {
        Label3a[i]->setText(QString::number(card.cellNumber[i]));
        Label3a[i]->setBackColor(card.cellColor[i]);
    }
    winnerspicture->setPixmap(picture);
}

} // namespace zandor::ui
