#include "ui/scores_dialog_factory.h"

#include "ui/scores_window.h"

namespace zandor::ui {

ScoresDialogFactory::ScoresDialogFactory(const Pictures& pictures, QWidget* owner)
    : pictures_(pictures), owner_(owner) {}

void ScoresDialogFactory::showModal(Module2& store) {
    ScoresForm form(store, pictures_, owner_);
    form.load();
    form.exec();
}

} // namespace zandor::ui
