#include "ui/about_dialog.h"

#include "program_info.h"
#include "ui/look.h"
#include "ui/picture_box.h"
#include "ui/pictures.h"
#include "ui/twips.h"

#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>

namespace zandor::ui {

namespace {
constexpr int kClientWidth = 5805;
constexpr int kClientHeight = 3765;
// Today's dialog face, fixed so that no desktop theme changes it; the etched separator is
// drawn for a light face like this one.
constexpr Rgb kFace = 0xF0F0F0;
constexpr Rgb kGrey = 0xC0C0C0;
constexpr Rgb kDarkGrey = 0x808080;

QLabel* label(const char* name, const QString& text, const QRect& place, QWidget* parent) {
    auto* control = new QLabel(text, parent);
    control->setObjectName(name);
    control->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    control->setWordWrap(true);
    control->setGeometry(place);
    return control;
}

// A line control: a horizontal line from left to right at top, thickness pixels thick.
void line(const char* name, int left, int top, int right, int thickness, Rgb colour,
          QWidget* parent) {
    auto* control = new QWidget(parent);
    control->setObjectName(name);
    fixColours(control, colour, colour);
    control->setGeometry(px(left), px(top), px(right) - px(left), thickness);
    control->lower();
}

QPushButton* button(const char* name, const QString& caption, const QRect& place, QWidget* parent) {
    auto* control = new QPushButton(caption, parent);
    control->setObjectName(name);
    control->setGeometry(place);
    return control;
}

QString versionLine() {
    return QString("Version %1.%2.%3")
        .arg(program::kMajor)
        .arg(program::kMinor)
        .arg(program::kRevision);
}
} // namespace

frmAbout::frmAbout(const Pictures& pictures, QWidget* owner) : QDialog(owner) {
    setObjectName("frmAbout");
    setWindowTitle("About Zandor Bingo");
    // No system menu either, which on Windows also leaves the title bar without an icon.
    setWindowFlags(kFixedDialogFlags);
    // X11 window managers show the application's icon when a window has none of its own; a
    // clear one leaves the title bar as bare as the window manager allows.
    QPixmap clear(16, 16);
    clear.fill(Qt::transparent);
    setWindowIcon(QIcon(clear));
    setFixedSize(px(kClientWidth), px(kClientHeight));
    setFont(designFont(font(), kDefaultPointSize, false));
    fixColours(this, kFace, kBlack);

    // Made first so that it has the focus when the box opens, as the default button should.
    cmdOK = button("cmdOK", "OK", twipsRect(4080, 2880, 1467, 345), this);
    cmdOK->setDefault(true);
    connect(cmdOK, &QPushButton::clicked, this, &QDialog::accept);
    auto* cmdSysInfo =
        button("cmdSysInfo", "&System Info...", twipsRect(4080, 3360, 1452, 345), this);
    connect(cmdSysInfo, &QPushButton::clicked, this, &frmAbout::cmdSysInfoClicked);

    auto* picIcon = new PictureBox(pictures.aboutPicture(), this);
    picIcon->setObjectName("picIcon");
    picIcon->setAccessibleName("Zandor Bingo picture");
    fixColours(picIcon, kGrey, kBlack);
    picIcon->setGeometry(twipsRect(120, 240, 2010, 2640));

    lblTitle = label("lblTitle", "", twipsRect(2490, 240, 3135, 360), this);
    lblTitle->setFont(designFont(font(), kDefaultPointSize, true));
    lblVersion = label("lblVersion", "", twipsRect(2520, 600, 2775, 225), this);
    label("lblDescription",
          "Bingo against nine computer players: buy up to three cards, listen to the caller "
          "and be the first to complete the pattern.",
          twipsRect(2280, 960, 3375, 690), this);
    label("Label1", "The caller's voice, the players and their faces were all made for this game.",
          twipsRect(2280, 1800, 3375, 615), this);
    // The grey line above the white one makes an etched groove across the box. Lines are
    // drawn on the box itself, so the picture covers their left ends.
    line("Line1_1", 225, 2430, 5657, 1, kDarkGrey, this);
    line("Line1_0", 240, 2445, 5657, 2, kWhite, this);
    label("lblDisclaimer",
          "A game of chance for entertainment only. No real money is staked, paid or won.",
          twipsRect(255, 3000, 3630, 585), this);

    Form_Load();
}

void frmAbout::Form_Load() {
    lblVersion->setText(versionLine());
    lblTitle->setText(program::kName);
}

void frmAbout::keyPressEvent(QKeyEvent* event) {
    // Escape presses OK, as Enter does, rather than cancelling.
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        cmdOK->click();
        return;
    }
    QDialog::keyPressEvent(event);
}

} // namespace zandor::ui
