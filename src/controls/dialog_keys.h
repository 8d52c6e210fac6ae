// SPDX-License-Identifier: GPL-3.0-or-later
// The keys a skinned window swallows before it handles them: Enter, Escape, Space and F1
// never close a window or open help.
#pragma once

#include <QLineEdit>
#include <Qt>

namespace vorlak {

inline bool IsSwallowedDialogKey(int key) {
    return key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Space ||
           key == Qt::Key_Escape || key == Qt::Key_F1;
}

// The same for a key sent to target: in a line edit Space is text and stays (a name like
// "Profile 2" could not be typed otherwise).
inline bool IsSwallowedDialogKey(const QObject* target, int key) {
    return IsSwallowedDialogKey(key) &&
           !(key == Qt::Key_Space && qobject_cast<const QLineEdit*>(target) != nullptr);
}

}  // namespace vorlak
