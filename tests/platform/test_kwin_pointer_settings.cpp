// SPDX-License-Identifier: GPL-3.0-or-later
// KDE Plasma on Wayland against a fake KWin on a private session bus, with kcminputrc and
// kdeglobals in a temporary folder.
#include "platform/linux/kwin_pointer_settings.h"

#include <gtest/gtest.h>

#include <fstream>

#include "common/atomic_file.h"
#include "device/protocol.h"
#include "fake_kwin.h"
#include "platform/linux/kde_config_file.h"
#include "test_folder.h"

namespace vorlak {
namespace {

const std::vector<HidIdentity> kMouse{{kPrimaryVendorId, kPrimaryProductId, 0},
                                      {kSecondaryVendorId, kSecondaryProductId, 0}};
const KdeGroupPath kMouseGroup{"Libinput", "1241", "41320", "USB Gaming Mouse"};

// The Vorlak mouse's pointer, its keyboard interface (same identity, no pointer), and
// another mouse.
std::vector<FakeInputDevice> Devices(bool withVorlak = true) {
    std::vector<FakeInputDevice> devices{
        {"event3", "Logitech G502", 1133, 49291, true, 0.6, false, 0}};
    if (withVorlak) {
        devices.push_back({"event7", "USB Gaming Mouse", 0x04D9, 0xA168, true, -0.2, true, 0});
        devices.push_back(
            {"event8", "USB Gaming Mouse Keyboard", 0x04D9, 0xA168, false, 0, false, 0});
    }
    return devices;
}

MouseConfig Record(Byte precision, Byte speedStep, Byte pageScroll, Byte lines, Byte clickStep) {
    MouseConfig record;
    ResetToDefaults(record);
    record.pointerPrecision = precision;
    record.pointerSpeed = speedStep;
    record.wheelPageScroll = pageScroll;
    record.wheelLines = lines;
    record.doubleClickStep = clickStep;
    return record;
}

class KWinPointerSettingsTest : public ::testing::Test {
protected:
    KWinPointerSettingsTest() {
        std::ofstream(folder.Root() / "kcminputrc")
            << "[Keyboard]\nNumLock=0\n\n[Libinput][1133][49291][Logitech G502]\n"
               "PointerAcceleration=0.600\n";
        std::ofstream(folder.Root() / "kdeglobals")
            << "[General]\nColorScheme=BreezeDark\n\n[KDE]\nSingleClick=false\n";
    }
    PointerReport Apply(const MouseConfig& record) {
        std::string problem;
        BusConnection bus = ConnectSessionBus(problem);
        KWinPointerSettings settings(kMouse, folder.Root(), bus, problem);
        return ApplyPointerSettings(record, settings);
    }
    std::optional<std::string> Entry(const char* file, const KdeGroupPath& group, const char* key) {
        return KdeConfigFile::FromText(*ReadFileBytes(folder.Root() / file, 1 << 20))
            .Get(group, key);
    }

    TestFolder folder;
};

// Only the Vorlak mouse's device changes, the files keep what they had, and the values map
// as the dials show them.
TEST_F(KWinPointerSettingsTest, TheMousesDeviceAndTheFilesTakeTheDialsValues) {
    struct Case {
        MouseConfig record;
        double acceleration;
        bool flat;
        const char* accelerationText;
        const char* profile;
        const char* lines;
        const char* clickMs;
    };
    const Case cases[] = {
        {Record(1, 8, 0, 7, 11), 0.4, false, "0.400", "2", "7", "200"},
        {Record(255, 1, 0, 100, 1), -1.0, true, "-1.000", "1", "100", "900"},
        {Record(0, 11, 0, 1, 6), 1.0, true, "1.000", "1", "1", "550"},
    };
    FakeKWin kwin(Devices());
    std::size_t notices = 0;
    for (const Case& c : cases) {
        const PointerReport report = Apply(c.record);
        EXPECT_EQ(report.TakenCount(), 4);
        EXPECT_EQ(report.desktop, "KDE Plasma");
        const FakeInputDevice mouse = kwin.Device("event7");
        EXPECT_DOUBLE_EQ(mouse.pointerAcceleration, c.acceleration);
        EXPECT_EQ(mouse.profileFlat, c.flat);
        EXPECT_EQ(Entry("kcminputrc", kMouseGroup, "PointerAcceleration"), c.accelerationText);
        EXPECT_EQ(Entry("kcminputrc", kMouseGroup, "PointerAccelerationProfile"), c.profile);
        EXPECT_EQ(Entry("kdeglobals", {"KDE"}, "WheelScrollLines"), c.lines);
        EXPECT_EQ(Entry("kdeglobals", {"KDE"}, "DoubleClickInterval"), c.clickMs);
        notices += 2;  // after each kdeglobals write
        const std::vector<std::pair<int, int>> settingsOfTheMouse(notices, {3, 0});
        EXPECT_EQ(kwin.WaitForNotices(notices), settingsOfTheMouse);
    }
    // The other mouse and the Vorlak's keyboard interface were never written.
    EXPECT_EQ(kwin.Device("event3").writes, 0);
    EXPECT_DOUBLE_EQ(kwin.Device("event3").pointerAcceleration, 0.6);
    EXPECT_EQ(kwin.Device("event8").writes, 0);
    // The files kept their other groups and keys.
    EXPECT_EQ(Entry("kcminputrc", {"Keyboard"}, "NumLock"), "0");
    EXPECT_EQ(
        Entry("kcminputrc", {"Libinput", "1133", "49291", "Logitech G502"}, "PointerAcceleration"),
        "0.600");
    EXPECT_EQ(Entry("kdeglobals", {"General"}, "ColorScheme"), "BreezeDark");
    EXPECT_EQ(Entry("kdeglobals", {"KDE"}, "SingleClick"), "false");
}

TEST_F(KWinPointerSettingsTest, OneScreenPerNotchIsKeptAndSaidSo) {
    FakeKWin kwin(Devices());
    const PointerReport report = Apply(Record(1, 6, 1, 9, 6));
    EXPECT_EQ(report[PointerSetting::WheelLines].refusal, PointerRefusal::NoPageScroll);
    EXPECT_EQ(Entry("kdeglobals", {"KDE"}, "WheelScrollLines"), std::nullopt);
    EXPECT_EQ(report.TakenCount(), 3);
}

TEST_F(KWinPointerSettingsTest, WithoutTheMouseAmongKWinsDevicesNothingOfItIsWritten) {
    FakeKWin kwin(Devices(false));
    const PointerReport report = Apply(Record(1, 6, 0, 3, 6));
    EXPECT_EQ(report[PointerSetting::Acceleration].refusal, PointerRefusal::DeviceNotFound);
    EXPECT_EQ(report[PointerSetting::Speed].refusal, PointerRefusal::DeviceNotFound);
    EXPECT_EQ(kwin.Device("event3").writes, 0);
    EXPECT_EQ(Entry("kcminputrc", kMouseGroup, "PointerAcceleration"), std::nullopt);
    // Double-click time and wheel lines do not depend on the device.
    EXPECT_TRUE(report[PointerSetting::DoubleClick].WasTaken());
}

TEST_F(KWinPointerSettingsTest, KWinNotAnsweringIsToldWithTheBussReason) {
    const PointerReport report = Apply(Record(1, 6, 0, 3, 6));
    const PointerResult& speed = report[PointerSetting::Speed];
    EXPECT_EQ(speed.refusal, PointerRefusal::Refused);
    EXPECT_NE(speed.detail.find("org.kde.KWin"), std::string::npos) << speed.detail;
}

TEST_F(KWinPointerSettingsTest, WithoutASessionBusTheDeviceSettingsSayWhy) {
    KWinPointerSettings settings(kMouse, folder.Root(), nullptr, "no session bus runs");
    const PointerReport report = ApplyPointerSettings(Record(1, 6, 0, 3, 6), settings);
    EXPECT_EQ(report[PointerSetting::Acceleration].detail, "no session bus runs");
    EXPECT_TRUE(report[PointerSetting::WheelLines].WasTaken());  // the file is still written
}

}  // namespace
}  // namespace vorlak

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    ::testing::AddGlobalTestEnvironment(new vorlak::PrivateSessionBus);
    return RUN_ALL_TESTS();
}
