// SPDX-License-Identifier: GPL-3.0-or-later
// The X11 key capture on an X server of its own (the test runs under xvfb-run): a failure
// handler that stops the capture runs to its end, and the connection's detectable
// auto-repeat goes back to what it was, also when the window was hidden during the capture.
#include <xcb/xcb.h>
// xcb's XKB header names a field "explicit", a C++ keyword.
#define explicit explicit_
#include <xcb/xkb.h>
#undef explicit

#include <gtest/gtest.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QTest>
#include <QWidget>

#include <array>
#include <cstdlib>
#include <functional>
#include <memory>

#include "platform/linux/qt/x11_key_capture.h"

namespace vorlak {
namespace {

xcb_connection_t* AppConnection() {
    return qGuiApp->nativeInterface<QNativeInterface::QX11Application>()->connection();
}

constexpr std::uint32_t kDetectable = XCB_XKB_PER_CLIENT_FLAG_DETECTABLE_AUTO_REPEAT;

// The connection's detectable auto-repeat, set to `on` when `change` (the value before).
bool DetectableRepeat(xcb_connection_t* connection, bool change = false, bool on = false) {
    std::free(xcb_xkb_use_extension_reply(
        connection, xcb_xkb_use_extension(connection, XCB_XKB_MAJOR_VERSION, XCB_XKB_MINOR_VERSION),
        nullptr));
    const std::uint32_t mask = change ? kDetectable : 0;
    xcb_xkb_per_client_flags_reply_t* reply = xcb_xkb_per_client_flags_reply(
        connection,
        xcb_xkb_per_client_flags(connection, XCB_XKB_ID_USE_CORE_KBD, mask, on ? mask : 0, 0, 0, 0),
        nullptr);
    const bool value = reply != nullptr && (reply->value & kDetectable) != 0;
    std::free(reply);
    return value;
}

bool WaitFor(const std::function<bool()>& condition) {
    QElapsedTimer clock;
    clock.start();
    while (!condition()) {
        if (clock.elapsed() > 5000)
            return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    }
    return true;
}

// Another client that holds the keyboard grab while it lives.
class HeldKeyboard {
public:
    HeldKeyboard() : connection_(xcb_connect(nullptr, nullptr)) {
        const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(connection_)).data->root;
        xcb_grab_keyboard_reply_t* reply =
            xcb_grab_keyboard_reply(connection_,
                                    xcb_grab_keyboard(connection_, 0, root, XCB_CURRENT_TIME,
                                                      XCB_GRAB_MODE_ASYNC, XCB_GRAB_MODE_ASYNC),
                                    nullptr);
        held_ = reply != nullptr && reply->status == XCB_GRAB_STATUS_SUCCESS;
        std::free(reply);
    }
    ~HeldKeyboard() { xcb_disconnect(connection_); }
    bool Held() const { return held_; }

private:
    xcb_connection_t* connection_;
    bool held_ = false;
};

class X11KeyCaptureTest : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_EQ(QGuiApplication::platformName(), "xcb") << "run it on an X server";
        window_.resize(200, 100);
        window_.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window_));
    }
    QWidget window_;
};

// What the failure handler's copy watches: globals, since after Stop the handler reads
// nothing through its own closure unless it still exists.
std::weak_ptr<int> gHandlerToken;
bool gTokenGoneInHandler = false;
int gFailures = 0;

TEST_F(X11KeyCaptureTest, AFailureHandlerThatStopsTheCaptureRunsToItsEnd) {
    const HeldKeyboard other;
    ASSERT_TRUE(other.Held());
    X11KeyCapture capture(window_);
    auto token = std::make_shared<int>(7);
    gHandlerToken = token;
    std::array<int, 64> large{};  // too large for the handler's inline buffer: on the heap
    large[63] = 5;
    capture.Start([](const CapturedKey&) {},
                  [&capture, token = std::move(token), large](int status) {
                      EXPECT_EQ(status, X11KeyCapture::kAlreadyGrabbed);
                      capture.Stop();  // clears the capture's own handler
                      gTokenGoneInHandler = gHandlerToken.expired();
                      gFailures += *token + large[63];  // the closure is still there
                  });
    ASSERT_TRUE(WaitFor([] { return gFailures != 0; }));
    EXPECT_FALSE(gTokenGoneInHandler) << "the handler was destroyed while it ran";
    EXPECT_EQ(gFailures, 12);
    EXPECT_TRUE(gHandlerToken.expired());  // and released after it
}

TEST_F(X11KeyCaptureTest, DetectableAutoRepeatGoesBackEvenAfterTheWindowWasHidden) {
    xcb_connection_t* connection = AppConnection();
    DetectableRepeat(connection, true, false);
    ASSERT_FALSE(DetectableRepeat(connection));
    X11KeyCapture capture(window_);
    capture.Start([](const CapturedKey&) {}, [](int) {});
    ASSERT_TRUE(WaitFor([&] { return capture.Grabbed(); }));
    EXPECT_TRUE(DetectableRepeat(connection));
    window_.hide();
    ASSERT_TRUE(WaitFor([&] { return !capture.Grabbed(); }));
    window_.show();
    ASSERT_TRUE(WaitFor([&] { return capture.Grabbed(); })) << "grabbed again when shown";
    capture.Stop();
    EXPECT_FALSE(DetectableRepeat(connection));

    // Stopped while hidden: put back all the same.
    capture.Start([](const CapturedKey&) {}, [](int) {});
    ASSERT_TRUE(WaitFor([&] { return capture.Grabbed(); }));
    window_.hide();
    ASSERT_TRUE(WaitFor([&] { return !capture.Grabbed(); }));
    capture.Stop();
    EXPECT_FALSE(DetectableRepeat(connection));
}

}  // namespace
}  // namespace vorlak
