// frmScores' controls at their designed places, with their captions, fonts, colours and tab
// order. Nothing is laid out dynamically: the logic moves and hides controls by name.
#include "ui/accessibility.h"
#include "ui/look.h"
#include "ui/scores_window.h"
#include "ui/twips.h"

#include <QApplication>
#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

namespace zandor::ui {

namespace {

constexpr Rgb kBlue = 0x0000FF;
constexpr double kLargePointSize = 9.75;
constexpr double kSmallestPointSize = 6;

void place(QWidget* widget, const char* name, const int (&rect)[4]) {
    widget->setObjectName(name);
    widget->setGeometry(twipsRect(rect[0], rect[1], rect[2], rect[3]));
}

// The desktop's own colours for text areas ("window" and "window text"), behind a label.
void systemWindowColours(QWidget* label, const QColor& text) {
    const QPalette system = QApplication::palette();
    fixColours(label, toRgb(system.color(QPalette::Base)), toRgb(text));
}

// The lists: light grey behind red names and scores, whatever the desktop's theme.
void listColours(QWidget* list) {
    QPalette colours = list->palette();
    for (auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        colours.setColor(group, QPalette::Base, toQColor(kLightGrey));
        colours.setColor(group, QPalette::Text, toQColor(kRed));
    }
    list->setPalette(colours);
}

// The design's face may be wider than the one this desktop has: a label whose caption would not
// fit its box is given a slightly smaller size, so that every word of it shows.
void fitCaption(QLabel* label) {
    QFont font = label->font();
    const int flags = Qt::TextWordWrap | static_cast<int>(label->alignment());
    while (font.pointSizeF() > kSmallestPointSize &&
           QFontMetrics(font).boundingRect(label->rect(), flags, label->text()).height() >
               label->height()) {
        font.setPointSizeF(font.pointSizeF() - 0.25);
    }
    label->setFont(font);
}

} // namespace

void ScoresForm::buildControls() {
    const QFont large = designFont(font(), kLargePointSize, true);
    const QColor windowText = QApplication::palette().color(QPalette::Text);

    imgMain = new QLabel(this);
    imgMain->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    imgMain->setPixmap(pictures_["Image1"]);
    place(imgMain, "imgMain", {0, 30, 4230, 720});

    auto* Label1 = new QLabel("PLAYERS", this);
    auto* Label2 = new QLabel("SCORES", this);
    place(Label1, "Label1", {120, 840, 1875, 195});
    place(Label2, "Label2", {2160, 840, 1875, 195});
    for (QLabel* label : {Label1, Label2}) {
        label->setAlignment(Qt::AlignCenter);
        label->setFont(large);
        systemWindowColours(label, windowText);
    }

    auto* lstNames = new QListWidget(this);
    auto* lstScores = new QListWidget(this);
    place(lstNames, "lstNames", {120, 1080, 1905, 1230});
    place(lstScores, "lstScores", {2160, 1080, 1965, 1230});
    for (QListWidget* list : {lstNames, lstScores}) {
        list->setFont(large);
        listColours(list);
    }

    auto* lblInfo = new QLabel(
        "Congatulations!  You've just achieved a New High Score!  Enter your name below:", this);
    lblInfo->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    lblInfo->setWordWrap(true);
    systemWindowColours(lblInfo, toQColor(kBlue));
    place(lblInfo, "lblInfo", {180, 2400, 3765, 405});
    fitCaption(lblInfo);

    auto* txtName = new QLineEdit(this);
    auto* txtScore = new QLineEdit(this);
    place(txtName, "txtName", {120, 2820, 1905, 360});
    place(txtScore, "txtScore", {2130, 2820, 1965, 360});
    txtName->setFont(large);
    txtScore->setFont(large);
    // What screen readers call the controls that have no caption of their own.
    imgMain->setAccessibleName("PembyBingo");
    lstNames->setAccessibleName("Players");
    lstScores->setAccessibleName("Scores");
    txtName->setAccessibleName("Your name");
    txtScore->setAccessibleName("Your score");

    auto* btnNewScore = new QPushButton("&OK", this);
    auto* btnOK = new QPushButton("&OK", this);
    place(btnNewScore, "btnNewScore", {1500, 3240, 1185, 375});
    place(btnOK, "btnOK", {1500, 3480, 1185, 375});
    connect(btnNewScore, &QPushButton::clicked, this, [this, txtName, txtScore] {
        const QString name = txtName->text();
        const QString score = txtScore->text();
        logic_.btnNewScore_Click();
        readNewEntry(name, score);
    });
    announcer_ = new Announcer(this);
    connect(btnOK, &QPushButton::clicked, this, [this] { logic_.btnOK_Click(); });

    for (QWidget* widget :
         std::initializer_list<QWidget*>{imgMain, Label1, Label2, lstNames, lstScores, lblInfo,
                                         txtName, txtScore, btnNewScore, btnOK}) {
        controls_[widget->objectName().toStdString()] = widget;
    }
    tabOrder_ = {txtName, lstNames, lstScores, txtScore, btnOK, btnNewScore};
    for (std::size_t i = 1; i < tabOrder_.size(); ++i) {
        setTabOrder(tabOrder_[i - 1], tabOrder_[i]);
    }
}

} // namespace zandor::ui
