// SPDX-License-Identifier: GPL-3.0-or-later
// A record behind its editor, the English texts and the built skins, for the panels' tests;
// the colour chooser answers from a queue the test fills and counts how often it was asked.
#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QMouseEvent>

#include <deque>
#include <optional>

#include "controller/record_editor.h"
#include "panels/settings_panel.h"
#include "text/ui_text.h"

namespace vorlak {

class PanelFixture : public testing::Test {
protected:
    using Color = std::array<Byte, 3>;

    PanelFixture()
        : editor_(record_),
          text_(FillTextTable("EN")),
          context_{VORLAK_BIN_DIR, "EN", text_, editor_, [this](QWidget*) {
                       ++chooserOpened_;
                       std::optional<Color> answer =
                           answers_.empty() ? std::nullopt : answers_.front();
                       if (!answers_.empty())
                           answers_.pop_front();
                       return answer;
                   }} {
        editor_.AddObserver([this](const RecordChange& change) {
            if (observer_ != nullptr)
                observer_->OnRecordChange(change);
        });
    }

    // The panel that hears of the record's changes, as the settings host tells its panels.
    template <class Panel>
    Panel& Observed(Panel& panel) {
        observer_ = &panel;
        QObject::connect(&panel, &QObject::destroyed, [this] { observer_ = nullptr; });
        return panel;
    }

    // Replaces the record as a loaded profile does, before a panel is made.
    MouseConfig& Stored() { return record_; }

    MouseConfig record_{};
    RecordEditor editor_;
    UiTextTable text_;
    PanelContext context_;
    std::deque<std::optional<Color>> answers_;
    int chooserOpened_ = 0;
    SettingsPanel* observer_ = nullptr;
};

inline void SendMouse(QWidget& widget, QEvent::Type type, QPoint at, Qt::MouseButtons held) {
    const QPointF local(at);
    QMouseEvent event(type, local, widget.mapToGlobal(local),
                      type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton, held,
                      Qt::NoModifier);
    QApplication::sendEvent(&widget, &event);
}

inline void Click(QWidget& widget, QPoint at) {
    SendMouse(widget, QEvent::MouseButtonPress, at, Qt::LeftButton);
    SendMouse(widget, QEvent::MouseButtonRelease, at, Qt::NoButton);
}

// A press at `from`, a move to `to` and the release there.
inline void DragTo(QWidget& widget, QPoint from, QPoint to) {
    SendMouse(widget, QEvent::MouseButtonPress, from, Qt::LeftButton);
    SendMouse(widget, QEvent::MouseMove, to, Qt::LeftButton);
    SendMouse(widget, QEvent::MouseButtonRelease, to, Qt::NoButton);
}

}  // namespace vorlak
