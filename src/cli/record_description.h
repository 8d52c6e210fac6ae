// A configuration record in words, for vorlakctl.
#pragma once

#include <string>
#include <vector>

#include "record/mouse_config.h"
#include "text/ui_text.h"

namespace vorlak {

struct DescriptionContext {
    const UiTextTable& text;
    std::string languageCode;
    std::vector<std::string> macroNames;  // of the macro store, in macro-number order
};

// DPI stages, polling rate, sensitivity, lighting, pointer settings, the fourteen
// assignments, the macro slots that hold data and the two key matrices.
std::string DescribeRecord(const MouseConfig& record, const DescriptionContext& context);

}  // namespace vorlak
