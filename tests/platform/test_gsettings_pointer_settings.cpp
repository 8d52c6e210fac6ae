// SPDX-License-Identifier: GPL-3.0-or-later
// Runs on GSettings' in-memory backend (GSETTINGS_BACKEND=memory), so the desktop's real
// settings are never touched; the schemas are the desktops' own, as Debian installs them.
#include "platform/linux/gsettings_pointer_settings.h"

#include <gio/gio.h>
#include <gtest/gtest.h>

#include "common/diagnostics.h"

namespace vorlak {
namespace {

bool SchemaInstalled(const char* id) {
    GSettingsSchemaSource* source = g_settings_schema_source_get_default();
    GSettingsSchema* schema = source ? g_settings_schema_source_lookup(source, id, TRUE) : nullptr;
    if (schema != nullptr)
        g_settings_schema_unref(schema);
    return schema != nullptr;
}

struct MouseKeys {
    std::string accelProfile;
    double speed;
    int doubleClick;
};

MouseKeys ReadMouseKeys(const GSettingsMouseSchema& schema) {
    GSettings* settings = g_settings_new(schema.id);
    gchar* profile = g_settings_get_string(settings, "accel-profile");
    MouseKeys keys{profile, g_settings_get_double(settings, schema.speedKey),
                   g_settings_get_int(settings, "double-click")};
    g_free(profile);
    g_object_unref(settings);
    return keys;
}

MouseConfig Record(Byte precision, Byte speedStep, Byte doubleClickStep) {
    MouseConfig record;
    ResetToDefaults(record);
    record.pointerPrecision = precision;
    record.pointerSpeed = speedStep;
    record.doubleClickStep = doubleClickStep;
    return record;
}

// Each desktop's schema takes the dial's values as its own range: GNOME and Cinnamon -1..1,
// MATE's acceleration 1..10 with its middle 5.5 for the default step. None has wheel lines.
TEST(GSettingsPointerSettingsTest, EachDesktopsSchemaTakesTheDialsValuesButNotTheWheelLines) {
    struct Case {
        GSettingsMouseSchema schema;
        const char* desktop;
        Byte speedStep;
        double speed;
    };
    const Case cases[] = {
        {kGnomeMouseSchema, "GNOME", 8, 0.4},  // Windows speed 14
        {kGnomeMouseSchema, "GNOME", 1, -1.0}, {kCinnamonMouseSchema, "Cinnamon", 11, 1.0},
        {kMateMouseSchema, "MATE", 6, 5.5},  // the default step, speed 10
        {kMateMouseSchema, "MATE", 1, 1.0},    {kMateMouseSchema, "MATE", 11, 10.0},
    };
    for (const Case& c : cases) {
        if (!SchemaInstalled(c.schema.id)) {
            ADD_FAILURE() << c.schema.id << " is not installed (scripts/setup.sh installs it)";
            continue;
        }
        for (const Byte precision : {Byte{1}, Byte{255}}) {
            DiagnosticCapture capture;
            {
                GSettingsPointerSettings settings(c.schema, c.desktop);
                const PointerReport report =
                    ApplyPointerSettings(Record(precision, c.speedStep, 11), settings);
                EXPECT_EQ(report.desktop, c.desktop);
                EXPECT_EQ(report.TakenCount(), 3) << c.schema.id;
                EXPECT_EQ(report[PointerSetting::WheelLines].refusal,
                          PointerRefusal::NoSuchSetting);
            }
            EXPECT_EQ(capture.Lines(), std::vector<std::string>{"SETWHEELSCROLLLINES failed.\n"});
            const MouseKeys keys = ReadMouseKeys(c.schema);
            EXPECT_EQ(keys.accelProfile, precision == 1 ? "adaptive" : "flat") << c.schema.id;
            EXPECT_DOUBLE_EQ(keys.speed, c.speed) << c.schema.id << " step " << int(c.speedStep);
            EXPECT_EQ(keys.doubleClick, 200) << c.schema.id;
        }
    }
}

TEST(GSettingsPointerSettingsTest, AMissingSchemaIsNamedAndNothingAborts) {
    DiagnosticCapture capture;
    GSettingsPointerSettings settings({"org.vorlak.no-such-schema", "speed", 0.0, 1.0}, "Budgie");
    const PointerReport report = ApplyPointerSettings(Record(1, 6, 6), settings);
    EXPECT_EQ(report.TakenCount(), 0);
    EXPECT_EQ(report[PointerSetting::Speed].refusal, PointerRefusal::NoSchema);
    EXPECT_EQ(report[PointerSetting::Speed].detail, "org.vorlak.no-such-schema");
    EXPECT_EQ(report[PointerSetting::WheelLines].refusal, PointerRefusal::NoSuchSetting);
    EXPECT_EQ(capture.Lines().size(), 4u);
}

TEST(GSettingsPointerSettingsTest, WithoutADesktopSessionEverySettingSaysSo) {
    const char* backend = g_getenv("GSETTINGS_BACKEND");
    const std::string saved = backend != nullptr ? backend : "";
    const char* bus = g_getenv("DBUS_SESSION_BUS_ADDRESS");
    const std::string savedBus = bus != nullptr ? bus : "";
    g_unsetenv("GSETTINGS_BACKEND");
    g_unsetenv("DBUS_SESSION_BUS_ADDRESS");
    PointerReport report;
    {
        GSettingsPointerSettings settings;
        report = ApplyPointerSettings(Record(1, 6, 6), settings);
    }
    g_setenv("GSETTINGS_BACKEND", saved.c_str(), TRUE);
    if (!savedBus.empty())
        g_setenv("DBUS_SESSION_BUS_ADDRESS", savedBus.c_str(), TRUE);
    for (const PointerResult& result : report.results)
        EXPECT_EQ(result.refusal, PointerRefusal::NoDesktop);
}

}  // namespace
}  // namespace vorlak
