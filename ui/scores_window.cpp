#include "ui/scores_window.h"

#include "ui/accessibility.h"
#include "ui/look.h"
#include "ui/message_box.h"
#include "ui/twips.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QTime>
#include <QTimer>
#include <algorithm>
#include <cmath>

namespace zandor::ui {

namespace {

constexpr int kClientWidth = 4230;
constexpr int kClientHeight = 3765;
constexpr int kSettleMs = 500;

QString toQString(const std::string& text) {
    return QString::fromStdString(text);
}

} // namespace

ScoresForm::ScoresForm(Module2& store, const Pictures& pictures, QWidget* owner)
    : QDialog(owner), logic_(store, *this), pictures_{{"Image1", pictures.bannerFrame(0)},
                                                      {"Image2", pictures.bannerFrame(1)},
                                                      {"Image3", pictures.bannerFrame(2)}} {
    setObjectName("frmScores");
    setWindowTitle("High Scores");
    setWindowFlags(kFixedDialogFlags);
    setFixedSize(px(kClientWidth), px(kClientHeight));
    setFont(designFont(font(), kDefaultPointSize, true));
    fixColours(this, kLightGrey, kBlack);
    buildControls();

    Timer1 = new QTimer(this);
    Timer1->setObjectName("Timer1");
    connect(Timer1, &QTimer::timeout, this, [this] { logic_.Timer1_Timer(); });
}

void ScoresForm::load() {
    timerEnabled_ = true;
    timerInterval_ = 3000;
    applyTimer();
    logic_.Form_Load();
    for (QWidget* widget : tabOrder_) {
        if (!widget->isHidden()) {
            widget->setFocus();
            break;
        }
    }
}

template <typename T>
T* ScoresForm::control(const std::string& name) const {
    const auto found = controls_.find(name);
    T* widget = found == controls_.end() ? nullptr : qobject_cast<T*>(found->second);
    if (widget == nullptr) {
        qWarning("frmScores has no control %s of that kind", name.c_str());
    }
    return widget;
}

int ScoresForm::screenWidth() const {
    const QScreen* shown = screen() != nullptr ? screen() : QGuiApplication::primaryScreen();
    return twips(shown->geometry().width());
}

int ScoresForm::screenHeight() const {
    const QScreen* shown = screen() != nullptr ? screen() : QGuiApplication::primaryScreen();
    return twips(shown->geometry().height());
}

double ScoresForm::twipsPerPixelX() const {
    return kTwipsPerPixel;
}

double ScoresForm::twipsPerPixelY() const {
    return kTwipsPerPixel;
}

int ScoresForm::width() const {
    return twips(frameGeometry().width());
}

int ScoresForm::height() const {
    return twips(frameGeometry().height());
}

void ScoresForm::move(int left, int top) {
    const QScreen* shown = screen() != nullptr ? screen() : QGuiApplication::primaryScreen();
    QWidget::move(shown->geometry().topLeft() + QPoint(px(left), px(top)));
    // Centred by its client size while the frame is not known yet: once it is, the window
    // moves by half the frame, as if it had been centred by its outer size.
    if (FramedFit::frameOf(this).isNull()) {
        placeFit_->run([this](const QSize& frame) {
            QWidget::move(pos() - QPoint(frame.width() / 2, frame.height() / 2));
        });
    }
}

void ScoresForm::setHeight(int height) {
    // The title bar and borders stay as they are; the client area takes the difference.
    heightFit_->run([this, height](const QSize& frame) {
        setFixedHeight(std::max(0, px(height) - frame.height()));
    });
}

void ScoresForm::setCaption(const std::string& caption) {
    setWindowTitle(toQString(caption));
}

void ScoresForm::refresh() {
    repaint();
}

void ScoresForm::close() {
    // Ends exec() once control is back in its loop; the dialog itself lives on until the
    // showing returns, so logic still unwinding from a nested wait is safe.
    QDialog::done(QDialog::Rejected);
}

void ScoresForm::setDrawPosition(int x, int y) {
    drawPosition_ = QPoint(x, y);
}

void ScoresForm::lineTo(int x, int y, std::uint32_t colour) {
    if (painter_ != nullptr) {
        painter_->setPen(QPen(toQColor(colour), 1));
        painter_->drawLine(px(drawPosition_.x()), px(drawPosition_.y()), px(x), px(y));
    }
    drawPosition_ = QPoint(x, y);
}

bool ScoresForm::isVisible(const std::string& name) const {
    // The control's own Visible setting, also before the dialog is first shown.
    const QWidget* widget = control(name);
    return widget != nullptr && !widget->isHidden();
}

void ScoresForm::setVisible(const std::string& name, bool visible) {
    if (QWidget* widget = control(name)) {
        widget->setVisible(visible);
    }
}

TwipsRect ScoresForm::geometry(const std::string& name) const {
    const QWidget* widget = control(name);
    if (widget == nullptr) {
        return {};
    }
    const QRect r = widget->geometry();
    return {twips(r.x()), twips(r.y()), twips(r.width()), twips(r.height())};
}

void ScoresForm::setTop(const std::string& name, int top) {
    if (QWidget* widget = control(name)) {
        widget->move(widget->x(), px(top));
    }
}

void ScoresForm::setDefaultButton(const std::string& name) {
    for (auto* button : findChildren<QPushButton*>()) {
        button->setDefault(false);
    }
    if (auto* button = control<QPushButton>(name)) {
        button->setAutoDefault(true);
        button->setDefault(true);
    }
}

std::string ScoresForm::text(const std::string& textBox) const {
    const auto* box = control<QLineEdit>(textBox);
    return box != nullptr ? box->text().toStdString() : std::string();
}

void ScoresForm::setText(const std::string& textBox, const std::string& text) {
    if (auto* box = control<QLineEdit>(textBox)) {
        box->setText(toQString(text));
    }
}

void ScoresForm::setMaxLength(const std::string& textBox, int length) {
    if (auto* box = control<QLineEdit>(textBox)) {
        box->setMaxLength(length);
    }
}

void ScoresForm::setReadOnly(const std::string& textBox, bool readOnly) {
    if (auto* box = control<QLineEdit>(textBox)) {
        box->setReadOnly(readOnly);
    }
}

void ScoresForm::clearList(const std::string& list) {
    if (auto* box = control<QListWidget>(list)) {
        box->clear();
    }
}

void ScoresForm::addItem(const std::string& list, const std::string& item) {
    if (auto* box = control<QListWidget>(list)) {
        box->addItem(toQString(item));
        describeRow(box->count() - 1);
    }
}

// The table is two lists side by side; a screen reader reads each row whole from either:
// "2. Keys, 54".
void ScoresForm::describeRow(int row) {
    auto* names = control<QListWidget>("lstNames");
    auto* scores = control<QListWidget>("lstScores");
    if (row >= names->count() || row >= scores->count()) {
        return; // its score comes next
    }
    const QString spoken =
        QString("%1. %2, %3").arg(row + 1).arg(names->item(row)->text(), scores->item(row)->text());
    names->item(row)->setData(Qt::AccessibleTextRole, spoken);
    scores->item(row)->setData(Qt::AccessibleTextRole, spoken);
}

// The new row is the lowest one that reads as the entry: a new score goes below equal ones.
void ScoresForm::readNewEntry(const QString& name, const QString& score) {
    auto* names = control<QListWidget>("lstNames");
    auto* scores = control<QListWidget>("lstScores");
    for (int row = names->count() - 1; row >= 0; --row) {
        if (row < scores->count() && names->item(row)->text() == name &&
            scores->item(row)->text() == score) {
            names->setCurrentRow(row);
            scores->setCurrentRow(row);
            // Once the screen reader has said where the focus went as the entry closed.
            const QString entry = names->item(row)->data(Qt::AccessibleTextRole).toString();
            QTimer::singleShot(kSettleMs, announcer_,
                               [this, entry] { announcer_->say("New high score: " + entry); });
            return;
        }
    }
}

void ScoresForm::copyPicture(const std::string& from, const std::string& to) {
    const QPixmap copied = from == "imgMain" ? imgMain->pixmap() : pictures_[from];
    if (to == "imgMain") {
        imgMain->setPixmap(copied); // a missing frame leaves the banner blank
    } else {
        pictures_[to] = copied;
    }
}

void ScoresForm::setTimerEnabled(const std::string& timer, bool enabled) {
    if (timer == "Timer1") {
        timerEnabled_ = enabled;
        applyTimer();
    }
}

void ScoresForm::setTimerInterval(const std::string& timer, int milliseconds) {
    if (timer == "Timer1") {
        timerInterval_ = milliseconds;
        applyTimer();
    }
}

void ScoresForm::applyTimer() {
    // An interval of 0 stops the timer as surely as disabling it; either change restarts the
    // count, as it would on the designed timer.
    if (timerEnabled_ && timerInterval_ > 0) {
        Timer1->start(timerInterval_);
    } else {
        Timer1->stop();
        Timer1->setInterval(timerInterval_);
    }
}

void ScoresForm::processEvents() {
    QCoreApplication::processEvents();
}

void ScoresForm::waitForEvents(double seconds) {
    // The loop sleeps until something happens; this timer is what happens when nothing else does.
    QTimer wake;
    wake.setSingleShot(true);
    wake.setTimerType(Qt::PreciseTimer);
    wake.start(std::max(1, static_cast<int>(std::ceil(seconds * 1000))));
    QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
}

double ScoresForm::secondsSinceMidnight() const {
    return QTime::currentTime().msecsSinceStartOfDay() / 1000.0;
}

void ScoresForm::showMessage(const std::string& text) {
    ui::showMessage(this, toQString(text));
}

void ScoresForm::reject() {
    logic_.windowCloseRequested();
}

void ScoresForm::paintEvent(QPaintEvent*) {
    // The background is already filled; the 3-D frames go just outside the boxes.
    QPainter painter(this);
    painter_ = &painter;
    logic_.Form_Paint();
    painter_ = nullptr;
}

} // namespace zandor::ui
