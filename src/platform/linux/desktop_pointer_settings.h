// SPDX-License-Identifier: GPL-3.0-or-later
// The pointer settings backend of the running session: its facts read from the
// environment and the session bus, the choice made by ChoosePointerBackend.
#pragma once

#include <memory>

#include "controller/pointer_backend_choice.h"
#include "controller/pointer_settings.h"

namespace vorlak {

// XDG_CURRENT_DESKTOP, XDG_SESSION_TYPE, WAYLAND_DISPLAY, DISPLAY, SWAYSOCK, and whether
// KWin answers on the session bus.
SessionFacts ReadSessionFacts();

// The backend for choice, for the Vorlak mouse's identities; its files in
// $XDG_CONFIG_HOME (default ~/.config).
std::unique_ptr<PointerSettings> MakePointerSettings(const PointerBackendChoice& choice);

// Both at once, as the window starts.
std::unique_ptr<PointerSettings> DesktopPointerSettings();

// The same, chosen at its first use: vorlakctl's commands that never apply pay nothing.
class DeferredDesktopPointerSettings : public PointerSettings {
public:
    std::string DesktopName() const override { return Chosen().DesktopName(); }
    PointerResult SetMouseAcceleration(int threshold1, int threshold2, int acceleration) override {
        return Chosen().SetMouseAcceleration(threshold1, threshold2, acceleration);
    }
    PointerResult SetMouseSpeed(int speed) override { return Chosen().SetMouseSpeed(speed); }
    PointerResult SetWheelScrollLines(std::uint32_t lines) override {
        return Chosen().SetWheelScrollLines(lines);
    }
    PointerResult SetDoubleClickTime(int milliseconds) override {
        return Chosen().SetDoubleClickTime(milliseconds);
    }

private:
    PointerSettings& Chosen() const;
    mutable std::unique_ptr<PointerSettings> chosen_;
};

}  // namespace vorlak
