// SPDX-License-Identifier: GPL-3.0-or-later
// The commands that reach the mouse: status, apply, events.
#include <cstdio>

#include "cli/command.h"
#include "cli/events_command.h"
#include "controller/apply_report.h"
#include "device/protocol.h"
#include "platform/linux/hidraw_backend.h"
#include "text/ui_text.h"

namespace vorlak {
namespace {

std::string Hex4(unsigned value) {
    char text[8];
    std::snprintf(text, sizeof text, "%04X", value);
    return text;
}

int Status(Session& session, CommandArgs) {
    MainController& controller = session.Controller();
    if (!controller.FindMouse()) {
        for (const std::string& node : InaccessibleMouseNodes()) {
            std::cerr << "vorlakctl: " << node << " is a Vorlak mouse but cannot be opened: the "
                      << "udev rule is missing (install data/70-vorlak.rules into "
                      << "/etc/udev/rules.d/, then run: udevadm control --reload; "
                      << "udevadm trigger)\n";
        }
        return NoMouse();
    }
    const HidTransport& transport = controller.Transport();
    const auto interfaces =
        session.Hardware().backend->Enumerate().value_or(std::vector<HidInterfaceInfo>{});
    for (const HidInterfaceInfo& info : interfaces) {
        const bool command = info.path == transport.DevicePath();
        const bool event = info.caps.usagePage == kEventUsage && info.caps.usage == kEventUsage;
        std::cout << (command ? "command"
                      : event ? "event  "
                              : "other  ")
                  << " collection " << info.path << "  identity " << Hex4(info.identity.vendorId)
                  << ":" << Hex4(info.identity.productId) << "  usage " << Hex4(info.caps.usagePage)
                  << "/" << Hex4(info.caps.usage) << "\n";
    }
    std::cout << "event collection: " << (transport.EventOpen() ? "open" : "not open") << "\n";
    const MouseReport report = controller.ReadMouseReport();
    if (report.error != 0) {
        throw CliError{kExitMouseFailed, "the mouse did not answer: " +
                                             TransferReasonText(kLanguageEnglish, report.error)};
    }
    const auto& options = report.functionOptions;
    char line[96];
    std::snprintf(line, sizeof line, "firmware %02X-%02X, function options %02X %02X %02X %02X\n",
                  report.version[0], report.version[1], options[0], options[1], options[2],
                  options[3]);
    std::cout << line;
    return kExitSuccess;
}

// What the window does at start-up with the mouse present, then Apply.
int Apply(Session& session, CommandArgs args) {
    const bool full = args.size() == 1 && args[0] == "--full";
    if (!args.empty() && !full)
        ThrowUsage("apply knows no argument " + args[0] + " (only --full)");
    MainController& controller = session.Controller();
    if (!controller.Start())
        return NoMouse();
    if (full)
        controller.ForceFullApply();
    if (!controller.ProfileLoaded()) {
        ThrowDataFile("no current profile could be read from " +
                      controller.Files().Folder().Folder().string() + ": " +
                      controller.DataProblemNotice());
    }
    controller.ShowPresence();
    bool done = false;
    controller.ApplyFlow([&] { done = true; });
    session.Queue().RunUntil([&] { return done; }, std::chrono::hours(1));
    const ApplyOutcome& outcome = controller.LastApply();
    if (outcome.Problem()) {
        // Edits that could not be saved come first: they are what a user may lose.
        throw CliError{outcome.saved ? kExitMouseFailed : kExitDataFile,
                       ApplyOutcomeReport(outcome, controller.LanguageCode()).text};
    }
    return kExitSuccess;
}

int RunEvents(Session& session, CommandArgs) {
    return Events(session);
}

constexpr Command kCommands[] = {
    {"status", "", "find the mouse, read its firmware",
     "Finds the mouse and reads its firmware version and function options (exit status 5\n"
     "when the mouse does not answer).",
     Access::ReachesMouse, Status},
    {"apply", "[--full]", "write the current profile to the mouse",
     "Runs the window's start-up exchange, then writes the current profile's record to the\n"
     "mouse, saves the profile files and hands the pointer settings to the desktop. The edit\n"
     "commands only write the files; apply sends them. Only the steps the mouse does not hold\n"
     "yet go out (what the last Apply to this mouse since it was plugged in sent, by the window\n"
     "or vorlakctl, is kept in $XDG_RUNTIME_DIR); --full sends them all. The write stops at\n"
     "the first step the mouse does not take; the files are saved all the same, and the\n"
     "command ends with exit status 5, naming the step and the reason (3 when the files could\n"
     "not be saved).",
     Access::Applies, Apply},
    {"events", "", "print the mouse's notices",
     "Prints each notice of the mouse as \"Title: text\" until interrupted. With --simulate,\n"
     "lines on standard input drive the simulated mouse (dpi, macro N, unplug, plug,\n"
     "describe, fail N ERROR); at the end of the input the command ends when nothing came for\n"
     "half a second.",
     Access::ReachesMouse, RunEvents},
};

}  // namespace

std::span<const Command> MouseCommands() {
    return kCommands;
}

}  // namespace vorlak
