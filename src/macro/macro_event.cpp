// SPDX-License-Identifier: GPL-3.0-or-later
#include "macro/macro_event.h"

#include <array>
#include <climits>

namespace vorlak {

namespace {

std::string RemoveAll(std::string_view text, std::string_view part) {
    std::string out;
    for (std::size_t at = text.find(part); at != std::string_view::npos; at = text.find(part)) {
        out.append(text.substr(0, at));
        text.remove_prefix(at + part.size());
    }
    out.append(text);
    return out;
}

bool IsBlank(char c) {
    return c == ' ' || (c >= '\t' && c <= '\r');
}

}  // namespace

MacroEvent ClassifyEvent(std::string_view text) {
    struct KeyRule {
        std::string_view suffix;
        EventKind kind;
    };
    static constexpr std::array<KeyRule, 2> kKeyRules{{
        {kPressSuffix, EventKind::kPress},
        {kReleaseSuffix, EventKind::kRelease},
    }};
    for (const KeyRule& rule : kKeyRules) {
        if (text.find(rule.suffix) != std::string_view::npos) {
            return {rule.kind, RemoveAll(text, rule.suffix), 0};
        }
    }
    if (text.find(kDelayMark) != std::string_view::npos) {
        return {EventKind::kDelay, {}, ParseLeadingInt(text)};
    }
    return {};
}

int ParseLeadingInt(std::string_view text) {
    std::size_t at = 0;
    while (at < text.size() && IsBlank(text[at]))
        ++at;
    bool negative = false;
    if (at < text.size() && (text[at] == '+' || text[at] == '-')) {
        negative = text[at] == '-';
        ++at;
    }
    // Accumulate the magnitude up to one past INT_MAX, enough to saturate both ends.
    constexpr long long kLimit = static_cast<long long>(INT_MAX) + 1;
    long long magnitude = 0;
    for (; at < text.size() && text[at] >= '0' && text[at] <= '9'; ++at) {
        magnitude = magnitude * 10 + (text[at] - '0');
        if (magnitude > kLimit)
            magnitude = kLimit;
    }
    long long value = negative ? -magnitude : magnitude;
    if (value > INT_MAX)
        return INT_MAX;
    return static_cast<int>(value);  // -kLimit is exactly INT_MIN
}

std::string PressText(std::string_view keyName) {
    return std::string(keyName).append(kPressSuffix);
}

std::string ReleaseText(std::string_view keyName) {
    return std::string(keyName).append(kReleaseSuffix);
}

std::string DelayText(int milliseconds) {
    return std::to_string(milliseconds).append(kDelaySuffix);
}

bool IsDelayText(std::string_view text) {
    return ClassifyEvent(text).kind == EventKind::kDelay;
}

}  // namespace vorlak
