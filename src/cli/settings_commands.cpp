// SPDX-License-Identifier: GPL-3.0-or-later
// The settings panels' values: dpi, polling, lighting, sensitivity, pointer. Each edit goes
// through the record editor with the panel's rule, then the current profile is saved.
#include <array>
#include <iostream>

#include "cli/command.h"
#include "cli/record_description.h"
#include "cli/words.h"

namespace vorlak {
namespace {

constexpr int kStages = 6;

// The slider code of a DPI value on the window's scale (200..5000 by 100, 5200..6000 by
// 200); a usage error naming the nearest values of the scale otherwise.
int DpiCode(std::string_view word) {
    if (word.empty() || word.find_first_not_of("0123456789") != std::string_view::npos ||
        word.size() > 7) {
        ThrowUsage("\"" + CutText(word) +
                   "\" is no DPI setting: a DPI value from 200 to 6000, on, off or colour RRGGBB");
    }
    const int dpi = ParseNumber(word, "a DPI value", 0, 9999999);
    int below = 0, above = 0;
    for (int code = kMinDpiSliderCode; code <= kMaxDpiSliderCode; ++code) {
        const int value = DpiOfCode(static_cast<Byte>(code));
        if (value == dpi)
            return code;
        if (value < dpi)
            below = value;
        else if (above == 0)
            above = value;
    }
    std::string nearest = below && above ? std::to_string(below) + " and " + std::to_string(above)
                                         : std::to_string(below ? below : above);
    ThrowUsage(std::to_string(dpi) +
               " DPI is not on the DPI scale (200 to 5000 in steps of 100, 5200 to 6000 in "
               "steps of 200); the nearest: " +
               nearest);
}

std::array<Byte, 3> Colour(std::string_view word) {
    std::array<Byte, 3> rgb{};
    if (word.starts_with('#'))
        word.remove_prefix(1);
    auto digit = [](char c) {
        return c >= '0' && c <= '9'   ? c - '0'
               : c >= 'a' && c <= 'f' ? c - 'a' + 10
               : c >= 'A' && c <= 'F' ? c - 'A' + 10
                                      : -1;
    };
    bool valid = word.size() == 6;
    for (std::size_t i = 0; valid && i < 3; ++i) {
        const int high = digit(word[2 * i]), low = digit(word[2 * i + 1]);
        valid = high >= 0 && low >= 0;
        rgb[i] = static_cast<Byte>(high * 16 + low);
    }
    if (!valid)
        ThrowUsage("a colour is RRGGBB in hexadecimal (FF8000 is orange), not \"" + CutText(word) +
                   "\"");
    return rgb;
}

bool Changed(EditResult result) {
    return result == EditResult::Changed;
}

// dpi STAGE SETTING...: each setting in turn, so "dpi 3 on colour FF0000" works.
int Dpi(Session& session, CommandArgs args) {
    ExpectWords(args.size(), 2, 64, "dpi STAGE VALUE|on|off|colour RRGGBB ...");
    const int stage = ParseNumber(args[0], "the DPI stage", 1, kStages) - 1;
    return session.EditCurrentProfile([&](MainController& controller) {
        RecordEditor& editor = controller.Editor();
        bool changed = false;
        for (std::size_t i = 1; i < args.size(); ++i) {
            const std::string& word = args[i];
            if (word == "on" || word == "off") {
                changed |= Changed(editor.SetDpiEnabled(stage, word == "on"));
            } else if (word == "colour" || word == "color") {
                if (++i == args.size())
                    ThrowUsage("colour needs RRGGBB");
                const std::array<Byte, 3> rgb = Colour(args[i]);
                const EditResult result = editor.SetDpiColor(stage, rgb);
                if (result == EditResult::Invalid) {
                    ThrowUsage("DPI stage " + std::to_string(stage + 1) +
                               " is off, and a stage takes a colour only while it is on (dpi " +
                               std::to_string(stage + 1) + " on colour " + args[i] + ")");
                }
                changed |= Changed(result);
            } else {
                changed |= Changed(editor.SetDpiCode(stage, DpiCode(word)));
            }
        }
        const auto s = static_cast<std::size_t>(stage);
        const MouseConfig& r = editor.Record();
        std::cout << "DPI stage " << stage + 1 << ": " << FormatDpiLabel(r, stage) << ", "
                  << (r.dpiEnabled[s] ? "on" : "off") << ", colour " << ColourText(r.dpiColor[s])
                  << "\n";
        return changed;
    });
}

int Polling(Session& session, CommandArgs args) {
    ExpectWords(args.size(), 1, 1, "polling 125|250|500|1000");
    const int hz = ParseNumber(args[0], "the polling rate", 125, 1000);
    if (hz != 125 && hz != 250 && hz != 500 && hz != 1000)
        ThrowUsage("the polling rate is 125, 250, 500 or 1000 Hz, not " + CutText(args[0]));
    return session.EditCurrentProfile([&](MainController& controller) {
        std::cout << "Polling rate: " << hz << " Hz\n";
        return Changed(controller.Editor().SetPollingDivisor(1000 / hz));
    });
}

int Lighting(Session& session, CommandArgs args) {
    ExpectWords(args.size(), 1, 2, "lighting standard|respiration|neon [STEP]");
    constexpr std::array<std::string_view, 3> kModes = {"standard", "respiration", "neon"};
    int mode = 0;
    for (std::size_t m = 0; m < kModes.size(); ++m) {
        if (SameName(args[0], kModes[m]))
            mode = static_cast<int>(m) + 1;
    }
    if (mode == 0)
        ThrowUsage("the lighting mode is standard, respiration or neon, not \"" + CutText(args[0]) +
                   "\"");
    const int step =
        args.size() == 2 ? ParseNumber(args[1], "the step", kMinStep, kMaxLightStep) : 0;
    return session.EditCurrentProfile([&](MainController& controller) {
        RecordEditor& editor = controller.Editor();
        bool changed = Changed(editor.SetLightMode(mode));
        if (step)
            changed |= Changed(editor.SetLightStep(static_cast<LightStep>(mode - 1), step));
        const MouseConfig& r = editor.Record();
        const Byte steps[] = {r.lightBrightness, r.lightBreathRate, r.lightNeonRate};
        std::cout << "Lighting: " << kModes[static_cast<std::size_t>(mode - 1)] << ", "
                  << (mode == 1 ? "brightness " : "speed ") << int(steps[mode - 1]) << "\n";
        return changed;
    });
}

int Sensitivity(Session& session, CommandArgs args) {
    ExpectWords(args.size(), 1, 2, "sensitivity X [Y]");
    const int x = ParseNumber(args[0], "the X sensitivity", kMinStep, kMaxDialStep);
    const int y =
        args.size() == 2 ? ParseNumber(args[1], "the Y sensitivity", kMinStep, kMaxDialStep) : x;
    return session.EditCurrentProfile([&](MainController& controller) {
        RecordEditor& editor = controller.Editor();
        // Both are set, whichever of them changes.
        const bool changedX = Changed(editor.SetSensitivityX(x));
        const bool changedY = Changed(editor.SetSensitivityY(y));
        const bool changed = changedX || changedY;
        std::cout << "Sensitivity: x " << x << ", y " << y << "\n";
        return changed;
    });
}

// pointer speed N | double-click N | wheel N|page, any of them in one command.
int Pointer(Session& session, CommandArgs args) {
    constexpr std::string_view kUsage =
        "pointer [speed 1-11] [double-click 1-11] [wheel 1-100|page]";
    ExpectWords(args.size(), 2, 6, kUsage);
    if (args.size() % 2)
        ThrowUsage(std::string("each pointer setting takes one value; usage: vorlakctl ") +
                   std::string(kUsage));
    return session.EditCurrentProfile([&](MainController& controller) {
        RecordEditor& editor = controller.Editor();
        bool changed = false;
        for (std::size_t i = 0; i < args.size(); i += 2) {
            const std::string& name = args[i];
            const std::string& value = args[i + 1];
            if (name == "speed") {
                changed |= Changed(editor.SetPointerSpeed(
                    ParseNumber(value, "the pointer speed", kMinStep, kMaxDialStep)));
            } else if (name == "double-click") {
                changed |= Changed(editor.SetDoubleClickStep(
                    ParseNumber(value, "the double-click step", kMinStep, kMaxDialStep)));
            } else if (name == "wheel" && value == "page") {
                changed |= Changed(editor.SetWheelPageScroll(true));
            } else if (name == "wheel") {
                const int lines = ParseNumber(value, "the wheel lines", 1, kMaxWheelLines);
                changed |= Changed(editor.SetWheelPageScroll(false));
                changed |= Changed(editor.SetWheelLines(lines));
            } else {
                ThrowUsage("the pointer settings are speed, double-click and wheel, not \"" +
                           CutText(name) + "\"");
            }
        }
        std::cout << "Pointer: " << PointerText(editor.Record()) << "\n";
        return changed;
    });
}

constexpr Command kCommands[] = {
    {"dpi", "STAGE VALUE|on|off|colour RRGGBB ...", "set a DPI stage: value, on, off, colour",
     "STAGE is 1 to 6. VALUE is a DPI value of the window's scale: 200 to 5000 in steps of\n"
     "100, 5200 to 6000 in steps of 200; setting one switches the stage on, as the slider\n"
     "does. on and off switch the stage; colour RRGGBB (hexadecimal red, green, blue) colours\n"
     "a stage that is on. The settings run in turn: dpi 3 1600 on colour 00FF80.",
     Access::WritesFiles, Dpi},
    {"polling", "125|250|500|1000", "set the polling rate in Hz",
     "Sets the USB polling rate to 125, 250, 500 or 1000 Hz.", Access::WritesFiles, Polling},
    {"lighting", "standard|respiration|neon [STEP]", "set the lighting mode and its step",
     "Chooses the lighting mode; STEP (1 to 6) sets the brightness of standard or the speed of\n"
     "respiration and neon, as the mode's slider does.",
     Access::WritesFiles, Lighting},
    {"sensitivity", "X [Y]", "set the X and Y sensitivity (1 to 11)",
     "Sets the X and Y axis sensitivity, 1 to 11; without Y, Y takes the value of X.",
     Access::WritesFiles, Sensitivity},
    {"pointer", "[speed N] [double-click N] [wheel N|page]",
     "pointer speed, double-click, wheel lines",
     "speed 1 to 11, double-click 1 to 11 (970 - 70 x N milliseconds), wheel 1 to 100 lines\n"
     "per notch or page (one screen per notch). The desktop takes them on apply.",
     Access::WritesFiles, Pointer},
};

}  // namespace

std::span<const Command> SettingsCommands() {
    return kCommands;
}

}  // namespace vorlak
