// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/linux/qt/x11_key_capture.h"

#include <xcb/xcb.h>
// xcb's XKB header names a field "explicit", a C++ keyword.
#define explicit explicit_
#include <xcb/xkb.h>
#undef explicit
#include <xkbcommon/xkbcommon-x11.h>
#include <xkbcommon/xkbcommon.h>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QWidget>
#include <QWindow>

#include <cstdint>
#include <cstdlib>

#include "common/diagnostics.h"
#include "platform/linux/xkb_key_map.h"

namespace vorlak {
namespace {

xcb_connection_t* X11Connection() {
    const auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    return x11 != nullptr ? x11->connection() : nullptr;
}

// The server's current keymap, for the symbols of the keys; none when XKB is missing (the
// keys then go by their place alone).
xkb_keymap* ServerKeymap(xcb_connection_t* connection) {
    if (connection == nullptr ||
        !xkb_x11_setup_xkb_extension(
            connection, XKB_X11_MIN_MAJOR_XKB_VERSION, XKB_X11_MIN_MINOR_XKB_VERSION,
            XKB_X11_SETUP_XKB_EXTENSION_NO_FLAGS, nullptr, nullptr, nullptr, nullptr))
        return nullptr;
    xkb_context* context = xkb_context_new(XKB_CONTEXT_NO_FLAGS);
    if (context == nullptr)
        return nullptr;
    const std::int32_t device = xkb_x11_get_core_keyboard_device_id(connection);
    xkb_keymap* keymap = device < 0 ? nullptr
                                    : xkb_x11_keymap_new_from_device(context, connection, device,
                                                                     XKB_KEYMAP_COMPILE_NO_FLAGS);
    xkb_context_unref(context);
    return keymap;
}

// The keyboard group of a core key event's state.
std::uint32_t GroupOf(std::uint16_t state) {
    return (state >> 13) & 3u;
}

}  // namespace

void X11KeyCapture::KeymapUnref::operator()(xkb_keymap* keymap) const {
    xkb_keymap_unref(keymap);
}

X11KeyCapture::X11KeyCapture(QWidget& window) : window_(window), connection_(X11Connection()) {
    retry_.setSingleShot(true);
    retry_.setTimerType(Qt::PreciseTimer);
    connect(&retry_, &QTimer::timeout, this, &X11KeyCapture::TryGrab);
}

namespace {

// X reports a held key as release-press pairs unless the client asks for detectable
// auto-repeat: then a held key gives presses only, and a press of a key already held is a
// repeat. Sets the flag and returns whether it was set before.
bool SetDetectableAutoRepeat(xcb_connection_t* connection, bool on) {
    std::free(xcb_xkb_use_extension_reply(
        connection, xcb_xkb_use_extension(connection, XCB_XKB_MAJOR_VERSION, XCB_XKB_MINOR_VERSION),
        nullptr));
    constexpr std::uint32_t kFlag = XCB_XKB_PER_CLIENT_FLAG_DETECTABLE_AUTO_REPEAT;
    xcb_xkb_per_client_flags_reply_t* before = xcb_xkb_per_client_flags_reply(
        connection, xcb_xkb_per_client_flags(connection, XCB_XKB_ID_USE_CORE_KBD, 0, 0, 0, 0, 0),
        nullptr);
    const bool was = before != nullptr && (before->value & kFlag) != 0;
    std::free(before);
    std::free(
        xcb_xkb_per_client_flags_reply(connection,
                                       xcb_xkb_per_client_flags(connection, XCB_XKB_ID_USE_CORE_KBD,
                                                                kFlag, on ? kFlag : 0, 0, 0, 0),
                                       nullptr));
    return was;
}

}  // namespace

X11KeyCapture::~X11KeyCapture() {
    Stop();
}

void X11KeyCapture::Start(KeyHandler onKey, FailureHandler onFailure) {
    Stop();
    onKey_ = std::move(onKey);
    onFailure_ = std::move(onFailure);
    running_ = true;
    failed_ = false;
    window_.winId();  // the native window the grab is for
    window_.windowHandle()->installEventFilter(this);
    QCoreApplication::instance()->installNativeEventFilter(this);
    if (!keymap_)
        keymap_.reset(ServerKeymap(connection_));
    trying_.start();
    TryGrab();
}

void X11KeyCapture::Stop() {
    if (!running_)
        return;
    running_ = false;
    retry_.stop();
    if (connection_ != nullptr && (grabbed_ || repeatBefore_)) {
        if (grabbed_)
            xcb_ungrab_keyboard(connection_, XCB_CURRENT_TIME);
        if (repeatBefore_)
            SetDetectableAutoRepeat(connection_, *repeatBefore_);
        xcb_flush(connection_);
    }
    grabbed_ = false;
    repeatBefore_.reset();
    if (QWindow* handle = window_.windowHandle())
        handle->removeEventFilter(this);
    QCoreApplication::instance()->removeNativeEventFilter(this);
    onKey_ = {};
    onFailure_ = {};
}

void X11KeyCapture::TryGrab() {
    if (!running_ || grabbed_ || failed_)
        return;
    int status = -1;
    if (connection_ != nullptr) {
        const auto window = static_cast<xcb_window_t>(window_.winId());
        xcb_grab_keyboard_reply_t* reply =
            xcb_grab_keyboard_reply(connection_,
                                    xcb_grab_keyboard(connection_, 0, window, XCB_CURRENT_TIME,
                                                      XCB_GRAB_MODE_ASYNC, XCB_GRAB_MODE_ASYNC),
                                    nullptr);
        if (reply != nullptr)
            status = reply->status;
        std::free(reply);
    }
    if (status == XCB_GRAB_STATUS_SUCCESS) {
        grabbed_ = true;
        // A grab again after the window was hidden finds the flag set by the first one.
        const bool before = SetDetectableAutoRepeat(connection_, true);
        if (!repeatBefore_)
            repeatBefore_ = before;
        held_.reset();
        Diagnostic("X11KeyCapture: keyboard grabbed\n");
        return;
    }
    const bool retryable = status == kAlreadyGrabbed || status == kNotViewable;
    if (retryable && trying_.elapsed() < kRetryForMs) {
        retry_.start(kRetryMs);
        return;
    }
    Fail(status);
}

void X11KeyCapture::Fail(int status) {
    failed_ = true;
    Diagnostic("X11KeyCapture: keyboard grab failed, status %d\n", status);
    // The handler may stop the capture, which clears the handler: it runs from a copy.
    if (const FailureHandler handler = onFailure_)
        handler(status);
}

// The window was mapped (grab it, also after it was hidden) or unmapped (the server has
// dropped the grab).
bool X11KeyCapture::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Expose && watched == window_.windowHandle()) {
        if (!window_.windowHandle()->isExposed()) {
            grabbed_ = false;
        } else if (running_ && !grabbed_ && !failed_) {
            trying_.start();
            TryGrab();
        }
    }
    return QObject::eventFilter(watched, event);
}

bool X11KeyCapture::nativeEventFilter(const QByteArray& eventType, void* message, qintptr*) {
    if (!grabbed_ || eventType != "xcb_generic_event_t")
        return false;
    const auto* event = static_cast<const xcb_generic_event_t*>(message);
    const int kind = event->response_type & ~0x80;
    if (kind != XCB_KEY_PRESS && kind != XCB_KEY_RELEASE)
        return false;
    const auto* key = reinterpret_cast<const xcb_key_press_event_t*>(event);
    const bool release = kind == XCB_KEY_RELEASE;
    if (!release && held_.test(key->detail))
        return true;
    held_.set(key->detail, !release);
    const KeySymbols symbols =
        keymap_ ? SymbolsOf(*keymap_, GroupOf(key->state), key->detail) : KeySymbols{};
    const CapturedKey captured = MapKey(key->detail, symbols, release);
    // The kernel's key code stands for the scan code.
    Diagnostic("vk code=%x,scan code=%x,key flag=%x\n", captured.virtualKey,
               key->detail >= 8 ? key->detail - 8 : 0, captured.flags);
    if (const KeyHandler handler = onKey_)  // a copy: the handler may stop the capture
        handler(captured);
    return true;
}

}  // namespace vorlak
