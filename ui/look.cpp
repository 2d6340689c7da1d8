#include "ui/look.h"

#include "ui/cell_label.h"
#include "ui/twips.h"

#include <QApplication>

namespace zandor::ui {

namespace {
const char* const kLetters[] = {"B", "I", "N", "G", "O"};
constexpr int kHeaderWidth = 375;
constexpr int kHeaderHeight = 255;
constexpr double kHeaderPointSize = 9.75;
} // namespace

void applyApplicationLook() {
    QCoreApplication::setAttribute(Qt::AA_DontUseNativeMenuBar);
    QApplication::setStyle("Fusion");
}

void fixColours(QWidget* widget, Rgb back, Rgb fore) {
    QPalette colours = widget->palette();
    for (auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        colours.setColor(group, QPalette::Window, toQColor(back));
        colours.setColor(group, QPalette::Button, toQColor(back));
        colours.setColor(group, QPalette::Base, toQColor(kWhite));
        if (group != QPalette::Disabled) {
            colours.setColor(group, QPalette::WindowText, toQColor(fore));
            colours.setColor(group, QPalette::ButtonText, toQColor(fore));
            colours.setColor(group, QPalette::Text, toQColor(kBlack));
        }
    }
    widget->setPalette(colours);
    widget->setAutoFillBackground(true);
}

QFont designFont(const QFont& base, double points, bool bold) {
    QFont font = base;
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}

CellLabel* columnHeader(int index, int letter, int left, int top, QWidget* parent) {
    auto* label = new CellLabel(kLetters[letter], kRed, kWhite, false, parent);
    label->setObjectName(QString("Label2_%1").arg(index));
    label->setGeometry(twipsRect(left, top, kHeaderWidth, kHeaderHeight));
    label->setFont(designFont(parent->font(), kHeaderPointSize, true));
    return label;
}

} // namespace zandor::ui
