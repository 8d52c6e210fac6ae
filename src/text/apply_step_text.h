// SPDX-License-Identifier: GPL-3.0-or-later
// The progress texts of Apply's steps, in the four languages.
#pragma once

#include <string>
#include <string_view>

namespace vorlak {

enum class ApplyStepKind {
    PollingRate,
    Sensitivity,
    DpiLevels,
    DpiColours,
    KeyMatrix,  // number: the matrix, 0 or 3
    Macro,      // number: the macro, 1..12
    Lighting,
    ProfileFiles,
};

// The text of a step for a language code (English for codes other than the four).
std::string ApplyStepText(std::string_view code, ApplyStepKind kind, int number);

}  // namespace vorlak
