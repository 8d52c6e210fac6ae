// SPDX-License-Identifier: GPL-3.0-or-later
#include "panels/wheel_panel.h"

#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QRegularExpressionValidator>

#include "controls/pixel_geometry.h"
#include "panels/wheel_lines.h"
#include "skin/wheel_panel_layout.h"

namespace vorlak {
namespace {

namespace wheel = layout::wheel_panel;

}  // namespace

QRect WheelPanel::LinesMark() {
    return ToQRect(wheel::kLinesMark);
}
QRect WheelPanel::ScreenMark() {
    return ToQRect(wheel::kScreenMark);
}
QRect WheelPanel::UpArrow() {
    return ToQRect(wheel::kUpArrow);
}
QRect WheelPanel::DownArrow() {
    return ToQRect(wheel::kDownArrow);
}

WheelPanel::WheelPanel(const PanelContext& context, QWidget* parent)
    : SettingsPanel(context, RecordPart::Pointer, skin::kWheelPanel, parent),
      field_(new QLineEdit(this)),
      font_(PanelFont(wheel::kFontHeight)) {
    field_->setObjectName(QString::number(kFieldId));
    field_->setGeometry(ToQRect(wheel::kLinesField));
    field_->setFont(font_);
    field_->setAlignment(Qt::AlignCenter);
    field_->setFrame(false);
    field_->setValidator(new QRegularExpressionValidator(QRegularExpression("[0-9]*"), field_));
    // The field lies on its skin image: no background of its own, white digits.
    field_->setStyleSheet(
        "QLineEdit { background: transparent; color: white; selection-background-color: "
        "rgb(190, 36, 32); } QLineEdit:disabled { color: rgb(130, 130, 138); }");
    connect(field_, &QLineEdit::textEdited, this, &WheelPanel::TakeFieldText);
    RefreshFromConfig();
}

void WheelPanel::RefreshFromConfig() {
    field_->setEnabled(!PageMode());
    field_->setText(PageMode() ? QString("0") : QString::number(Record().wheelLines));
    update();
}

void WheelPanel::ShowLines(int lines) {
    field_->setText(QString::number(lines));
    TakeFieldText();
}

void WheelPanel::TakeFieldText() {
    const std::optional<int> lines = WheelLinesFromText(field_->text().toStdString());
    if (!lines)
        field_->setText(QString::number(kMinWheelLines));
    Editor().SetWheelLines(lines.value_or(kMinWheelLines));
}

void WheelPanel::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton)
        return;
    const QPoint at = event->position().toPoint();
    if (UpArrow().contains(at) && !PageMode())
        ShowLines(WheelLinesUp(Record().wheelLines));
    if (DownArrow().contains(at) && !PageMode())
        ShowLines(WheelLinesDown(Record().wheelLines));
    if (LinesMark().contains(at)) {
        Editor().SetWheelPageScroll(false);
        field_->setEnabled(true);
        ShowLines(Record().wheelLines);
    }
    if (ScreenMark().contains(at)) {
        field_->setEnabled(false);
        Editor().SetWheelPageScroll(true);
    }
    update();
}

void WheelPanel::PaintPanel(QPainter& painter) {
    const std::string_view on = skin::kWheelMarkOn;
    const std::string_view off = skin::kWheelMarkOff;
    DrawImage(painter, PageMode() ? off : on, LinesMark().left(), LinesMark().top());
    DrawImage(painter, PageMode() ? on : off, ScreenMark().left(), ScreenMark().top());
    painter.setFont(font_);
    const int flags = Qt::AlignLeft | Qt::AlignVCenter;
    DrawPanelText(painter, ToQRect(wheel::kLinesLabel), flags, PanelText(Text().TxtNumberOfRows));
    DrawPanelText(painter, ToQRect(wheel::kScreenLabel), flags,
                  PanelText(Text().TxtScrollOneScreen));
    DrawImage(painter, skin::kWheelLinesField, wheel::kLinesField.left, wheel::kLinesField.top);
}

}  // namespace vorlak
