// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/linux/session_bus.h"

#include <gio/gio.h>

#include <filesystem>

namespace vorlak {

BusConnection ConnectSessionBus(std::string& problem) {
    const char* address = g_getenv("DBUS_SESSION_BUS_ADDRESS");
    const char* runtime = g_getenv("XDG_RUNTIME_DIR");
    std::error_code ignored;
    const bool announced =
        (address != nullptr && *address != '\0') ||
        (runtime != nullptr &&
         std::filesystem::exists(std::filesystem::path(runtime) / "bus", ignored));
    if (!announced) {
        problem = "no session bus runs";
        return nullptr;
    }
    GError* error = nullptr;
    GDBusConnection* bus = g_bus_get_sync(G_BUS_TYPE_SESSION, nullptr, &error);
    if (bus == nullptr) {
        problem = "the session bus cannot be reached: " + TakeErrorMessage(error);
        return nullptr;
    }
    return BusConnection(bus, [](GDBusConnection* b) { g_object_unref(b); });
}

bool NameHasOwner(GDBusConnection* bus, const char* name) {
    if (bus == nullptr)
        return false;
    BusReply reply = AdoptReply(g_dbus_connection_call_sync(
        bus, "org.freedesktop.DBus", "/org/freedesktop/DBus", "org.freedesktop.DBus",
        "NameHasOwner", g_variant_new("(s)", name), G_VARIANT_TYPE("(b)"), G_DBUS_CALL_FLAGS_NONE,
        1000, nullptr, nullptr));
    gboolean owned = FALSE;
    if (reply)
        g_variant_get(reply.get(), "(b)", &owned);
    return owned != FALSE;
}

std::string TakeErrorMessage(GError* error) {
    if (error == nullptr)
        return {};
    // A remote error's message carries the D-Bus error name in front; the message is enough.
    g_dbus_error_strip_remote_error(error);
    std::string message = error->message != nullptr ? error->message : "";
    g_error_free(error);
    return message;
}

BusReply AdoptReply(GVariant* reply) {
    return BusReply(reply, [](GVariant* v) {
        if (v != nullptr)
            g_variant_unref(v);
    });
}

}  // namespace vorlak
