#include "ui/message_box.h"

#include "ui/look.h"

#include <QMessageBox>

namespace zandor::ui {

void showMessage(QWidget* owner, const QString& text) {
    QMessageBox box(QMessageBox::NoIcon, kApplicationTitle, text, QMessageBox::Ok, owner);
    box.setObjectName("messageBox");
    box.setWindowFlags(kFixedDialogFlags);
    box.exec();
}

} // namespace zandor::ui
