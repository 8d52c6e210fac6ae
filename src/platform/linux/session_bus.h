// SPDX-License-Identifier: GPL-3.0-or-later
// The desktop session's D-Bus connection through GLib's GDBus, for the backends of the
// pointer settings.
#pragma once

#include <memory>
#include <string>

typedef struct _GDBusConnection GDBusConnection;
typedef struct _GError GError;
typedef struct _GVariant GVariant;

namespace vorlak {

using BusConnection = std::shared_ptr<GDBusConnection>;

// The session bus, or none with the reason in problem. Only a bus that the session
// announces (its address, or the socket in $XDG_RUNTIME_DIR) is reached: no bus is started
// on the way.
BusConnection ConnectSessionBus(std::string& problem);

// True when name has an owner on the bus.
bool NameHasOwner(GDBusConnection* bus, const char* name);

// The message of error, which is freed; "" for none.
std::string TakeErrorMessage(GError* error);

// A method call's reply, unreferenced at the end of its life.
using BusReply = std::unique_ptr<GVariant, void (*)(GVariant*)>;
BusReply AdoptReply(GVariant* reply);

}  // namespace vorlak
