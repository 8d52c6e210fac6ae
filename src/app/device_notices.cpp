#include "app/device_notices.h"

#include <array>

#include "device/hid_transport.h"

namespace vorlak {
namespace {

constexpr int kDpiNoticeMs = 5000;
constexpr int kPresenceNoticeMs = 100;

template <std::size_t N>
bool ContainsAny(std::string_view name, const std::array<std::string_view, N>& patterns) {
    for (std::string_view pattern : patterns) {
        if (name.find(pattern) != std::string_view::npos)
            return true;
    }
    return false;
}

constexpr std::array<std::string_view, 2> kPrimaryArrival = {"VID_04d9&PID_a168",
                                                             "VID_04D9&PID_A168"};
constexpr std::array<std::string_view, 2> kSecondaryArrival = {"VID_260d&PID_1010",
                                                               "VID_260D&PID_1010"};
constexpr std::array<std::string_view, 4> kRemoval = {"Vid_04d9&Pid_a168", "VID_04D9&PID_A168",
                                                      "VID_260d&PID_1010", "VID_260D&PID_1010"};

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
        case 9:
            if (value == 0)
                return std::nullopt;
            return Notice{text.TxtMacroKeyEvent + std::to_string(value), "Info", kDpiNoticeMs};
        case kEventDetected:
            return Notice{text.TxtDetected, "Info", kPresenceNoticeMs};
        case kEventNotDetected:
            return Notice{text.TxtNotDetected, "Warning", kPresenceNoticeMs};
        default:
            return std::nullopt;
    }
}

std::optional<HidIdentity> ArrivalIdentity(std::string_view interfaceName) {
    if (ContainsAny(interfaceName, kPrimaryArrival))
        return HidIdentity{kPrimaryVendorId, kPrimaryProductId, 0};
    if (ContainsAny(interfaceName, kSecondaryArrival))
        return HidIdentity{kSecondaryVendorId, kSecondaryProductId, 0};
    return std::nullopt;
}

bool IsMouseRemoval(std::string_view interfaceName) {
    return ContainsAny(interfaceName, kRemoval);
}

}  // namespace vorlak
