// SPDX-License-Identifier: GPL-3.0-or-later
// A window that scrolls its own content vertically and can be given a skinned scroll bar: it
// keeps its scroll state, handles the standard scroll requests itself and says when its state
// changed.
#pragma once

#include <QWidget>

#include "controls/scroll_bar_geometry.h"

namespace vorlak {

class SkinScrollable : public QWidget {
    Q_OBJECT

public:
    using QWidget::QWidget;

    // The state a standard vertical scroll bar of the window would show.
    virtual ScrollInfo VerticalScrollInfo() const = 0;
    // A request as the window's own scroll bar would send it.
    virtual void VerticalScroll(ScrollRequest request, int position) = 0;

signals:
    // The range, page or position changed, by a request or by the window's own doing.
    void ScrollInfoChanged();
};

}  // namespace vorlak
