#include "controls/window_keys.h"

#include <QKeyEvent>
#include <QLineEdit>

namespace vorlak {

bool IsSwallowedKey(const QObject* target, const QKeyEvent& event) {
    switch (event.key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
        case Qt::Key_Escape:
        case Qt::Key_F1:
            return true;
        case Qt::Key_Space:
            return qobject_cast<const QLineEdit*>(target) == nullptr;
        default:
            return false;
    }
}

}  // namespace vorlak
