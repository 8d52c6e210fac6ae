// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/record_description.h"

#include <algorithm>
#include <cstdio>
#include <sstream>

#include "assign/function_catalogue.h"
#include "cli/button_function.h"
#include "cli/entry_names.h"
#include "cli/words.h"
#include "controller/pointer_settings.h"

namespace vorlak {
namespace {

std::string LightingName(const MouseConfig& r, const UiTextTable& text) {
    switch (r.lightMode) {
        case 0:
            return "off";
        case 1:
            return text.TxtStandard + ", brightness " + std::to_string(r.lightBrightness);
        case 2:
            return text.TxtRespiration + ", speed " + std::to_string(r.lightBreathRate);
        case 3:
            return text.TxtNeon + ", speed " + std::to_string(r.lightNeonRate);
        case 4:
            return "effect 4, value " + std::to_string(r.lightMode4Param);
        default:
            return "unknown effect " + std::to_string(r.lightMode);
    }
}

void DescribeDpi(std::ostream& out, const MouseConfig& r) {
    out << "DPI stages:\n";
    char line[96];
    for (int s = 0; s < 6; ++s) {
        const auto stage = static_cast<std::size_t>(s);
        const std::string dpi = FormatDpiLabel(r, s);
        std::snprintf(line, sizeof line, "  %d  %-5s %-3s  colour %s\n", s + 1,
                      dpi.empty() ? "-" : dpi.c_str(), r.dpiEnabled[stage] ? "on" : "off",
                      ColourText(r.dpiColor[stage]).c_str());
        out << line;
    }
}

void DescribeSettings(std::ostream& out, const MouseConfig& r, const UiTextTable& text) {
    const int rate = PollingRateHz(r.pollingDivisor);
    out << "Polling rate: " << (rate ? std::to_string(rate) + " Hz" : "unset") << "\n"
        << "Lighting: " << LightingName(r, text) << "\n"
        << "Sensitivity: x " << int(r.sensitivityX) << ", y " << int(r.sensitivityY) << "\n"
        << "Pointer: " << PointerText(r) << ", precision "
        << (r.pointerPrecision == 1 ? "on" : "off") << "\n";
}

// Both layers in the window's order: Button 1 … Button 7, then Shift+1 … Shift+7; what each
// does, and its label where that says something else than the window would.
void DescribeButtons(std::ostream& out, const MouseConfig& record,
                     const DescriptionContext& context) {
    out << "Buttons (what each does, as vorlakctl assign names it; the label where it differs):\n";
    for (int entry = 0; entry < kEntryCount; ++entry) {
        std::string line = "  " + EntryCaption(context.text, entry);
        line.resize(std::max<std::size_t>(line.size() + 1, 12), ' ');
        line += DecodeButton(record, entry, context.macroNames).text;
        const std::string& label = context.labels[static_cast<std::size_t>(entry)];
        if (label != WindowLabel(record, entry, context)) {
            line.resize(std::max<std::size_t>(line.size() + 2, 44), ' ');
            line += label.empty() ? "no label" : "label \"" + CutText(label) + "\"";
        }
        out << line << "\n";
    }
}

void DescribeMacros(std::ostream& out, const DescriptionContext& context) {
    out << "Macros:";
    if (context.macroNames.empty())
        out << " none";
    for (std::size_t i = 0; i < context.macroNames.size(); ++i)
        out << (i ? ", " : " ") << i + 1 << " \"" << context.macroNames[i] << "\"";
    out << "\n";
}

}  // namespace

std::string WindowLabel(const MouseConfig& record, int entry, const DescriptionContext& context) {
    const auto macro =
        static_cast<std::size_t>(record.KeyMacroIndex[static_cast<std::size_t>(entry)]);
    return FunctionLabel(
        record, entry, context.text, context.languageCode,
        macro < context.macroNames.size() ? context.macroNames[macro] : std::string());
}

std::string PointerText(const MouseConfig& r) {
    return "speed " + std::to_string(r.pointerSpeed) + ", double-click step " +
           std::to_string(r.doubleClickStep) + " (" +
           std::to_string(PointerValuesOf(r).doubleClickMs) + " ms), wheel " +
           (r.wheelPageScroll ? std::string("one page") : Count(r.wheelLines, "line"));
}

std::string ColourText(const std::array<Byte, 3>& rgb) {
    char text[8];
    std::snprintf(text, sizeof text, "%02X%02X%02X", rgb[0], rgb[1], rgb[2]);
    return text;
}

std::string DescribeRecord(const MouseConfig& record, const DescriptionContext& context) {
    std::ostringstream out;
    DescribeDpi(out, record);
    DescribeSettings(out, record, context.text);
    DescribeButtons(out, record, context);
    DescribeMacros(out, context);
    return out.str();
}

}  // namespace vorlak
