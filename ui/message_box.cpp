#include "ui/message_box.h"

#include "program_info.h"
#include "ui/look.h"

#include <QMessageBox>

namespace zandor::ui {

namespace {

void show(QWidget* owner, QMessageBox::Icon icon, const QString& text) {
    QMessageBox box(icon, program::kName, text, QMessageBox::Ok, owner);
    box.setObjectName("messageBox");
    box.setWindowFlags(kFixedDialogFlags);
    box.exec();
}

} // namespace

void showMessage(QWidget* owner, const QString& text) {
    show(owner, QMessageBox::NoIcon, text);
}

void showInformation(QWidget* owner, const QString& text) {
    show(owner, QMessageBox::Information, text);
}

} // namespace zandor::ui
