// SPDX-License-Identifier: GPL-3.0-or-later
// The mouse's notices as desktop notifications, each replacing the one still shown. The
// notification service names a notification only in its answer: a notice sent before that
// answer came would stand beside the last one instead of replacing it. So while an answer is
// awaited the newest notice waits (a burst shows its last word), and goes out once the
// answer names what it replaces.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace vorlak {

struct DesktopNotice {
    std::string title;
    std::string text;
    int displayMs = 0;
};

// A notice to send now, and the id of the notification it replaces (0: none).
struct OutgoingNotice {
    DesktopNotice notice;
    std::uint32_t replaces = 0;
};

class ReplacingNotices {
public:
    // The notice to send now, or none while the last one's answer is awaited (then this one
    // waits, in place of any that waited before it).
    [[nodiscard]] std::optional<OutgoingNotice> Show(DesktopNotice notice);
    // The service's answer to the last notice sent: its id, or none when the call failed (the
    // next notice then replaces the one before). Returns the notice that waited, if any.
    [[nodiscard]] std::optional<OutgoingNotice> Answered(std::optional<std::uint32_t> id);

private:
    [[nodiscard]] OutgoingNotice Send(DesktopNotice notice);

    std::uint32_t shownId_ = 0;
    bool awaiting_ = false;
    std::optional<DesktopNotice> waiting_;
};

}  // namespace vorlak
