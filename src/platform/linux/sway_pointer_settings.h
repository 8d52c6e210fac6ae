// SPDX-License-Identifier: GPL-3.0-or-later
// sway: the speed and acceleration profile of the Vorlak mouse's own input device through
// sway's IPC socket ($SWAYSOCK): `input <vendor>:<product>:<name> pointer_accel …` and
// `accel_profile`. sway has no double-click or wheel-lines setting.
#pragma once

#include <filesystem>
#include <string>
#include <variant>
#include <vector>

#include "controller/pointer_settings.h"
#include "device/hid_backend.h"

namespace vorlak {

class SwayPointerSettings : public PointerSettings {
public:
    SwayPointerSettings(std::vector<HidIdentity> identities, std::filesystem::path socket);

    std::string DesktopName() const override { return "sway"; }
    PointerResult SetMouseAcceleration(int threshold1, int threshold2, int acceleration) override;
    PointerResult SetMouseSpeed(int speed) override;
    PointerResult SetWheelScrollLines(std::uint32_t lines) override;
    PointerResult SetDoubleClickTime(int milliseconds) override;

private:
    // Runs "input <identifier> <setting>" for each pointer device of the mouse.
    PointerResult SetOnMouse(const std::string& setting);

    std::vector<HidIdentity> identities_;
    std::filesystem::path socket_;
};

// sway's IPC: one request and its reply over a fresh connection. The reply's JSON text, or
// the reason it could not be had.
struct SwayReply {
    bool ok = false;
    std::string text;  // the payload, or the reason
};
SwayReply SwayRequest(const std::filesystem::path& socket, std::uint32_t type,
                      const std::string& payload);

inline constexpr std::uint32_t kSwayRunCommand = 0;
inline constexpr std::uint32_t kSwayGetInputs = 100;

}  // namespace vorlak
