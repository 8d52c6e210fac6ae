#include "cli/record_description.h"

#include <algorithm>
#include <cstdio>
#include <sstream>

#include "assign/function_catalogue.h"
#include "assign/key_matrix.h"

namespace vorlak {
namespace {

std::string Hex(std::span<const Byte> bytes) {
    std::string out;
    char cell[4];
    for (Byte b : bytes) {
        std::snprintf(cell, sizeof cell, "%s%02X", out.empty() ? "" : " ", b);
        out += cell;
    }
    return out;
}

std::string LightingName(const MouseConfig& r, const UiTextTable& text) {
    switch (r.lightMode) {
        case 0:
            return "off";
        case 1:
            return text.TxtStandard + ", brightness " + std::to_string(r.lightBrightness);
        case 2:
            return text.TxtRespiration + ", rate " + std::to_string(r.lightBreathRate);
        case 3:
            return text.TxtNeon + ", rate " + std::to_string(r.lightNeonRate);
        case 4:
            return "effect 4, value " + std::to_string(r.lightMode4Param);
        default:
            return "unknown effect " + std::to_string(r.lightMode);
    }
}

void DescribeDpi(std::ostream& out, const MouseConfig& r) {
    out << "DPI stages:\n";
    char line[96];
    for (int s = 0; s < kDpiStages; ++s) {
        const auto& c = r.dpiColor[static_cast<std::size_t>(s)];
        std::string dpi = FormatDpiLabel(r, s);
        std::snprintf(line, sizeof line, "  %d  %-5s %-3s  colour %3d %3d %3d\n", s + 1,
                      dpi.empty() ? "-" : dpi.c_str(),
                      r.dpiEnabled[static_cast<std::size_t>(s)] ? "on" : "off", c[0], c[1], c[2]);
        out << line;
    }
}

void DescribeSettings(std::ostream& out, const MouseConfig& r, const UiTextTable& text) {
    int rate = PollingRateHz(r.pollingDivisor);
    out << "Polling rate: " << (rate ? std::to_string(rate) + " Hz" : "unset") << "\n"
        << "Sensitivity: x " << int(r.sensitivityX) << ", y " << int(r.sensitivityY) << "\n"
        << "Lighting: " << LightingName(r, text) << "\n"
        << "Pointer: precision " << (r.pointerPrecision == 1 ? "on" : "off") << ", speed "
        << int(r.pointerSpeed) << ", wheel "
        << (r.wheelPageScroll ? std::string("one screen") : std::to_string(r.wheelLines) + " lines")
        << ", double-click " << 970 - 70 * r.doubleClickStep << " ms\n";
}

std::string EntryText(const MouseConfig& r, int entry, const DescriptionContext& context) {
    const auto e = static_cast<std::size_t>(entry);
    const auto macro = static_cast<std::size_t>(r.KeyMacroIndex[e]);
    std::string label = FunctionLabel(
        r, entry, context.text, context.languageCode,
        macro < context.macroNames.size() ? context.macroNames[macro] : std::string());
    return label.empty() ? "(code " + std::to_string(r.KeyFunction[e]) + ")" : label;
}

// Both layers in the order of the physical buttons.
void DescribeAssignments(std::ostream& out, const MouseConfig& r,
                         const DescriptionContext& context) {
    out << "Assignments:\n";
    for (bool shift : {false, true}) {
        for (int button = 0; button < kBaseEntryCount; ++button) {
            int entry = shift ? MirrorOf(button) : button;
            out << (shift ? "  shift" : "  base ") << " button " << button + 1 << ": "
                << EntryText(r, entry, context) << "\n";
        }
    }
}

void DescribeMacros(std::ostream& out, const MouseConfig& r, const DescriptionContext& context) {
    out << "Macros stored:";
    if (context.macroNames.empty())
        out << " none";
    for (const auto& name : context.macroNames)
        out << " \"" << name << "\"";
    out << "\nMacro slots with data:";
    bool any = false;
    for (int i = 0; i < kMacroSlots; ++i) {
        const auto& slot = r.macroSlot[static_cast<std::size_t>(i)];
        if (std::any_of(slot.begin(), slot.begin() + kMacroBlockSize, [](Byte b) { return b; })) {
            out << " " << i + 1;
            any = true;
        }
    }
    out << (any ? "\n" : " none\n");
}

void DescribeMatrices(std::ostream& out, const MouseConfig& r) {
    KeyMatrices matrices = BuildKeyMatrices(r);
    for (auto [name, matrix] : {std::pair{"base (matrix 0)", &matrices.base},
                                std::pair{"shift (matrix 3)", &matrices.shift}}) {
        out << "Key matrix " << name << ":\n";
        for (int row = 0; row < 4; ++row) {
            out << "  " << Hex(std::span<const Byte>(matrix->data() + row * 16, 16)) << "\n";
        }
    }
}

}  // namespace

std::string DescribeRecord(const MouseConfig& record, const DescriptionContext& context) {
    std::ostringstream out;
    DescribeDpi(out, record);
    DescribeSettings(out, record, context.text);
    DescribeAssignments(out, record, context);
    DescribeMacros(out, record, context);
    DescribeMatrices(out, record);
    return out.str();
}

}  // namespace vorlak
