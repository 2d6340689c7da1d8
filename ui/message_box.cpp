#include "ui/message_box.h"

#include "program_info.h"

#include <QMessageBox>

namespace zandor::ui {

void showMessage(QWidget* owner, const QString& text) {
    QMessageBox box(QMessageBox::NoIcon, program::kName, text, QMessageBox::Ok, owner);
    box.setObjectName("messageBox");
    box.exec();
}

} // namespace zandor::ui
