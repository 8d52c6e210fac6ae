// SPDX-License-Identifier: GPL-3.0-or-later
// A configuration record in words for people, and as JSON for scripts.
#pragma once

#include <string>
#include <vector>

#include "assign/entry_assignment.h"
#include "record/mouse_config.h"
#include "text/ui_text.h"

namespace vorlak {

struct DescriptionContext {
    const UiTextTable& text;
    std::string languageCode;
    const EntryLabels& labels;            // as the window shows them
    std::vector<std::string> macroNames;  // of the macro store, in macro-number order
};

// The label the window gives the function entry 0..13 carries.
std::string WindowLabel(const MouseConfig& record, int entry, const DescriptionContext& context);

// The pointer settings in words: "speed 6, double-click step 5 (620 ms), wheel 3 lines".
std::string PointerText(const MouseConfig& record);

// A stage colour as RRGGBB.
std::string ColourText(const std::array<Byte, 3>& rgb);

// The six DPI stages, polling rate, lighting, sensitivity, pointer settings, the fourteen
// buttons by the window's captions with what each does (and its label where it differs),
// and the macros by name.
std::string DescribeRecord(const MouseConfig& record, const DescriptionContext& context);

}  // namespace vorlak
