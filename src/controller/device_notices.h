// SPDX-License-Identifier: GPL-3.0-or-later
// The texts of the mouse's event reports and the name patterns of hot-plug notices.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "device/hid_backend.h"
#include "record/mouse_config.h"
#include "text/ui_text.h"

namespace vorlak {

struct Notice {
    std::string text;
    std::string title;
    int displayMs = 0;
};

// The notice for an event report of the mouse (its code and value); none for codes and values
// that show nothing.
std::optional<Notice> DeviceEventNotice(int code, int value, const UiTextTable& text,
                                        const MouseConfig& savedConfig);

// The notice that the system found the mouse (an arrival) or lost it.
Notice PresenceNotice(bool detected, const UiTextTable& text);

// The notice that a mouse is present but its device nodes may not be opened: the nodes and
// the fix, in the language of code; none without such nodes.
std::optional<Notice> MouseAccessNotice(const std::vector<std::string>& nodes,
                                        std::string_view code);

// The identity an arrival notice names (primary patterns first); none for other devices.
std::optional<HidIdentity> ArrivalIdentity(std::string_view interfaceName);
// True when a removal notice names the mouse.
bool IsMouseRemoval(std::string_view interfaceName);

}  // namespace vorlak
