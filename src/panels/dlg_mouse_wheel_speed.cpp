// SPDX-License-Identifier: GPL-3.0-or-later
#include "panels/dlg_mouse_wheel_speed.h"

#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QRegularExpressionValidator>

#include "controls/edge_rect.h"
#include "panels/wheel_lines.h"

namespace vorlak {
namespace {

constexpr int kFontHeight = 13;

}  // namespace

QRect CDlgMouseWheelSpeed::LinesMark() {
    return EdgeRect(5, 17, 16, 30);
}
QRect CDlgMouseWheelSpeed::ScreenMark() {
    return EdgeRect(5, 50, 16, 62);
}
QRect CDlgMouseWheelSpeed::UpArrow() {
    return EdgeRect(190, 15, 200, 21);
}
QRect CDlgMouseWheelSpeed::DownArrow() {
    return EdgeRect(190, 23, 200, 29);
}

CDlgMouseWheelSpeed::CDlgMouseWheelSpeed(const PanelContext& context, QWidget* parent)
    : CSettingsPanel(context, RecordPart::Pointer, "Skins\\MouseAttribute\\BK_ScrollSpeed.png",
                     parent),
      field_(new QLineEdit(this)),
      font_(PanelFont(kFontHeight)) {
    field_->setObjectName(QString::number(kFieldId));
    field_->setGeometry(EdgeRect(150, 15, 186, 29));
    field_->setFont(font_);
    field_->setAlignment(Qt::AlignCenter);
    field_->setFrame(false);
    field_->setValidator(new QRegularExpressionValidator(QRegularExpression("[0-9]*"), field_));
    // The field lies on its skin image: no background of its own, white digits.
    field_->setStyleSheet(
        "QLineEdit { background: transparent; color: white; selection-background-color: "
        "rgb(190, 36, 32); } QLineEdit:disabled { color: rgb(130, 130, 138); }");
    connect(field_, &QLineEdit::textEdited, this, &CDlgMouseWheelSpeed::TakeFieldText);
    RefreshFromConfig();
}

void CDlgMouseWheelSpeed::RefreshFromConfig() {
    field_->setEnabled(!PageMode());
    field_->setText(PageMode() ? QString("0") : QString::number(Record().wheelLines));
    update();
}

void CDlgMouseWheelSpeed::ShowLines(int lines) {
    field_->setText(QString::number(lines));
    TakeFieldText();
}

void CDlgMouseWheelSpeed::TakeFieldText() {
    const std::optional<int> lines = WheelLinesFromText(field_->text().toStdString());
    if (!lines)
        field_->setText(QString::number(kMinWheelLines));
    Editor().SetWheelLines(lines.value_or(kMinWheelLines));
}

void CDlgMouseWheelSpeed::mousePressEvent(QMouseEvent* event) {
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

void CDlgMouseWheelSpeed::PaintPanel(QPainter& painter) {
    const char* enable = "Skins\\MouseAttribute\\ScrollSpeed\\Enable.png";
    const char* disable = "Skins\\MouseAttribute\\ScrollSpeed\\Disable.png";
    DrawImage(painter, PageMode() ? disable : enable, LinesMark().left(), LinesMark().top());
    DrawImage(painter, PageMode() ? enable : disable, ScreenMark().left(), ScreenMark().top());
    painter.setFont(font_);
    const int flags = Qt::AlignLeft | Qt::AlignVCenter;
    // The first label ends where the number field begins, not under it.
    DrawPanelText(painter, EdgeRect(24, 14, 146, 30), flags, PanelText(Text().TxtNumberOfRows));
    DrawPanelText(painter, EdgeRect(24, 50, 156, 62), flags, PanelText(Text().TxtScrollOneScreen));
    DrawImage(painter, "Skins\\MouseAttribute\\ScrollSpeed\\ScrollLines.png", 150, 15);
}

}  // namespace vorlak
