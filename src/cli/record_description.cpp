// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/record_description.h"

#include <cstdio>
#include <sstream>

#include "cli/entry_names.h"

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
        << "Pointer: speed " << int(r.pointerSpeed) << ", double-click step "
        << int(r.doubleClickStep) << " (" << 970 - 70 * r.doubleClickStep << " ms), wheel "
        << (r.wheelPageScroll ? std::string("one page") : std::to_string(r.wheelLines) + " lines")
        << ", precision " << (r.pointerPrecision == 1 ? "on" : "off") << "\n";
}

// Both layers in the window's order: Button 1 … Button 7, then Shift+1 … Shift+7.
void DescribeButtons(std::ostream& out, const DescriptionContext& context) {
    out << "Buttons:\n";
    char line[160];
    for (int entry = 0; entry < kEntryCount; ++entry) {
        std::snprintf(line, sizeof line, "  %-9s %s\n", EntryCaption(context.text, entry).c_str(),
                      context.labels[static_cast<std::size_t>(entry)].c_str());
        out << line;
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

std::string ColourText(const std::array<Byte, 3>& rgb) {
    char text[8];
    std::snprintf(text, sizeof text, "%02X%02X%02X", rgb[0], rgb[1], rgb[2]);
    return text;
}

std::string DescribeRecord(const MouseConfig& record, const DescriptionContext& context) {
    std::ostringstream out;
    DescribeDpi(out, record);
    DescribeSettings(out, record, context.text);
    DescribeButtons(out, context);
    DescribeMacros(out, context);
    return out.str();
}

}  // namespace vorlak
