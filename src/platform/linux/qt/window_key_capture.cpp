// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/linux/qt/window_key_capture.h"

#include <QApplication>
#include <QKeyEvent>
#include <QWidget>

#include "platform/linux/xkb_key_map.h"

namespace vorlak {

WindowKeyCapture::WindowKeyCapture(QWidget& window) : window_(window) {}

WindowKeyCapture::~WindowKeyCapture() {
    Stop();
}

void WindowKeyCapture::Start(KeyHandler onKey, FailureHandler) {
    Stop();
    onKey_ = std::move(onKey);
    running_ = true;
    qApp->installEventFilter(this);
}

void WindowKeyCapture::Stop() {
    if (!running_)
        return;
    running_ = false;
    qApp->removeEventFilter(this);
    onKey_ = {};
}

bool WindowKeyCapture::IsOwn(QObject* watched) const {
    const auto* widget = qobject_cast<const QWidget*>(watched);
    return widget != nullptr && (widget == &window_ || window_.isAncestorOf(widget));
}

bool WindowKeyCapture::eventFilter(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    if (type == QEvent::ShortcutOverride && IsOwn(watched)) {
        event->accept();  // no shortcut acts; the key comes as a key press
        return true;
    }
    if ((type != QEvent::KeyPress && type != QEvent::KeyRelease) || !IsOwn(watched))
        return QObject::eventFilter(watched, event);
    const auto* key = static_cast<const QKeyEvent*>(event);
    if (key->isAutoRepeat())
        return true;
    // The event's symbol has the modifiers applied: it stands for both levels.
    const auto symbol = key->nativeVirtualKey();
    const CapturedKey captured =
        MapKey(key->nativeScanCode(), {symbol, symbol}, type == QEvent::KeyRelease);
    if (const KeyHandler handler = onKey_)  // a copy: the handler may stop the capture
        handler(captured);
    return true;
}

}  // namespace vorlak
