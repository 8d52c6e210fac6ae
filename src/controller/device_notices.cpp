// SPDX-License-Identifier: GPL-3.0-or-later
#include "controller/device_notices.h"

#include <array>

#include "device/protocol.h"
#include "text/dialog_texts.h"

namespace vorlak {
namespace {

constexpr int kDpiNoticeMs = 5000;
constexpr int kPresenceNoticeMs = 100;
constexpr int kAccessNoticeMs = 20000;  // long enough to read the fix

template <std::size_t N>
bool ContainsAny(std::string_view name, const std::array<std::string_view, N>& patterns) {
    for (std::string_view pattern : patterns) {
        if (name.find(pattern) != std::string_view::npos)
            return true;
    }
    return false;
}

}  // namespace

std::optional<Notice> DeviceEventNotice(int code, int value, const UiTextTable& text,
                                        const MouseConfig& savedConfig) {
    const std::array<const std::string*, 7> stageTexts = {
        &text.TxtDpiStage1, &text.TxtDpiStage2, &text.TxtDpiStage3, &text.TxtDpiStage4,
        &text.TxtDpiStage5, &text.TxtDpiStage6, &text.TxtDpiStage7};
    switch (code) {
        case 1:
        case 2:
        case 3:
            if (value < 1 || value > kDpiStages)
                return std::nullopt;
            return Notice{*stageTexts[value - 1] + FormatDpiLabel(savedConfig, value - 1), "Info",
                          kDpiNoticeMs};
        case kEventMacroKey:
            if (value == 0)
                return std::nullopt;
            return Notice{text.TxtMacroKeyEvent + std::to_string(value), "Info", kDpiNoticeMs};
        default:
            return std::nullopt;
    }
}

Notice PresenceNotice(bool detected, const UiTextTable& text) {
    return detected ? Notice{text.TxtDetected, "Info", kPresenceNoticeMs}
                    : Notice{text.TxtNotDetected, "Warning", kPresenceNoticeMs};
}

std::optional<Notice> MouseAccessNotice(const std::vector<std::string>& nodes,
                                        std::string_view code) {
    if (nodes.empty())
        return std::nullopt;
    const MouseAccessTexts texts = MouseAccessTextsFor(code);
    std::string text(texts.nodes);
    for (const std::string& node : nodes)
        text.append(" ").append(node);
    text.append("\n").append(texts.fix);
    return Notice{std::move(text), std::string(texts.title), kAccessNoticeMs};
}

std::optional<HidIdentity> ArrivalIdentity(std::string_view interfaceName) {
    if (ContainsAny(interfaceName, kPrimaryArrivalNames))
        return HidIdentity{kPrimaryVendorId, kPrimaryProductId, 0};
    if (ContainsAny(interfaceName, kSecondaryArrivalNames))
        return HidIdentity{kSecondaryVendorId, kSecondaryProductId, 0};
    return std::nullopt;
}

bool IsMouseRemoval(std::string_view interfaceName) {
    return ContainsAny(interfaceName, kRemovalNames);
}

}  // namespace vorlak
