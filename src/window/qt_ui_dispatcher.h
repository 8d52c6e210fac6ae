// SPDX-License-Identifier: GPL-3.0-or-later
// The UI thread as Qt's event loop: tasks become queued calls on a context object, and are
// dropped with it.
#pragma once

#include <QObject>

#include "controller/ui_dispatcher.h"

namespace vorlak {

class QtUiDispatcher : public UiDispatcher {
public:
    explicit QtUiDispatcher(QObject* context) : context_(context) {}
    void Post(std::function<void()> task) override {
        QMetaObject::invokeMethod(context_, std::move(task), Qt::QueuedConnection);
    }

private:
    QObject* context_;
};

}  // namespace vorlak
