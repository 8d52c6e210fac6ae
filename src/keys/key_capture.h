// SPDX-License-Identifier: GPL-3.0-or-later
// System-wide key capture: while it runs, every key press and release of the keyboard
// reaches its handler as a Windows virtual-key code with the extended and release flags,
// and (where the platform has a global grab) no other application receives the key.
// The key capture dialog and macro recording run their logic on it; the X11 grab and the
// in-window fallback implement it, and tests drive it with a scripted capture.
#pragma once

#include <functional>

namespace vorlak {

inline constexpr int KeyFlagExtended = 0x01;  // the key's scan code has the E0 prefix
inline constexpr int KeyFlagRelease = 0x80;   // a release; a press has the flag clear

struct CapturedKey {
    int virtualKey = 0;  // 1..254
    int flags = 0;       // KeyFlagExtended | KeyFlagRelease, nothing else
};

class KeyCapture {
public:
    using KeyHandler = std::function<void(const CapturedKey&)>;
    // The capture could not be taken; errorCode is the platform's reason (the X grab
    // status). Keys are then not captured, and the owner shows the failure.
    using FailureHandler = std::function<void(int errorCode)>;
    // Where no global grab exists (Wayland) the desktop may keep the keys of its own
    // shortcuts: the handler gets true while they stay with the desktop (the compositor
    // refused or lacks the shortcuts inhibitor), false once they come to the capture too.
    using ShortcutsHandler = std::function<void(bool desktopKeepsShortcuts)>;

    virtual ~KeyCapture() = default;
    // Starts capturing. Handlers run on the UI thread. The capture may be taken
    // asynchronously (a grab retried while another client holds it); onFailure runs at
    // most once when it cannot be taken. Auto-repeated presses of a held key are dropped.
    virtual void Start(KeyHandler onKey, FailureHandler onFailure) = 0;
    // Ends the capture and releases the keyboard; no handler runs after it returns.
    virtual void Stop() = 0;
    // Set before Start. Captures that take every key never call it.
    virtual void SetShortcutsHandler(ShortcutsHandler) {}
};

}  // namespace vorlak
