// SPDX-License-Identifier: GPL-3.0-or-later
// Macro events exist only as texts: a key name followed by "   Dn" (press) or
// "   Up" (release), or decimal milliseconds followed by " ms" (delay).
#pragma once

#include <string>
#include <string_view>

namespace vorlak {

inline constexpr std::string_view kPressSuffix = "   Dn";
inline constexpr std::string_view kReleaseSuffix = "   Up";
inline constexpr std::string_view kDelaySuffix = " ms";
// What a text must contain to count as a delay (when it is neither a press nor a release).
inline constexpr std::string_view kDelayMark = "ms";

enum class EventKind { kPress, kRelease, kDelay, kIgnored };

struct MacroEvent {
    EventKind kind = EventKind::kIgnored;
    std::string keyName;  // press and release: the text without its suffixes
    int delay = 0;        // delay: the leading integer of the text
};

// Press if the text contains "   Dn", else release if it contains "   Up", else delay if it
// contains "ms", else ignored. The key name is the text with every suffix occurrence removed.
MacroEvent ClassifyEvent(std::string_view text);

// The leading decimal integer: blanks skipped, an optional sign, digits up to the first
// non-digit; 0 without digits. Values beyond the int range saturate at its ends.
int ParseLeadingInt(std::string_view text);

std::string PressText(std::string_view keyName);
std::string ReleaseText(std::string_view keyName);
std::string DelayText(int milliseconds);
// Whether the text classifies as a delay.
bool IsDelayText(std::string_view text);

}  // namespace vorlak
