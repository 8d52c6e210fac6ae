// SPDX-License-Identifier: GPL-3.0-or-later
// The key capture on Wayland, which has no global grab: the keys the compositor sends while
// the window has the keyboard focus (no other client receives them then), read from a
// keyboard of our own on the seat, by kernel code and the compositor's keymap, as on X11.
// While it runs, the window asks the compositor for the keys of the desktop's own shortcuts
// (the keyboard-shortcuts-inhibit protocol) and tells whether it got them. Qt's key events
// for the window are swallowed, so that no key acts on the window itself.
#pragma once

#include <QObject>

#include "keys/key_capture.h"
#include "platform/linux/wayland_key_decoder.h"

class QWidget;
struct wl_callback;
struct wl_display;
struct wl_keyboard;
struct wl_registry;
struct wl_seat;
struct wl_surface;
struct zwp_keyboard_shortcuts_inhibit_manager_v1;
struct zwp_keyboard_shortcuts_inhibitor_v1;

namespace vorlak {

class WaylandKeyCapture : public QObject, public KeyCapture {
    Q_OBJECT
public:
    // Captures for window, a top-level widget on the wayland platform.
    explicit WaylandKeyCapture(QWidget& window);
    ~WaylandKeyCapture() override;

    // Never fails: the keys come while the window has the focus. The seat and the shortcuts
    // inhibitor are bound asynchronously, on the compositor's answer.
    void Start(KeyHandler onKey, FailureHandler onFailure) override;
    void Stop() override;
    void SetShortcutsHandler(ShortcutsHandler handler) override;

    // The compositor's listeners: the protocol's events, on the UI thread.
    void OnGlobal(wl_registry* registry, std::uint32_t name, const char* interface,
                  std::uint32_t version);
    void OnGlobalsListed();
    void OnCapabilities(std::uint32_t capabilities);
    void OnKeymap(std::uint32_t format, int fd, std::uint32_t size);
    void OnEnter(wl_surface* surface);
    void OnLeave();
    void OnKey(std::uint32_t code, std::uint32_t state);
    void OnModifiers(std::uint32_t depressed, std::uint32_t latched, std::uint32_t locked,
                     std::uint32_t group);
    void OnInhibitorActive(bool active);
    void OnInhibitorAnswered();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    wl_surface* Surface() const;
    void Inhibit();
    void DropInhibitor();
    void TellShortcuts(bool desktopKeeps);
    bool IsOwn(QObject* watched) const;

    QWidget& window_;
    KeyHandler onKey_;
    ShortcutsHandler onShortcuts_;
    WaylandKeyDecoder decoder_;
    wl_display* display_ = nullptr;
    wl_registry* registry_ = nullptr;
    wl_callback* globalsListed_ = nullptr;
    wl_callback* inhibitAnswered_ = nullptr;
    wl_seat* seat_ = nullptr;
    wl_keyboard* keyboard_ = nullptr;
    zwp_keyboard_shortcuts_inhibit_manager_v1* inhibitManager_ = nullptr;
    zwp_keyboard_shortcuts_inhibitor_v1* inhibitor_ = nullptr;
    wl_surface* inhibitedSurface_ = nullptr;
    wl_surface* focus_ = nullptr;
    bool running_ = false;
    bool listed_ = false;
    bool inhibitorActive_ = false;
    int shortcutsTold_ = -1;  // what the handler was told last: -1 nothing, 0 or 1
};

}  // namespace vorlak
