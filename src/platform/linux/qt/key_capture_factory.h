// SPDX-License-Identifier: GPL-3.0-or-later
// The key capture for a window on the running platform: the X11 grab on X11, the focused
// window with the shortcuts inhibitor on Wayland, the window's own keys elsewhere.
#pragma once

#include <memory>

#include "keys/key_capture.h"

class QWidget;

namespace vorlak {

std::unique_ptr<KeyCapture> MakeKeyCapture(QWidget& window);

}  // namespace vorlak
