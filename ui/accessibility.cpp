#include "ui/accessibility.h"

#include "ui/cell_label.h"
#include "ui/frame_panel.h"
#include "ui/status_bar.h"

#include <QAccessibleWidget>
#include <QCheckBox>
#include <QRadioButton>
#include <QSlider>

namespace zandor::ui {

namespace {

// A cell of a card or of the scoreboard reads as a marked or unmarked table cell that can be
// pressed; the called-number display reads as its caption.
class CellAccessible : public QAccessibleWidget {
public:
    explicit CellAccessible(CellLabel* cell)
        : QAccessibleWidget(cell,
                            cell->isGridCell() ? QAccessible::Cell : QAccessible::StaticText) {}

    QString text(QAccessible::Text kind) const override {
        if (kind == QAccessible::Name) {
            const QString spoken = cell()->spokenText();
            return spoken.isEmpty() ? QAccessibleWidget::text(QAccessible::Description) : spoken;
        }
        return QAccessibleWidget::text(kind);
    }

    QAccessible::State state() const override {
        QAccessible::State state = QAccessibleWidget::state();
        if (cell()->isGridCell()) {
            state.focusable = true; // each grid is one Tab stop; the arrow keys reach every cell
            state.checkable = true;
            state.checked = cell()->isMarked();
        }
        return state;
    }

    QStringList actionNames() const override {
        return cell()->isGridCell() ? QStringList{pressAction()} : QStringList{};
    }

    void doAction(const QString& action) override {
        if (action == pressAction() && cell()->isGridCell()) {
            cell()->click();
        }
    }

private:
    CellLabel* cell() const { return static_cast<CellLabel*>(widget()); }
};

// The announcer is an empty status bar; its children, the notices, read as their messages.
constexpr char kNoticeName[] = "announcement";
constexpr char kMessage[] = "message";

class NoticeAccessible : public QAccessibleWidget {
public:
    explicit NoticeAccessible(QWidget* notice)
        : QAccessibleWidget(notice, QAccessible::Notification) {}

    QString text(QAccessible::Text kind) const override {
        return kind == QAccessible::Name ? widget()->property(kMessage).toString() : QString();
    }
};

constexpr char kSecondsPerStep[] = "secondsPerStep";

// A slider read in seconds, as the caller's speed slider sets the pause between calls.
class SecondsSliderAccessible : public QAccessibleWidget, public QAccessibleValueInterface {
public:
    explicit SecondsSliderAccessible(QSlider* slider)
        : QAccessibleWidget(slider, QAccessible::Slider) {}

    void* interface_cast(QAccessible::InterfaceType type) override {
        if (type == QAccessible::ValueInterface) {
            return static_cast<QAccessibleValueInterface*>(this);
        }
        return QAccessibleWidget::interface_cast(type);
    }
    QVariant currentValue() const override { return slider()->value() * step(); }
    void setCurrentValue(const QVariant& value) override {
        slider()->setValue(qRound(value.toDouble() / step()));
    }
    QVariant maximumValue() const override { return slider()->maximum() * step(); }
    QVariant minimumValue() const override { return slider()->minimum() * step(); }
    QVariant minimumStepSize() const override { return slider()->singleStep() * step(); }

private:
    QSlider* slider() const { return static_cast<QSlider*>(widget()); }
    double step() const { return slider()->property(kSecondsPerStep).toDouble(); }
};

// An option button or a check box, whose every action is a click: switch access and voice
// control press it by its Toggle action, and the game listens to clicks only.
class CheckableAccessible : public QAccessibleWidget {
public:
    explicit CheckableAccessible(QAbstractButton* button)
        : QAccessibleWidget(button, qobject_cast<QRadioButton*>(button) != nullptr
                                        ? QAccessible::RadioButton
                                        : QAccessible::CheckBox) {}

    QString text(QAccessible::Text kind) const override {
        QString text = QAccessibleWidget::text(kind);
        if (kind == QAccessible::Name && text.isEmpty()) {
            text = button()->text();
            text.remove('&');
        }
        return text;
    }

    QAccessible::State state() const override {
        QAccessible::State state = QAccessibleWidget::state();
        state.checkable = true;
        state.checked = button()->isChecked();
        return state;
    }

    QStringList actionNames() const override { return {toggleAction(), pressAction()}; }

    void doAction(const QString& action) override {
        if ((action == toggleAction() || action == pressAction()) && button()->isEnabled()) {
            button()->click();
        }
    }

private:
    QAbstractButton* button() const { return static_cast<QAbstractButton*>(widget()); }
};

// A frame is a group named by its caption, or by its accessible name when it has none.
class FrameAccessible : public QAccessibleWidget {
public:
    explicit FrameAccessible(FramePanel* frame) : QAccessibleWidget(frame, QAccessible::Grouping) {}

    QString text(QAccessible::Text kind) const override {
        const QString text = QAccessibleWidget::text(kind);
        if (kind == QAccessible::Name && text.isEmpty()) {
            return static_cast<FramePanel*>(widget())->caption().trimmed();
        }
        return text;
    }
};

// A status bar panel reads as its text; its tool tip says what the text is.
class StatusPanelAccessible : public QAccessibleWidget {
public:
    explicit StatusPanelAccessible(StatusPanel* panel)
        : QAccessibleWidget(panel, QAccessible::StaticText) {}

    QString text(QAccessible::Text kind) const override {
        if (kind == QAccessible::Name) {
            return static_cast<StatusPanel*>(widget())->text();
        }
        return QAccessibleWidget::text(kind);
    }
};

QAccessibleInterface* gameWidgetInterface(const QString&, QObject* object) {
    if (auto* cell = qobject_cast<CellLabel*>(object)) {
        return new CellAccessible(cell);
    }
    if (auto* slider = qobject_cast<QSlider*>(object);
        slider != nullptr && slider->property(kSecondsPerStep).isValid()) {
        return new SecondsSliderAccessible(slider);
    }
    if (qobject_cast<QRadioButton*>(object) != nullptr ||
        qobject_cast<QCheckBox*>(object) != nullptr) {
        return new CheckableAccessible(static_cast<QAbstractButton*>(object));
    }
    if (auto* announcer = qobject_cast<Announcer*>(object)) {
        return new QAccessibleWidget(announcer, QAccessible::StatusBar);
    }
    if (object->objectName() == kNoticeName && qobject_cast<Announcer*>(object->parent())) {
        return new NoticeAccessible(static_cast<QWidget*>(object));
    }
    if (auto* frame = qobject_cast<FramePanel*>(object)) {
        return new FrameAccessible(frame);
    }
    if (auto* panel = qobject_cast<StatusPanel*>(object)) {
        return new StatusPanelAccessible(panel);
    }
    if (auto* bar = qobject_cast<StatusBar*>(object)) {
        return new QAccessibleWidget(bar, QAccessible::StatusBar);
    }
    return nullptr;
}

} // namespace

void installAccessibility() {
    static bool installed = false;
    if (!installed) {
        QAccessible::installFactory(gameWidgetInterface);
        installed = true;
    }
}

Announcer::Announcer(QWidget* window) : QWidget(window) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setGeometry(0, 0, 1, 1);
    for (QWidget*& notice : notices_) {
        notice = new QWidget(this);
        notice->setObjectName(kNoticeName);
        notice->setGeometry(0, 0, 1, 1);
        notice->hide();
    }
}

void Announcer::say(const QString& message) {
    if (!QAccessible::isActive()) {
        return;
    }
    QWidget* notice = notices_[next_];
    next_ = (next_ + 1) % notices_.size();
    notice->setProperty(kMessage, message);
    notice->hide();
    notice->show();
}

void readAsSeconds(QSlider* slider, double secondsPerStep) {
    slider->setProperty(kSecondsPerStep, secondsPerStep);
}

void tellNameChanged(QObject* widget) {
    if (QAccessible::isActive()) {
        QAccessibleEvent named(widget, QAccessible::NameChanged);
        QAccessible::updateAccessibility(&named);
    }
}

} // namespace zandor::ui
