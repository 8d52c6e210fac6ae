// SPDX-License-Identifier: GPL-3.0-or-later
// Runs on GSettings' in-memory backend (GSETTINGS_BACKEND=memory), so the desktop's real
// settings are never touched.
#include "platform/linux/gsettings_pointer_settings.h"

#include <gio/gio.h>
#include <gtest/gtest.h>

#include "common/diagnostics.h"

namespace vorlak {
namespace {

bool SchemaInstalled() {
    GSettingsSchemaSource* source = g_settings_schema_source_get_default();
    GSettingsSchema* schema =
        source ? g_settings_schema_source_lookup(source, kMouseSchemaId, TRUE) : nullptr;
    if (schema != nullptr) {
        g_settings_schema_unref(schema);
    }
    return schema != nullptr;
}

struct MouseKeys {
    std::string accelProfile;
    double speed;
    int doubleClick;
};

MouseKeys ReadMouseKeys() {
    GSettings* settings = g_settings_new(kMouseSchemaId);
    gchar* profile = g_settings_get_string(settings, "accel-profile");
    MouseKeys keys{profile, g_settings_get_double(settings, "speed"),
                   g_settings_get_int(settings, "double-click")};
    g_free(profile);
    g_object_unref(settings);
    return keys;
}

TEST(GSettingsSpeedTest, MapsOneToTwentyOntoMinusOneToOneWithTenAtZero) {
    const std::pair<int, double> cases[] = {{1, -1.0}, {4, -6.0 / 9}, {10, 0.0}, {14, 0.4},
                                            {20, 1.0}, {0, -1.0},     {40, 1.0}};
    for (const auto& [speed, expected] : cases) {
        EXPECT_DOUBLE_EQ(GSettingsSpeedOf(speed), expected) << speed;
    }
}

TEST(GSettingsPointerSettingsTest, ApplyWritesTheMouseKeysAndFailsOnlyTheWheelLines) {
    if (!SchemaInstalled()) {
        GTEST_SKIP() << "the desktop schemas are not installed";
    }
    MouseConfig record;
    ResetToDefaults(record);
    record.pointerPrecision = 1;
    record.pointerSpeed = 8;      // Windows speed 14
    record.doubleClickStep = 11;  // 200 ms
    DiagnosticCapture capture;
    {
        GSettingsPointerSettings settings;
        EXPECT_EQ(ApplyPointerSettings(record, settings), 3);
    }
    EXPECT_EQ(capture.Lines(), std::vector<std::string>{"SETWHEELSCROLLLINES failed.\n"});
    MouseKeys keys = ReadMouseKeys();
    EXPECT_EQ(keys.accelProfile, "adaptive");
    EXPECT_DOUBLE_EQ(keys.speed, 0.4);
    EXPECT_EQ(keys.doubleClick, 200);

    record.pointerPrecision = 255;
    {
        GSettingsPointerSettings settings;
        ApplyPointerSettings(record, settings);
    }
    EXPECT_EQ(ReadMouseKeys().accelProfile, "flat");
}

TEST(GSettingsPointerSettingsTest, MissingSchemaFailsEverySettingWithoutAborting) {
    MouseConfig record;
    ResetToDefaults(record);
    DiagnosticCapture capture;
    GSettingsPointerSettings settings("org.vorlak.no-such-schema");
    EXPECT_EQ(ApplyPointerSettings(record, settings), 0);
    EXPECT_EQ(capture.Lines(),
              (std::vector<std::string>{"SETMOUSE failed.\n", "SETMOUSESPEED failed.\n",
                                        "SETWHEELSCROLLLINES failed.\n",
                                        "SPI_SETDOUBLECLICKTIME failed.\n"}));
}

}  // namespace
}  // namespace vorlak
