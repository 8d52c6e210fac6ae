// SPDX-License-Identifier: GPL-3.0-or-later
// The key capture on platforms without a grab or a seat of their own (offscreen): the keys
// a window receives while it has the focus.
#pragma once

#include <QObject>

#include "keys/key_capture.h"

class QWidget;

namespace vorlak {

class WindowKeyCapture : public QObject, public KeyCapture {
    Q_OBJECT
public:
    explicit WindowKeyCapture(QWidget& window);
    ~WindowKeyCapture() override;

    // Never fails. Every key event of the window and its children is taken, shortcuts
    // included; auto-repeated presses are dropped.
    void Start(KeyHandler onKey, FailureHandler onFailure) override;
    void Stop() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool IsOwn(QObject* watched) const;

    QWidget& window_;
    KeyHandler onKey_;
    bool running_ = false;
};

}  // namespace vorlak
