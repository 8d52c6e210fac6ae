// The keys a skinned window swallows before it handles them: Enter, Escape, Space and F1
// never close a window or open help.
#pragma once

#include <Qt>

namespace vorlak {

inline bool IsSwallowedDialogKey(int key) {
    return key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Space ||
           key == Qt::Key_Escape || key == Qt::Key_F1;
}

}  // namespace vorlak
