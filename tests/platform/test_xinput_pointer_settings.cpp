// SPDX-License-Identifier: GPL-3.0-or-later
// The X11 path under Xvfb (run by xvfb-run): the session's variables choose it. Xvfb lists no
// Vorlak mouse and its devices carry no libinput properties: every pointer keeps its
// settings. Properties planted on Xvfb's XTEST pointer then stand in for the Vorlak mouse:
// its "Device Product ID" alone for a mouse another driver drives (the core pointer control
// takes the values), with libinput's properties for a libinput-driven one.
// gtest before X11's headers: X defines None, Bool and Status as macros.
#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <fstream>
#include <tuple>

#include "common/atomic_file.h"
#include "device/protocol.h"
#include "platform/linux/desktop_pointer_settings.h"
#include "platform/linux/kde_config_file.h"
#include "platform/linux/kde_x11_pointer_settings.h"
#include "platform/linux/xinput_pointer_settings.h"
#include "test_folder.h"

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/extensions/XInput2.h>

namespace vorlak {
namespace {

const std::vector<HidIdentity> kMouse{{kPrimaryVendorId, kPrimaryProductId, 0},
                                      {kSecondaryVendorId, kSecondaryProductId, 0}};

MouseConfig Record(Byte precision, Byte speedStep) {
    MouseConfig record;
    ResetToDefaults(record);
    record.pointerPrecision = precision;
    record.pointerSpeed = speedStep;
    return record;
}

struct DisplayCloser {
    void operator()(Display* d) const { XCloseDisplay(d); }
};
using DisplayPtr = std::unique_ptr<Display, DisplayCloser>;

// The first device of that use whose name contains part.
int DeviceId(Display* display, int use, const char* part) {
    int count = 0;
    XIDeviceInfo* devices = XIQueryDevice(display, XIAllDevices, &count);
    int id = -1;
    for (int i = 0; i < count && id < 0; ++i) {
        if (devices[i].use == use && std::strstr(devices[i].name, part) != nullptr)
            id = devices[i].deviceid;
    }
    XIFreeDeviceInfo(devices);
    return id;
}

void Plant(Display* display, int device, const char* name, Atom type, int format, const void* data,
           int items) {
    XIChangeProperty(display, device, XInternAtom(display, name, False), type, format,
                     PropModeReplace, static_cast<unsigned char*>(const_cast<void*>(data)), items);
}

std::vector<unsigned char> Read(Display* display, int device, const char* name) {
    Atom type = None;
    int format = 0;
    unsigned long items = 0;
    unsigned long after = 0;
    unsigned char* data = nullptr;
    XIGetProperty(display, device, XInternAtom(display, name, False), 0, 16, False, AnyPropertyType,
                  &type, &format, &items, &after, &data);
    std::vector<unsigned char> bytes(data, data + items * static_cast<unsigned>(format / 8));
    XFree(data);
    return bytes;
}

float ReadFloat(Display* display, int device, const char* name) {
    const std::vector<unsigned char> bytes = Read(display, device, name);
    float value = -99;
    if (bytes.size() == 4)
        std::memcpy(&value, bytes.data(), 4);
    return value;
}

CorePointerControl CoreControl(Display* display) {
    CorePointerControl control;
    XGetPointerControl(display, &control.numerator, &control.denominator, &control.threshold);
    return control;
}

TEST(XInputPointerSettingsTest, ABareXServerChoosesXInput) {
    for (const char* name :
         {"XDG_CURRENT_DESKTOP", "XDG_SESSION_TYPE", "WAYLAND_DISPLAY", "SWAYSOCK"})
        unsetenv(name);
    ASSERT_NE(std::getenv("DISPLAY"), nullptr) << "run under xvfb-run";
    const PointerBackendChoice choice = ChoosePointerBackend(ReadSessionFacts());
    EXPECT_EQ(choice.backend, PointerBackend::XInput);
    EXPECT_EQ(MakePointerSettings(choice)->DesktopName(), "X11");
}

TEST(XInputPointerSettingsTest, CoreControlMappingFollowsTheDial) {
    const std::tuple<int, int, int> speeds[] = {{1, 1, 10}, {10, 1, 1}, {14, 7, 5}, {20, 2, 1}};
    for (const auto& [speed, numerator, denominator] : speeds) {
        EXPECT_EQ(CoreAccelerationOf(speed).numerator, numerator) << speed;
        EXPECT_EQ(CoreAccelerationOf(speed).denominator, denominator) << speed;
    }
    EXPECT_EQ(CoreThresholdOf(6, 1), 6);
    EXPECT_EQ(CoreThresholdOf(0, 0), 1);
}

void Unplant(Display* display, int device) {
    for (const char* name :
         {"Device Product ID", "libinput Accel Speed", "libinput Accel Profile Enabled"})
        XIDeleteProperty(display, device, XInternAtom(display, name, False));
    XSync(display, False);
}

// Xvfb does not list the mouse: the settings of every pointer stay, and the user is told.
TEST(XInputPointerSettingsTest, WithoutTheMouseEveryPointerKeepsItsSettings) {
    DisplayPtr display(XOpenDisplay(nullptr));
    ASSERT_TRUE(display);
    Unplant(display.get(), DeviceId(display.get(), XISlavePointer, "XTEST"));
    XChangePointerControl(display.get(), True, True, 2, 1, 4);
    XSync(display.get(), False);
    XInputPointerSettings settings(kMouse, "X11");
    const PointerReport report = ApplyPointerSettings(Record(1, 8), settings);
    EXPECT_EQ(report.TakenCount(), 0);
    EXPECT_EQ(report[PointerSetting::Speed].refusal, PointerRefusal::DeviceNotFound);
    EXPECT_EQ(report[PointerSetting::Acceleration].refusal, PointerRefusal::DeviceNotFound);
    EXPECT_EQ(report[PointerSetting::WheelLines].refusal, PointerRefusal::NoBackend);
    EXPECT_EQ(report[PointerSetting::DoubleClick].refusal, PointerRefusal::NoBackend);
    const CorePointerControl core = CoreControl(display.get());
    EXPECT_EQ(core.numerator, 2);
    EXPECT_EQ(core.threshold, 4);
}

// The mouse listed, but no libinput properties (another driver): the core pointer control
// takes the values.
TEST(XInputPointerSettingsTest, WithoutLibinputTheCorePointerControlTakesThem) {
    DisplayPtr display(XOpenDisplay(nullptr));
    ASSERT_TRUE(display);
    const int slave = DeviceId(display.get(), XISlavePointer, "XTEST");
    Unplant(display.get(), slave);
    const std::uint32_t identity[] = {kSecondaryVendorId, kSecondaryProductId};
    Plant(display.get(), slave, "Device Product ID", XA_INTEGER, 32, identity, 2);
    XSync(display.get(), False);
    if (Read(display.get(), slave, "Device Product ID").size() != 8)
        GTEST_SKIP() << "this X server refuses properties planted by a client";
    const struct {
        MouseConfig record;
        CorePointerControl expected;
    } cases[] = {
        {Record(1, 8), {7, 5, 6}},  // speed 14, enhanced precision from 6 pixels
        {Record(255, 1), {1, 10, 1}},
        {Record(0, 6), {1, 1, 1}},  // the default step moves as the mouse does
    };
    for (const auto& c : cases) {
        XInputPointerSettings settings(kMouse, "X11");
        const PointerReport report = ApplyPointerSettings(c.record, settings);
        EXPECT_FALSE(settings.WentToLibinput());
        EXPECT_EQ(report.TakenCount(), 2);
        EXPECT_EQ(report[PointerSetting::WheelLines].refusal, PointerRefusal::NoBackend);
        EXPECT_EQ(report[PointerSetting::DoubleClick].refusal, PointerRefusal::NoBackend);
        const CorePointerControl now = CoreControl(display.get());
        EXPECT_EQ(now.numerator * c.expected.denominator, c.expected.numerator * now.denominator);
        EXPECT_EQ(now.threshold, c.expected.threshold);
    }
    Unplant(display.get(), slave);
}

// With the Vorlak's identity and libinput's properties on the XTEST pointer, that device
// takes the values, the master pointer (planted alike, but not a mouse of its own) and the
// core pointer control keep theirs.
TEST(XInputPointerSettingsTest, ALibinputMouseTakesThemOnItsOwnDevice) {
    DisplayPtr display(XOpenDisplay(nullptr));
    ASSERT_TRUE(display);
    Display* d = display.get();
    const int slave = DeviceId(d, XISlavePointer, "XTEST");
    const int master = DeviceId(d, XIMasterPointer, "Virtual core pointer");
    ASSERT_GE(slave, 0);
    ASSERT_GE(master, 0);
    const std::uint32_t identity[] = {kPrimaryVendorId, kPrimaryProductId};
    const float speed = 0.0f;
    const unsigned char profiles[] = {1, 0, 0};
    const Atom floatType = XInternAtom(d, "FLOAT", False);
    for (const int id : {slave, master}) {
        Plant(d, id, "Device Product ID", XA_INTEGER, 32, identity, 2);
        Plant(d, id, "libinput Accel Speed", floatType, 32, &speed, 1);
        Plant(d, id, "libinput Accel Profile Enabled", XA_INTEGER, 8, profiles, 3);
    }
    XSync(d, False);
    if (Read(d, slave, "libinput Accel Speed").size() != 4)
        GTEST_SKIP() << "this X server refuses properties planted by a client";
    XChangePointerControl(d, True, True, 2, 1, 4);
    XSync(d, False);

    XInputPointerSettings settings(kMouse, "X11");
    const PointerReport report = ApplyPointerSettings(Record(255, 8), settings);
    EXPECT_TRUE(settings.WentToLibinput());
    EXPECT_EQ(report.TakenCount(), 2);
    EXPECT_FLOAT_EQ(ReadFloat(d, slave, "libinput Accel Speed"), 0.4f);
    EXPECT_EQ(Read(d, slave, "libinput Accel Profile Enabled"),
              (std::vector<unsigned char>{0, 1, 0}));  // flat
    EXPECT_FLOAT_EQ(ReadFloat(d, master, "libinput Accel Speed"), 0.0f);
    EXPECT_EQ(Read(d, master, "libinput Accel Profile Enabled"),
              (std::vector<unsigned char>{1, 0, 0}));
    const CorePointerControl core = CoreControl(d);
    EXPECT_EQ(core.numerator, 2);
    EXPECT_EQ(core.threshold, 4);

    // A mouse of another maker is not the Vorlak.
    const std::uint32_t other[] = {1133, 49291};
    Plant(d, slave, "Device Product ID", XA_INTEGER, 32, other, 2);
    XSync(d, False);
    XInputPointerSettings again(kMouse, "X11");
    EXPECT_EQ(again.SetMouseSpeed(20).refusal, PointerRefusal::DeviceNotFound);
    EXPECT_FLOAT_EQ(ReadFloat(d, slave, "libinput Accel Speed"), 0.4f);
    Unplant(d, slave);
    Unplant(d, master);
}

// KDE Plasma on X11: the live values go where they go on any X server, and last in
// kcminputrc's [Mouse]; double-click time and wheel lines in kdeglobals. No bus here: the
// files are written all the same.
TEST(KdeX11PointerSettingsTest, TheXServerTakesThemAndKdesFilesKeepThem) {
    TestFolder folder;
    { std::ofstream(folder.Root() / "kcminputrc") << "[Mouse]\ncursorTheme=breeze_cursors\n"; }
    DisplayPtr display(XOpenDisplay(nullptr));
    ASSERT_TRUE(display);
    const int slave = DeviceId(display.get(), XISlavePointer, "XTEST");
    const std::uint32_t identity[] = {kPrimaryVendorId, kPrimaryProductId};
    Plant(display.get(), slave, "Device Product ID", XA_INTEGER, 32, identity, 2);
    XSync(display.get(), False);
    MouseConfig record = Record(255, 11);
    record.wheelLines = 12;
    record.doubleClickStep = 1;
    KdeX11PointerSettings settings(kMouse, folder.Root(), nullptr);
    const PointerReport report = ApplyPointerSettings(record, settings);
    EXPECT_EQ(report.desktop, "KDE Plasma");
    EXPECT_EQ(report.TakenCount(), 4);
    const KdeConfigFile input =
        KdeConfigFile::FromText(*ReadFileBytes(folder.Root() / "kcminputrc", 4096));
    EXPECT_EQ(input.Get({"Mouse"}, "XLbInptPointerAcceleration"), "1.000");
    EXPECT_EQ(input.Get({"Mouse"}, "XLbInptAccelProfileFlat"), "true");
    EXPECT_EQ(input.Get({"Mouse"}, "cursorTheme"), "breeze_cursors");
    const KdeConfigFile globals =
        KdeConfigFile::FromText(*ReadFileBytes(folder.Root() / "kdeglobals", 4096));
    EXPECT_EQ(globals.Get({"KDE"}, "WheelScrollLines"), "12");
    EXPECT_EQ(globals.Get({"KDE"}, "DoubleClickInterval"), "900");
    Unplant(display.get(), slave);
}

TEST(KdeX11PointerSettingsTest, APlasmaX11SessionChoosesIt) {
    setenv("XDG_CURRENT_DESKTOP", "KDE", 1);
    setenv("XDG_SESSION_TYPE", "x11", 1);
    const PointerBackendChoice choice = ChoosePointerBackend(ReadSessionFacts());
    unsetenv("XDG_CURRENT_DESKTOP");
    unsetenv("XDG_SESSION_TYPE");
    EXPECT_EQ(choice.backend, PointerBackend::KdeX11);
}

}  // namespace
}  // namespace vorlak
