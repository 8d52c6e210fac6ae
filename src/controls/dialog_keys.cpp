// SPDX-License-Identifier: GPL-3.0-or-later
#include "controls/dialog_keys.h"

#include <QApplication>
#include <QKeyEvent>
#include <QWidget>

namespace vorlak {
namespace {

bool IsWindowsKey(int key) {
    return key == Qt::Key_Meta || key == Qt::Key_Super_L || key == Qt::Key_Super_R;
}

}  // namespace

DialogKeyFilter::DialogKeyFilter(QWidget& window, Rules rules)
    : QObject(&window), window_(window), rules_(std::move(rules)) {
    qApp->installEventFilter(this);
}

DialogKeyFilter::~DialogKeyFilter() {
    qApp->removeEventFilter(this);
}

bool DialogKeyFilter::IsOwn(const QObject* watched) const {
    const auto* widget = qobject_cast<const QWidget*>(watched);
    return widget != nullptr && (widget == &window_ || window_.isAncestorOf(widget));
}

bool DialogKeyFilter::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
        case QEvent::KeyPress:
        case QEvent::KeyRelease:
        case QEvent::ShortcutOverride: {
            if (!IsOwn(watched))
                break;
            const int key = static_cast<QKeyEvent*>(event)->key();
            if (Busy() || IsSwallowedDialogKey(watched, key) ||
                (rules_.windowsKeys && IsWindowsKey(key)))
                return true;
            break;
        }
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease:
        case QEvent::MouseButtonDblClick:
        case QEvent::Wheel:
            if (Busy() && IsOwn(watched))
                return true;
            break;
        default:
            break;
    }
    return QObject::eventFilter(watched, event);
}

}  // namespace vorlak
