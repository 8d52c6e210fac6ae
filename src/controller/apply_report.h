// SPDX-License-Identifier: GPL-3.0-or-later
// What an Apply did and how the user is told, in the four languages: the progress text of
// each step, and the outcome: sent and saved; saved but the mouse did not take it (the step
// and the system's reason); sent but not saved.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "device/apply_steps.h"
#include "device/device_commands.h"

namespace vorlak {

// One step of an Apply as the user follows it: a step sent to the mouse, or the save of the
// profile files that ends it.
struct ApplyProgressStep {
    int step = 0;  // 1..stepCount
    int stepCount = 0;
    std::string text;  // in the user's language ("macro 5 of 12", "profile files" ...)
};

// What a write to the mouse did.
struct ApplyOutcome {
    int stepsToSend = 0;                 // steps the mouse lacked (0: it was up to date)
    int stepsSent = 0;                   // steps that went out whole
    std::optional<StepFailure> failure;  // the step the mouse did not take, and why
    bool saved = true;                   // the profile files were written
    std::filesystem::path folder;        // the data folder they live in
    // When not saved: which part of the save was not written and why, in the user's language.
    std::string saveProblem = {};

    bool MouseTook() const { return !failure; }
    bool Problem() const { return failure || !saved; }
};

// What the user is shown at the end of a write: a problem is a warning, the rest a short note.
struct ApplyReport {
    bool problem = false;
    std::string text;
};

// The text of a step for a language code (English for codes other than the four).
std::string ApplyStepText(std::string_view code, ApplyStepKind kind, int number);
// The last step: the save of the profile files.
std::string ProfileFilesStepText(std::string_view code);
// The system's reason for a failed transfer, in words, with the error's name: "input/output
// error (EIO)".
std::string TransferReasonText(std::string_view code, int error);
// The outcome as the user reads it.
ApplyReport ApplyOutcomeReport(const ApplyOutcome& outcome, std::string_view code);

}  // namespace vorlak
