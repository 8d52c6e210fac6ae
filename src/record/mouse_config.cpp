// SPDX-License-Identifier: GPL-3.0-or-later
#include "record/mouse_config.h"

#include <algorithm>

namespace vorlak {
namespace {

// Default bytes 1..327 of the record; offsets 14 and 22 are skipped when writing.
constexpr std::array<Byte, 328> MakeDefaults() {
    std::array<Byte, 328> d{};
    auto put = [&d](std::size_t offset, std::initializer_list<int> values) {
        for (int v : values)
            d[offset++] = static_cast<Byte>(v);
    };
    put(1, {1, 1, 1, 1, 2, 2});          // reserved, pollingDivisor, reserved
    put(7, {4, 9, 19, 29, 39, 54, 54});  // dpiLevel
    put(15, {1, 1, 1, 1, 1, 1, 1});      // dpiEnabled
    put(23, {255, 0, 0,   0,   0,   255, 0,   255, 0, 255, 255,
             0,   0, 255, 255, 255, 0,   255, 255, 0, 255});            // dpiColor
    put(44, {0, 0, 0, 1, 2, 2, 4, 4, 255, 0, 6, 3, 6, 0, 0, 6, 5, 5});  // 44..61
    put(62, {0, 1, 2, 4, 3, 6, 6, 0, 1, 2, 4, 3, 6, 6});                // KeyFunction
    put(76, {13, 13, 13, 13, 2, 1, 2, 13, 13, 13, 13, 2, 1, 0});        // KeyDpiAction
    put(90, {0, 2, 1, 0, 0, 0, 0, 0, 2, 1, 0, 0, 0, 0});                // reserved
    return d;                                                           // 104..327 stay 0
}
constexpr std::array<Byte, 328> kDefaults = MakeDefaults();

constexpr std::array<int, 5> kHighDpi = {5200, 5400, 5600, 5800, 6000};

}  // namespace

void ResetToDefaults(MouseConfig& record) {
    auto bytes = record.Bytes();
    for (std::size_t i = 1; i < kDefaults.size(); ++i) {
        if (i == 14 || i == 22)
            continue;
        bytes[i] = kDefaults[i];
    }
}

void TakeSnapshot(ConfigStore& store) {
    store.savedConfig = store.currentConfig;
}

void RevertToSnapshot(ConfigStore& store) {
    store.currentConfig = store.savedConfig;
}

void ClearDeviceImage(ConfigStore& store) {
    store.deviceImage = DeviceImage{};
    store.currentConfig.profileSlot = store.deviceImage.profileSlot;
}

int DpiOfCode(Byte code) {
    if (code < 50)
        return (code + 1) * 100;
    if (code < 55)
        return kHighDpi[code - 50];
    return 0;
}

std::string FormatDpiLabel(const MouseConfig& record, int stage) {
    if (stage < 0 || stage >= kDpiStages)
        return {};
    int dpi = DpiOfCode(record.dpiLevel[static_cast<std::size_t>(stage)]);
    return dpi == 0 ? std::string() : std::to_string(dpi);
}

int PollingRateHz(Byte divisor) {
    return divisor == 0 ? 0 : 1000 / divisor;
}

std::uint32_t DpiColorValue(const MouseConfig& record, int stage) {
    const auto& c = record.dpiColor.at(static_cast<std::size_t>(stage));
    return std::uint32_t{c[0]} | std::uint32_t{c[1]} << 8 | std::uint32_t{c[2]} << 16;
}

void SetDpiColorValue(MouseConfig& record, int stage, std::uint32_t value) {
    auto& c = record.dpiColor.at(static_cast<std::size_t>(stage));
    c = {static_cast<Byte>(value), static_cast<Byte>(value >> 8), static_cast<Byte>(value >> 16)};
}

}  // namespace vorlak
