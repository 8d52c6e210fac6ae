// SPDX-License-Identifier: GPL-3.0-or-later
// The keys a skinned window swallows before it or any of its children handle them: Enter,
// Escape, Space and F1 never close a window or open help.
#pragma once

#include <QLineEdit>
#include <QObject>
#include <Qt>

#include <functional>

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

// The key filter of one window: installed on the application, so that it sees the keys of the
// window's children too, and only those of the window and its children. Other windows (file
// dialogs, message boxes, menus) keep their keys.
class DialogKeyFilter : public QObject {
public:
    struct Rules {
        // The Windows keys do nothing in the window either.
        bool windowsKeys = false;
        // While it says so, no input reaches the window: no key, press, release or wheel.
        std::function<bool()> busy;
    };

    // Lives as long as the window.
    DialogKeyFilter(QWidget& window, Rules rules);
    ~DialogKeyFilter() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool IsOwn(const QObject* watched) const;
    bool Busy() const { return rules_.busy && rules_.busy(); }

    QWidget& window_;
    Rules rules_;
};

}  // namespace vorlak
