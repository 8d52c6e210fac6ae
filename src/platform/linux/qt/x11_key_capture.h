// SPDX-License-Identifier: GPL-3.0-or-later
// The system-wide key capture on X11: the keyboard grabbed for a window while it is shown,
// its key events read ahead of Qt's input method. Every key then comes to us, the window
// manager's shortcuts included, and no other client receives one.
#pragma once

#include <QAbstractNativeEventFilter>
#include <QElapsedTimer>
#include <QObject>
#include <QTimer>

#include <bitset>
#include <memory>
#include <optional>

#include "keys/key_capture.h"

class QWidget;
struct xcb_connection_t;
struct xkb_keymap;

namespace vorlak {

class X11KeyCapture : public QObject, public KeyCapture, public QAbstractNativeEventFilter {
    Q_OBJECT
public:
    // Grab statuses of the X protocol.
    static constexpr int kAlreadyGrabbed = 1;
    static constexpr int kNotViewable = 3;
    static constexpr int kRetryMs = 50;
    static constexpr int kRetryForMs = 2000;

    // Captures for window, a top-level widget on the xcb platform.
    explicit X11KeyCapture(QWidget& window);
    ~X11KeyCapture() override;

    // Grabs once the window is exposed, and again whenever it is exposed after being hidden.
    // A grab that another client holds, or one asked for before the window can be seen, is
    // retried every 50 ms for 2 s; then onFailure gets the grab status.
    void Start(KeyHandler onKey, FailureHandler onFailure) override;
    void Stop() override;
    bool Grabbed() const { return grabbed_; }

protected:
    bool nativeEventFilter(const QByteArray& eventType, void* message, qintptr* result) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void TryGrab();
    void Fail(int status);

    struct KeymapUnref {
        void operator()(xkb_keymap* keymap) const;
    };

    QWidget& window_;
    xcb_connection_t* connection_ = nullptr;
    std::unique_ptr<xkb_keymap, KeymapUnref> keymap_;
    KeyHandler onKey_;
    FailureHandler onFailure_;
    QTimer retry_;
    QElapsedTimer trying_;
    bool running_ = false;
    bool grabbed_ = false;
    bool failed_ = false;
    // Whether the connection had detectable auto-repeat before the first grab of this
    // capture set it; Stop puts it back, also when the window was hidden meanwhile.
    std::optional<bool> repeatBefore_;
    // Keys pressed while grabbed: a press of one of them is the keyboard's auto-repeat.
    std::bitset<256> held_;
};

}  // namespace vorlak
