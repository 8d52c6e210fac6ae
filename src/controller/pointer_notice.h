// SPDX-License-Identifier: GPL-3.0-or-later
// Tells the user which pointer settings the desktop kept as they were and why, in their
// language, once per session: a refusal already told is not told again.
#pragma once

#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "controller/pointer_settings.h"

namespace vorlak {

struct PointerNotice {
    std::string title;
    std::string heading;             // "The desktop kept these settings as they were:"
    std::vector<std::string> lines;  // one per setting: its name and why

    // The heading and the lines, joined by separator ("\n" in a window, " " on one line).
    std::string Text(std::string_view separator) const;
};

// The notice for every setting the report says was kept; none when all were taken.
std::optional<PointerNotice> PointerNoticeFor(const PointerReport& report,
                                              std::string_view languageCode);

// Remembers what the user was told in this session.
class PointerNoticeMemory {
public:
    // The notice for the refusals of report not told before (all of its refusals are then
    // named, so the user sees the whole picture); none when nothing is new.
    std::optional<PointerNotice> Untold(const PointerReport& report, std::string_view languageCode);

private:
    std::set<std::pair<int, int>> told_;  // (setting, refusal)
};

}  // namespace vorlak
