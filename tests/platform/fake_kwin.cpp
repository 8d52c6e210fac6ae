// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "fake_kwin.h"

namespace vorlak {
namespace {

constexpr const char* kIntrospection = R"(<node>
  <interface name="org.kde.KWin.InputDeviceManager">
    <property name="devicesSysNames" type="as" access="read"/>
  </interface>
  <interface name="org.kde.KWin.InputDevice">
    <property name="sysName" type="s" access="read"/>
    <property name="name" type="s" access="read"/>
    <property name="vendor" type="u" access="read"/>
    <property name="product" type="u" access="read"/>
    <property name="pointer" type="b" access="read"/>
    <property name="keyboard" type="b" access="read"/>
    <property name="pointerAcceleration" type="d" access="readwrite"/>
    <property name="pointerAccelerationProfileFlat" type="b" access="readwrite"/>
  </interface>
</node>)";

constexpr const char* kRoot = "/org/kde/KWin/InputDevice";

}  // namespace

FakeKWin::FakeKWin(std::vector<FakeInputDevice> devices) : devices_(std::move(devices)) {
    thread_ = std::thread([this] { Serve(); });
    std::unique_lock lock(mutex_);
    changed_.wait(lock, [this] { return ready_; });
}

FakeKWin::~FakeKWin() {
    g_main_loop_quit(loop_);
    thread_.join();
}

void FakeKWin::Serve() {
    context_ = g_main_context_new();
    g_main_context_push_thread_default(context_);
    loop_ = g_main_loop_new(context_, FALSE);
    GError* error = nullptr;
    gchar* address = g_dbus_address_get_for_bus_sync(G_BUS_TYPE_SESSION, nullptr, &error);
    GDBusConnection* bus = g_dbus_connection_new_for_address_sync(
        address,
        static_cast<GDBusConnectionFlags>(G_DBUS_CONNECTION_FLAGS_AUTHENTICATION_CLIENT |
                                          G_DBUS_CONNECTION_FLAGS_MESSAGE_BUS_CONNECTION),
        nullptr, nullptr, &error);
    g_free(address);
    GDBusNodeInfo* node = g_dbus_node_info_new_for_xml(kIntrospection, &error);
    const GDBusInterfaceVTable vtable{nullptr, GetProperty, SetProperty, {}};
    std::vector<guint> objects;
    objects.push_back(g_dbus_connection_register_object(bus, kRoot, node->interfaces[0], &vtable,
                                                        this, nullptr, &error));
    for (const FakeInputDevice& device : devices_) {
        objects.push_back(g_dbus_connection_register_object(
            bus, (std::string(kRoot) + "/" + device.sysName).c_str(), node->interfaces[1], &vtable,
            this, nullptr, &error));
    }
    const guint subscription = g_dbus_connection_signal_subscribe(
        bus, nullptr, "org.kde.KGlobalSettings", "notifyChange", "/KGlobalSettings", nullptr,
        G_DBUS_SIGNAL_FLAGS_NONE, OnNotice, this, nullptr);
    GVariant* owned = g_dbus_connection_call_sync(
        bus, "org.freedesktop.DBus", "/org/freedesktop/DBus", "org.freedesktop.DBus", "RequestName",
        g_variant_new("(su)", "org.kde.KWin", 4u), nullptr, G_DBUS_CALL_FLAGS_NONE, -1, nullptr,
        &error);
    if (owned != nullptr)
        g_variant_unref(owned);
    {
        std::lock_guard lock(mutex_);
        ready_ = true;
    }
    changed_.notify_all();
    g_main_loop_run(loop_);
    g_dbus_connection_signal_unsubscribe(bus, subscription);
    for (const guint object : objects)
        g_dbus_connection_unregister_object(bus, object);
    g_dbus_node_info_unref(node);
    g_dbus_connection_close_sync(bus, nullptr, nullptr);
    g_object_unref(bus);
    g_main_loop_unref(loop_);
    g_main_context_pop_thread_default(context_);
    g_main_context_unref(context_);
}

FakeInputDevice* FakeKWin::Find(const std::string& path) {
    for (FakeInputDevice& device : devices_) {
        if (path == std::string(kRoot) + "/" + device.sysName)
            return &device;
    }
    return nullptr;
}

GVariant* FakeKWin::GetProperty(GDBusConnection*, const gchar*, const gchar* path, const gchar*,
                                const gchar* property, GError**, gpointer self) {
    auto* kwin = static_cast<FakeKWin*>(self);
    std::lock_guard lock(kwin->mutex_);
    const std::string name = property;
    if (name == "devicesSysNames") {
        GVariantBuilder names;
        g_variant_builder_init(&names, G_VARIANT_TYPE_STRING_ARRAY);
        for (const FakeInputDevice& device : kwin->devices_)
            g_variant_builder_add(&names, "s", device.sysName.c_str());
        return g_variant_builder_end(&names);
    }
    const FakeInputDevice* device = kwin->Find(path);
    if (name == "sysName")
        return g_variant_new_string(device->sysName.c_str());
    if (name == "name")
        return g_variant_new_string(device->name.c_str());
    if (name == "vendor")
        return g_variant_new_uint32(device->vendor);
    if (name == "product")
        return g_variant_new_uint32(device->product);
    if (name == "pointer")
        return g_variant_new_boolean(device->pointer);
    if (name == "keyboard")
        return g_variant_new_boolean(!device->pointer);
    if (name == "pointerAcceleration")
        return g_variant_new_double(device->pointerAcceleration);
    return g_variant_new_boolean(device->profileFlat);
}

gboolean FakeKWin::SetProperty(GDBusConnection*, const gchar*, const gchar* path, const gchar*,
                               const gchar* property, GVariant* value, GError**, gpointer self) {
    auto* kwin = static_cast<FakeKWin*>(self);
    std::lock_guard lock(kwin->mutex_);
    FakeInputDevice* device = kwin->Find(path);
    if (std::string(property) == "pointerAcceleration")
        device->pointerAcceleration = g_variant_get_double(value);
    else
        device->profileFlat = g_variant_get_boolean(value);
    ++device->writes;
    return TRUE;
}

void FakeKWin::OnNotice(GDBusConnection*, const gchar*, const gchar*, const gchar*, const gchar*,
                        GVariant* parameters, gpointer self) {
    auto* kwin = static_cast<FakeKWin*>(self);
    gint32 type = 0;
    gint32 category = 0;
    g_variant_get(parameters, "(ii)", &type, &category);
    {
        std::lock_guard lock(kwin->mutex_);
        kwin->notices_.emplace_back(type, category);
    }
    kwin->changed_.notify_all();
}

FakeInputDevice FakeKWin::Device(const std::string& sysName) const {
    std::lock_guard lock(mutex_);
    for (const FakeInputDevice& device : devices_) {
        if (device.sysName == sysName)
            return device;
    }
    return {};
}

std::vector<std::pair<int, int>> FakeKWin::WaitForNotices(std::size_t count) const {
    std::unique_lock lock(mutex_);
    changed_.wait_for(lock, std::chrono::seconds(10), [&] { return notices_.size() >= count; });
    return notices_;
}

}  // namespace vorlak
