// SPDX-License-Identifier: GPL-3.0-or-later
#include "panels/polling_rate_panel.h"

#include <QMouseEvent>
#include <QPainter>

#include "controls/skin_image.h"
#include "panels/polling_ring.h"
#include "skin/polling_panel_layout.h"

namespace vorlak {
namespace {

namespace polling = layout::polling_panel;

}  // namespace

PollingRatePanel::PollingRatePanel(const PanelContext& context, QWidget* parent)
    : SettingsPanel(context, RecordPart::Polling, skin::kPollingPanel, parent) {}

void PollingRatePanel::PaintPanel(QPainter& painter) {
    int code = Record().pollingDivisor;
    if (code == 0) {
        code = kDefaultPollingCode;
        Editor().SetPollingDivisor(code);
    }
    DrawSkinImage(painter, Context().programFolder, PollingRateImage(code), polling::kDial.left,
                  polling::kDial.top);
}

void PollingRatePanel::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton)
        return;
    const QPoint from = event->position().toPoint() - kDialCentre;
    if (const auto code = PollingCodeAt(from.x(), from.y()))
        Editor().SetPollingDivisor(*code);
}

}  // namespace vorlak
