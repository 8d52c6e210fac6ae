// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/linux/kwin_pointer_settings.h"

#include <gio/gio.h>

#include "platform/linux/kde_config_file.h"

namespace vorlak {
namespace {

constexpr const char* kService = "org.kde.KWin";
constexpr const char* kDevicesPath = "/org/kde/KWin/InputDevice";
constexpr const char* kManagerInterface = "org.kde.KWin.InputDeviceManager";
constexpr const char* kDeviceInterface = "org.kde.KWin.InputDevice";
constexpr const char* kProperties = "org.freedesktop.DBus.Properties";
constexpr int kTimeoutMs = 2000;

// libinput's profile numbers, as kcminputrc keeps them.
constexpr int kProfileFlat = 1;
constexpr int kProfileAdaptive = 2;

BusReply CallProperties(GDBusConnection* bus, const std::string& path, const char* method,
                        GVariant* parameters, const GVariantType* replyType, GError** error) {
    return AdoptReply(g_dbus_connection_call_sync(bus, kService, path.c_str(), kProperties, method,
                                                  parameters, replyType, G_DBUS_CALL_FLAGS_NONE,
                                                  kTimeoutMs, nullptr, error));
}

template <class T>
T Property(GVariant* properties, const char* name, const char* format, T fallback) {
    T value = fallback;
    g_variant_lookup(properties, name, format, &value);
    return value;
}

}  // namespace

KWinPointerSettings::KWinPointerSettings(std::vector<HidIdentity> identities,
                                         std::filesystem::path configFolder, BusConnection bus,
                                         std::string busProblem)
    : identities_(std::move(identities)),
      inputConfig_(configFolder / "kcminputrc"),
      bus_(bus),
      busProblem_(std::move(busProblem)),
      globals_(std::move(configFolder), std::move(bus)) {}

std::variant<std::vector<KWinInputDevice>, PointerResult> KWinPointerSettings::MouseDevices()
    const {
    if (!bus_)
        return PointerResult::Kept(PointerRefusal::Refused, busProblem_);
    GError* error = nullptr;
    BusReply names = CallProperties(bus_.get(), kDevicesPath, "Get",
                                    g_variant_new("(ss)", kManagerInterface, "devicesSysNames"),
                                    G_VARIANT_TYPE("(v)"), &error);
    if (!names)
        return PointerResult::Kept(PointerRefusal::Refused, TakeErrorMessage(error));
    GVariant* list = nullptr;
    g_variant_get(names.get(), "(v)", &list);
    BusReply listOwner = AdoptReply(list);
    if (!g_variant_is_of_type(list, G_VARIANT_TYPE_STRING_ARRAY))
        return PointerResult::Kept(PointerRefusal::Refused, "KWin lists its devices unreadably");

    std::vector<KWinInputDevice> devices;
    gsize count = 0;
    const gchar** sysNames = g_variant_get_strv(list, &count);
    for (gsize i = 0; i < count; ++i) {
        const std::string path = std::string(kDevicesPath) + "/" + sysNames[i];
        BusReply reply =
            CallProperties(bus_.get(), path, "GetAll", g_variant_new("(s)", kDeviceInterface),
                           G_VARIANT_TYPE("(a{sv})"), nullptr);
        if (!reply)
            continue;  // gone meanwhile
        BusReply properties = AdoptReply(g_variant_get_child_value(reply.get(), 0));
        if (!Property<gboolean>(properties.get(), "pointer", "b", FALSE))
            continue;
        KWinInputDevice device{sysNames[i],
                               {},
                               Property<guint32>(properties.get(), "vendor", "u", 0),
                               Property<guint32>(properties.get(), "product", "u", 0)};
        const gchar* name = nullptr;
        if (g_variant_lookup(properties.get(), "name", "&s", &name))
            device.name = name;
        for (const HidIdentity& identity : identities_) {
            if (device.vendor == identity.vendorId && device.product == identity.productId) {
                devices.push_back(device);
                break;
            }
        }
    }
    g_free(sysNames);
    if (devices.empty())
        return PointerResult::Kept(PointerRefusal::DeviceNotFound);
    return devices;
}

PointerResult KWinPointerSettings::SetOnMouse(const char* property, GVariant* value,
                                              const char* configKey,
                                              const std::string& configValue) {
    g_variant_ref_sink(value);
    BusReply valueOwner = AdoptReply(value);
    auto found = MouseDevices();
    if (auto* kept = std::get_if<PointerResult>(&found))
        return *kept;
    std::vector<KdeEntry> entries;
    for (const KWinInputDevice& device : std::get<std::vector<KWinInputDevice>>(found)) {
        GError* error = nullptr;
        BusReply reply = CallProperties(
            bus_.get(), std::string(kDevicesPath) + "/" + device.sysName, "Set",
            g_variant_new("(ssv)", kDeviceInterface, property, value), nullptr, &error);
        if (!reply)
            return PointerResult::Kept(PointerRefusal::Refused, TakeErrorMessage(error));
        entries.push_back({{"Libinput", std::to_string(device.vendor),
                            std::to_string(device.product), device.name},
                           configKey,
                           configValue});
    }
    // KWin took it for this session; the file makes it last.
    if (std::optional<std::string> problem = WriteKdeEntries(inputConfig_, entries))
        return PointerResult::Kept(PointerRefusal::Refused, *problem);
    return PointerResult::Taken();
}

PointerResult KWinPointerSettings::SetMouseAcceleration(int, int, int acceleration) {
    const bool flat = acceleration == 0;
    return SetOnMouse("pointerAccelerationProfileFlat", g_variant_new_boolean(flat),
                      "PointerAccelerationProfile",
                      std::to_string(flat ? kProfileFlat : kProfileAdaptive));
}

PointerResult KWinPointerSettings::SetMouseSpeed(int speed) {
    return SetOnMouse("pointerAcceleration", g_variant_new_double(LibinputSpeedOf(speed)),
                      "PointerAcceleration", LibinputSpeedText(speed));
}

PointerResult KWinPointerSettings::SetWheelScrollLines(std::uint32_t lines) {
    return globals_.SetWheelScrollLines(lines);
}

PointerResult KWinPointerSettings::SetDoubleClickTime(int milliseconds) {
    return globals_.SetDoubleClickTime(milliseconds);
}

}  // namespace vorlak
