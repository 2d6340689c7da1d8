#include "ui/look.h"

#include "ui/cell_label.h"
#include "ui/twips.h"

#include <QApplication>
#include <QToolTip>

namespace zandor::ui {

namespace {
constexpr int kHeaderWidth = 375;
constexpr int kHeaderHeight = 255;
constexpr double kHeaderPointSize = 9.75;

// The light face the Fusion style has on a desktop without a theme. Every role of every group
// is set, so that nothing is filled in from a desktop's (perhaps dark) palette.
QPalette lightPalette() {
    struct RoleColours {
        QPalette::ColorRole role;
        QRgb normal;
        QRgb disabled;
    };
    static const RoleColours kColours[] = {
        {QPalette::WindowText, 0xFF000000, 0xFFBEBEBE},
        {QPalette::Button, 0xFFEFEFEF, 0xFFEFEFEF},
        {QPalette::Light, 0xFFFFFFFF, 0xFFFFFFFF},
        {QPalette::Midlight, 0xFFCACACA, 0xFFCACACA},
        {QPalette::Dark, 0xFF9F9F9F, 0xFFBEBEBE},
        {QPalette::Mid, 0xFFB8B8B8, 0xFFB8B8B8},
        {QPalette::Text, 0xFF000000, 0xFFBEBEBE},
        {QPalette::BrightText, 0xFFFFFFFF, 0xFFFFFFFF},
        {QPalette::ButtonText, 0xFF000000, 0xFFBEBEBE},
        {QPalette::Base, 0xFFFFFFFF, 0xFFEFEFEF},
        {QPalette::Window, 0xFFEFEFEF, 0xFFEFEFEF},
        {QPalette::Shadow, 0xFF767676, 0xFFB1B1B1},
        {QPalette::Highlight, 0xFF308CC6, 0xFF919191},
        {QPalette::HighlightedText, 0xFFFFFFFF, 0xFFFFFFFF},
        {QPalette::Link, 0xFF0000FF, 0xFF0000FF},
        {QPalette::LinkVisited, 0xFFFF00FF, 0xFFFF00FF},
        {QPalette::AlternateBase, 0xFFF7F7F7, 0xFFF7F7F7},
        {QPalette::NoRole, 0xFF000000, 0xFF000000},
        {QPalette::ToolTipBase, 0xFFFFFFDC, 0xFFFFFFDC},
        {QPalette::ToolTipText, 0xFF000000, 0xFF000000},
        {QPalette::PlaceholderText, 0x80000000, 0x80000000},
    };
    QPalette colours;
    for (const RoleColours& entry : kColours) {
        for (auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
            const QRgb rgba = group == QPalette::Disabled ? entry.disabled : entry.normal;
            colours.setColor(group, entry.role, QColor::fromRgba(rgba));
        }
    }
    return colours;
}

} // namespace

void applyApplicationLook() {
    QCoreApplication::setAttribute(Qt::AA_DontUseNativeMenuBar);
    QApplication::setStyle("Fusion");
    // The game's windows keep their light colours under a dark desktop theme: its colours are
    // part of its look, and the fixed colours of its frames and cards are drawn for a light face.
    const QPalette colours = lightPalette();
    QApplication::setPalette(colours);
    QToolTip::setPalette(colours);
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

QString cellPlace(int cell) {
    return QString("%1 column, row %2").arg(bingoLetter((cell - 1) / 5)).arg((cell - 1) % 5 + 1);
}

CellLabel* columnHeader(int index, int letter, int left, int top, QWidget* parent) {
    auto* label = new CellLabel(QString(bingoLetter(letter)), kRed, kWhite, false, parent);
    label->setObjectName(QString("Label2_%1").arg(index));
    label->setGeometry(twipsRect(left, top, kHeaderWidth, kHeaderHeight));
    label->setFont(designFont(parent->font(), kHeaderPointSize, true));
    return label;
}

} // namespace zandor::ui
