// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/linux/qt/wayland_key_capture.h"

#include <sys/mman.h>
#include <unistd.h>
#include <wayland-client.h>

#include <qpa/qplatformnativeinterface.h>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QWidget>
#include <QWindow>

#include <algorithm>
#include <cstring>
#include <string_view>

#include "common/diagnostics.h"
#include "keyboard-shortcuts-inhibit-unstable-v1-client-protocol.h"

namespace vorlak {
namespace {

// Version 5 has wl_seat.release and wl_keyboard.release.
constexpr std::uint32_t kSeatVersion = 5;

WaylandKeyCapture* Capture(void* data) {
    return static_cast<WaylandKeyCapture*>(data);
}

void Global(void* data, wl_registry* registry, std::uint32_t name, const char* interface,
            std::uint32_t version) {
    Capture(data)->OnGlobal(registry, name, interface, version);
}
void GlobalRemove(void*, wl_registry*, std::uint32_t) {}
const wl_registry_listener kRegistryListener = {Global, GlobalRemove};

void GlobalsListed(void* data, wl_callback*, std::uint32_t) {
    Capture(data)->OnGlobalsListed();
}
const wl_callback_listener kGlobalsListedListener = {GlobalsListed};

void InhibitAnswered(void* data, wl_callback*, std::uint32_t) {
    Capture(data)->OnInhibitorAnswered();
}
const wl_callback_listener kInhibitAnsweredListener = {InhibitAnswered};

void Capabilities(void* data, wl_seat*, std::uint32_t capabilities) {
    Capture(data)->OnCapabilities(capabilities);
}
void SeatName(void*, wl_seat*, const char*) {}
const wl_seat_listener kSeatListener = {Capabilities, SeatName};

void Keymap(void* data, wl_keyboard*, std::uint32_t format, int fd, std::uint32_t size) {
    Capture(data)->OnKeymap(format, fd, size);
}
void Enter(void* data, wl_keyboard*, std::uint32_t, wl_surface* surface, wl_array*) {
    Capture(data)->OnEnter(surface);
}
void Leave(void* data, wl_keyboard*, std::uint32_t, wl_surface*) {
    Capture(data)->OnLeave();
}
void Key(void* data, wl_keyboard*, std::uint32_t, std::uint32_t, std::uint32_t key,
         std::uint32_t state) {
    Capture(data)->OnKey(key, state);
}
void Modifiers(void* data, wl_keyboard*, std::uint32_t, std::uint32_t depressed,
               std::uint32_t latched, std::uint32_t locked, std::uint32_t group) {
    Capture(data)->OnModifiers(depressed, latched, locked, group);
}
void RepeatInfo(void*, wl_keyboard*, std::int32_t, std::int32_t) {}
const wl_keyboard_listener kKeyboardListener = {Keymap, Enter, Leave, Key, Modifiers, RepeatInfo};

void InhibitorActive(void* data, zwp_keyboard_shortcuts_inhibitor_v1*) {
    Capture(data)->OnInhibitorActive(true);
}
void InhibitorInactive(void* data, zwp_keyboard_shortcuts_inhibitor_v1*) {
    Capture(data)->OnInhibitorActive(false);
}
const zwp_keyboard_shortcuts_inhibitor_v1_listener kInhibitorListener = {InhibitorActive,
                                                                         InhibitorInactive};

QPlatformNativeInterface* Native() {
    return QGuiApplication::platformNativeInterface();
}

}  // namespace

WaylandKeyCapture::WaylandKeyCapture(QWidget& window) : window_(window) {}

WaylandKeyCapture::~WaylandKeyCapture() {
    Stop();
}

void WaylandKeyCapture::SetShortcutsHandler(ShortcutsHandler handler) {
    onShortcuts_ = std::move(handler);
}

// Our own registry, seat and keyboard, on the queue Qt dispatches on the UI thread.
void WaylandKeyCapture::Start(KeyHandler onKey, FailureHandler) {
    Stop();
    onKey_ = std::move(onKey);
    running_ = true;
    shortcutsTold_ = -1;
    qApp->installEventFilter(this);
    window_.winId();
    if (QWindow* handle = window_.windowHandle())
        handle->installEventFilter(this);
    display_ = static_cast<wl_display*>(Native()->nativeResourceForIntegration("wl_display"));
    if (display_ == nullptr) {
        Diagnostic("WaylandKeyCapture: no Wayland display\n");
        TellShortcuts(true);
        return;
    }
    registry_ = wl_display_get_registry(display_);
    wl_registry_add_listener(registry_, &kRegistryListener, this);
    globalsListed_ = wl_display_sync(display_);
    wl_callback_add_listener(globalsListed_, &kGlobalsListedListener, this);
    wl_display_flush(display_);
}

void WaylandKeyCapture::Stop() {
    if (!running_)
        return;
    running_ = false;
    DropInhibitor();
    if (keyboard_ != nullptr)
        wl_keyboard_release(keyboard_);
    if (seat_ != nullptr)
        wl_seat_release(seat_);
    if (inhibitManager_ != nullptr)
        zwp_keyboard_shortcuts_inhibit_manager_v1_destroy(inhibitManager_);
    if (globalsListed_ != nullptr)
        wl_callback_destroy(globalsListed_);
    if (registry_ != nullptr)
        wl_registry_destroy(registry_);
    keyboard_ = nullptr;
    seat_ = nullptr;
    inhibitManager_ = nullptr;
    globalsListed_ = nullptr;
    registry_ = nullptr;
    focus_ = nullptr;
    listed_ = false;
    if (display_ != nullptr)
        wl_display_flush(display_);
    if (QWindow* handle = window_.windowHandle())
        handle->removeEventFilter(this);
    qApp->removeEventFilter(this);
    onKey_ = {};
}

void WaylandKeyCapture::OnGlobal(wl_registry* registry, std::uint32_t name, const char* interface,
                                 std::uint32_t version) {
    const std::string_view kind = interface;
    if (kind == wl_seat_interface.name && seat_ == nullptr && version >= kSeatVersion) {
        seat_ = static_cast<wl_seat*>(
            wl_registry_bind(registry, name, &wl_seat_interface, kSeatVersion));
        wl_seat_add_listener(seat_, &kSeatListener, this);
    } else if (kind == zwp_keyboard_shortcuts_inhibit_manager_v1_interface.name &&
               inhibitManager_ == nullptr) {
        inhibitManager_ = static_cast<zwp_keyboard_shortcuts_inhibit_manager_v1*>(wl_registry_bind(
            registry, name, &zwp_keyboard_shortcuts_inhibit_manager_v1_interface, 1));
    }
}

// Every global has been announced: without the inhibitor the desktop keeps its shortcuts.
void WaylandKeyCapture::OnGlobalsListed() {
    wl_callback_destroy(globalsListed_);
    globalsListed_ = nullptr;
    listed_ = true;
    if (seat_ == nullptr)
        Diagnostic("WaylandKeyCapture: the compositor offers no seat of version 5\n");
    if (inhibitManager_ == nullptr) {
        Diagnostic("WaylandKeyCapture: the compositor has no shortcuts inhibitor\n");
        TellShortcuts(true);
        return;
    }
    Inhibit();
}

void WaylandKeyCapture::OnCapabilities(std::uint32_t capabilities) {
    const bool hasKeyboard = (capabilities & WL_SEAT_CAPABILITY_KEYBOARD) != 0;
    if (hasKeyboard && keyboard_ == nullptr) {
        keyboard_ = wl_seat_get_keyboard(seat_);
        wl_keyboard_add_listener(keyboard_, &kKeyboardListener, this);
    } else if (!hasKeyboard && keyboard_ != nullptr) {
        wl_keyboard_release(keyboard_);
        keyboard_ = nullptr;
        focus_ = nullptr;
    }
}

void WaylandKeyCapture::OnKeymap(std::uint32_t format, int fd, std::uint32_t size) {
    if (format == WL_KEYBOARD_KEYMAP_FORMAT_XKB_V1 && size > 0) {
        void* text = mmap(nullptr, size, PROT_READ, MAP_PRIVATE, fd, 0);
        if (text != MAP_FAILED) {
            if (!decoder_.SetKeymap(std::string_view(static_cast<const char*>(text), size)))
                Diagnostic("WaylandKeyCapture: the compositor's keymap does not compile\n");
            munmap(text, size);
        }
    }
    close(fd);
}

void WaylandKeyCapture::OnEnter(wl_surface* surface) {
    focus_ = surface;
    if (surface == Surface())
        Diagnostic("WaylandKeyCapture: keyboard focus\n");
}

void WaylandKeyCapture::OnLeave() {
    focus_ = nullptr;
}

// Only the keys sent to the capture's own window count: the compositor sends none while
// another window has the focus. It never repeats a key: a held key is one press.
void WaylandKeyCapture::OnKey(std::uint32_t code, std::uint32_t state) {
    if (!running_ || focus_ == nullptr || focus_ != Surface())
        return;
    const CapturedKey captured = decoder_.Key(code, state == WL_KEYBOARD_KEY_STATE_PRESSED);
    Diagnostic("vk code=%x,scan code=%x,key flag=%x\n", captured.virtualKey, code, captured.flags);
    if (onKey_)
        onKey_(captured);
}

void WaylandKeyCapture::OnModifiers(std::uint32_t depressed, std::uint32_t latched,
                                    std::uint32_t locked, std::uint32_t group) {
    decoder_.SetModifiers(depressed, latched, locked, group);
}

wl_surface* WaylandKeyCapture::Surface() const {
    QWindow* handle = window_.windowHandle();
    return handle == nullptr
               ? nullptr
               : static_cast<wl_surface*>(Native()->nativeResourceForWindow("surface", handle));
}

// The window's surface exists once it is shown; a window shown again has a new one.
void WaylandKeyCapture::Inhibit() {
    wl_surface* surface = Surface();
    if (!running_ || !listed_ || inhibitManager_ == nullptr || seat_ == nullptr ||
        surface == nullptr || surface == inhibitedSurface_)
        return;
    DropInhibitor();
    inhibitedSurface_ = surface;
    inhibitor_ = zwp_keyboard_shortcuts_inhibit_manager_v1_inhibit_shortcuts(inhibitManager_,
                                                                             surface, seat_);
    zwp_keyboard_shortcuts_inhibitor_v1_add_listener(inhibitor_, &kInhibitorListener, this);
    // A compositor that honours the request at once answers before this round trip ends.
    inhibitAnswered_ = wl_display_sync(display_);
    wl_callback_add_listener(inhibitAnswered_, &kInhibitAnsweredListener, this);
    wl_display_flush(display_);
}

void WaylandKeyCapture::DropInhibitor() {
    if (inhibitAnswered_ != nullptr)
        wl_callback_destroy(inhibitAnswered_);
    if (inhibitor_ != nullptr)
        zwp_keyboard_shortcuts_inhibitor_v1_destroy(inhibitor_);
    inhibitAnswered_ = nullptr;
    inhibitor_ = nullptr;
    inhibitedSurface_ = nullptr;
    inhibitorActive_ = false;
}

void WaylandKeyCapture::OnInhibitorActive(bool active) {
    inhibitorActive_ = active;
    TellShortcuts(!active);
}

// No answer yet: the compositor refused, or asks the user first (it may still grant it).
void WaylandKeyCapture::OnInhibitorAnswered() {
    wl_callback_destroy(inhibitAnswered_);
    inhibitAnswered_ = nullptr;
    if (!inhibitorActive_)
        TellShortcuts(true);
}

void WaylandKeyCapture::TellShortcuts(bool desktopKeeps) {
    if (shortcutsTold_ == static_cast<int>(desktopKeeps))
        return;
    shortcutsTold_ = static_cast<int>(desktopKeeps);
    Diagnostic("WaylandKeyCapture: desktop shortcuts %s\n",
               desktopKeeps ? "stay with the desktop" : "come to the capture");
    if (onShortcuts_)
        onShortcuts_(desktopKeeps);
}

bool WaylandKeyCapture::IsOwn(QObject* watched) const {
    const auto* widget = qobject_cast<const QWidget*>(watched);
    return widget != nullptr && (widget == &window_ || window_.isAncestorOf(widget));
}

bool WaylandKeyCapture::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
        case QEvent::Expose:
            if (watched == window_.windowHandle()) {
                if (window_.windowHandle()->isExposed())
                    Inhibit();
            }
            break;
        case QEvent::ShortcutOverride:
            if (IsOwn(watched)) {
                event->accept();  // no shortcut acts; the key comes as a key press
                return true;
            }
            break;
        case QEvent::KeyPress:
        case QEvent::KeyRelease:
            if (IsOwn(watched))
                return true;
            break;
        default:
            break;
    }
    return QObject::eventFilter(watched, event);
}

}  // namespace vorlak
