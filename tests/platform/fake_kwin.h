// SPDX-License-Identifier: GPL-3.0-or-later
// A private session bus (GLib's GTestDBus) with a fake KWin on it: org.kde.KWin owning
// /org/kde/KWin/InputDevice (the device manager) and one object per input device, served
// from a thread of its own so that the code under test may call it synchronously. It also
// records the KGlobalSettings change notices it hears.
#pragma once

#include <gio/gio.h>
#include <gtest/gtest.h>

#include <condition_variable>
#include <mutex>
#include <string>
#include <thread>
#include <utility>
#include <vector>

namespace vorlak {

struct FakeInputDevice {
    std::string sysName;
    std::string name;
    unsigned vendor = 0;
    unsigned product = 0;
    bool pointer = true;
    double pointerAcceleration = 0.0;
    bool profileFlat = false;
    int writes = 0;  // properties set on it
};

class FakeKWin {
public:
    explicit FakeKWin(std::vector<FakeInputDevice> devices);
    ~FakeKWin();
    FakeKWin(const FakeKWin&) = delete;
    FakeKWin& operator=(const FakeKWin&) = delete;

    FakeInputDevice Device(const std::string& sysName) const;
    // The (type, category) pairs of the notifyChange signals heard so far, once count have
    // come or the wait gave up.
    std::vector<std::pair<int, int>> WaitForNotices(std::size_t count) const;

private:
    void Serve();
    static GVariant* GetProperty(GDBusConnection*, const gchar*, const gchar* path,
                                 const gchar* interface, const gchar* property, GError**,
                                 gpointer self);
    static gboolean SetProperty(GDBusConnection*, const gchar*, const gchar* path,
                                const gchar* interface, const gchar* property, GVariant* value,
                                GError**, gpointer self);
    static void OnNotice(GDBusConnection*, const gchar*, const gchar*, const gchar*, const gchar*,
                         GVariant* parameters, gpointer self);
    FakeInputDevice* Find(const std::string& path);

    mutable std::mutex mutex_;
    mutable std::condition_variable changed_;
    std::vector<FakeInputDevice> devices_;
    std::vector<std::pair<int, int>> notices_;
    bool ready_ = false;
    GMainContext* context_ = nullptr;
    GMainLoop* loop_ = nullptr;
    std::thread thread_;
};

// The private bus for a test program: up before the first test, down after the last.
class PrivateSessionBus : public ::testing::Environment {
public:
    void SetUp() override {
        bus_ = g_test_dbus_new(G_TEST_DBUS_NONE);
        g_test_dbus_up(bus_);
    }
    void TearDown() override {
        g_test_dbus_down(bus_);
        g_object_unref(bus_);
    }

private:
    GTestDBus* bus_ = nullptr;
};

}  // namespace vorlak
