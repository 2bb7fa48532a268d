#include "scheduler/ui/ModalReturn.h"

#include <QApplication>
#include <QWidget>
#include <utility>

void ModalReturn::deactivated(const QWidget* dialog) {
    const QWidget* modal = QApplication::activeModalWidget();
    lent_ = modal && modal != dialog && modal->isVisible();
}

bool ModalReturn::returning() {
    return std::exchange(lent_, false);
}
