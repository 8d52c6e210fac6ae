// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/linux/qt/key_capture_factory.h"

#include <QGuiApplication>

#include "platform/linux/qt/wayland_key_capture.h"
#include "platform/linux/qt/window_key_capture.h"
#include "platform/linux/qt/x11_key_capture.h"

namespace vorlak {

std::unique_ptr<KeyCapture> MakeKeyCapture(QWidget& window) {
    if (QGuiApplication::platformName() == QLatin1String("xcb"))
        return std::make_unique<X11KeyCapture>(window);
    if (QGuiApplication::platformName().startsWith(QLatin1String("wayland")))
        return std::make_unique<WaylandKeyCapture>(window);
    return std::make_unique<WindowKeyCapture>(window);
}

}  // namespace vorlak
