#include "ui/accessibility.h"

#include "engine/game_state.h"
#include "ui/cell_label.h"
#include "ui/frame_panel.h"
#include "ui/status_bar.h"

#include <QAccessibleWidget>

namespace zandor::ui {

namespace {

// A cell of a card or of the scoreboard reads as a marked or unmarked table cell that can be
// pressed; the called-number display reads as its caption and carries the call as its value.
class CellAccessible : public QAccessibleWidget, public QAccessibleValueInterface {
public:
    explicit CellAccessible(CellLabel* cell)
        : QAccessibleWidget(cell,
                            cell->isGridCell() ? QAccessible::Cell : QAccessible::StaticText) {}

    QString text(QAccessible::Text kind) const override {
        if (kind == QAccessible::Name) {
            const QString spoken = cell()->spokenText();
            return spoken.isEmpty() ? QAccessibleWidget::text(QAccessible::Description) : spoken;
        }
        if (kind == QAccessible::Value && cell()->announcesChanges()) {
            return cell()->text().trimmed();
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

    void* interface_cast(QAccessible::InterfaceType type) override {
        if (type == QAccessible::ValueInterface && cell()->announcesChanges()) {
            return static_cast<QAccessibleValueInterface*>(this);
        }
        return QAccessibleWidget::interface_cast(type);
    }

    // The number called, 1 to 75, as the display's value ("B 12" is its name and value text).
    QVariant currentValue() const override {
        const int number = cell()->number();
        return number > 0 ? QVariant(number) : QVariant();
    }
    void setCurrentValue(const QVariant&) override {}
    QVariant maximumValue() const override { return kNumberCount; }
    QVariant minimumValue() const override { return 1; }
    QVariant minimumStepSize() const override { return 1; }

private:
    CellLabel* cell() const { return static_cast<CellLabel*>(widget()); }
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

void tellNameChanged(QObject* widget) {
    if (QAccessible::isActive()) {
        QAccessibleEvent named(widget, QAccessible::NameChanged);
        QAccessible::updateAccessibility(&named);
    }
}

} // namespace zandor::ui
