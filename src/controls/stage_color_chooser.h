// SPDX-License-Identifier: GPL-3.0-or-later
// The colour chooser of the DPI stages: the toolkit's own colour dialog, modal and owned by
// the main window, opening on black with no preset, in the window's dark colours.
#pragma once

#include <QWidget>

#include <array>
#include <optional>

#include "record/mouse_config.h"

namespace vorlak {

// The chosen red, green and blue; nothing when the user cancels.
std::optional<std::array<Byte, 3>> ChooseStageColor(QWidget* owner);

}  // namespace vorlak
