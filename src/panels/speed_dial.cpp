// SPDX-License-Identifier: GPL-3.0-or-later
#include "panels/speed_dial.h"

#include <QMouseEvent>
#include <QPainter>

#include <string>

#include "common/diagnostics.h"
#include "controls/pixel_geometry.h"
#include "panels/dial_rule.h"
#include "skin/speed_dial_layout.h"

namespace vorlak {
namespace {

namespace dial = layout::speed_dial;

}  // namespace

SpeedDial::SpeedDial(const PanelContext& context, Byte MouseConfig::*field,
                     EditResult (RecordEditor::*store)(int), QWidget* parent)
    : SettingsPanel(context, RecordPart::Pointer, skin::kPointerPanel, parent),
      field_(field),
      store_(store),
      font_(PanelFont(dial::kFontHeight)) {}

void SpeedDial::PaintPanel(QPainter& painter) {
    DrawImage(painter, skin::SpeedDial(Record().*field_), dial::kDial.left, dial::kDial.top);
    painter.setFont(font_);
    DrawPanelText(painter, ToQRect(dial::kSlowRect), Qt::AlignRight | Qt::AlignVCenter,
                  PanelText(Text().TxtSlow));
    DrawPanelText(painter, ToQRect(dial::kFastRect), Qt::AlignLeft | Qt::AlignVCenter,
                  PanelText(Text().TxtFast));
}

void SpeedDial::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton)
        return;
    const QPoint from = event->position().toPoint() - kCentre;
    const DialClick click = DialClickAt(from.x(), from.y(), Record().*field_);
    if (click.ignored)
        return;
    if (click.onRing)
        OnRingClick(click.angle);
    (Editor().*store_)(click.step);
}

void SpeedDial::OnRingClick(double) {}

PointerSpeedPanel::PointerSpeedPanel(const PanelContext& context, QWidget* parent)
    : SpeedDial(context, &MouseConfig::pointerSpeed, &RecordEditor::SetPointerSpeed, parent) {}

DoubleClickPanel::DoubleClickPanel(const PanelContext& context, QWidget* parent)
    : SpeedDial(context, &MouseConfig::doubleClickStep, &RecordEditor::SetDoubleClickStep, parent) {
}

void DoubleClickPanel::OnRingClick(double angle) {
    Diagnostic("angle/18:angle=%f,angle/18=%d\n", angle, static_cast<int>(angle / 18));
}

}  // namespace vorlak
