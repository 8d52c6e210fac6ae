// SPDX-License-Identifier: GPL-3.0-or-later
#include "panels/dlg_dpi_setting.h"

#include <QMouseEvent>
#include <QPainter>

#include <algorithm>

#include "controls/edge_rect.h"
#include "controls/marker_slider.h"
#include "controls/skin_image.h"
#include "panels/stage_color_dialog.h"

namespace vorlak {
namespace {

constexpr int kFontHeight = 10;
constexpr int kFirstX = 35;
constexpr int kStageStep = 32;
constexpr int kWideBoxStage = 1;  // stage 2's value box is 33 pixels wide, the others 25

int StageX(int stage) {
    return kFirstX + kStageStep * stage;
}

std::size_t At(int stage) {
    return static_cast<std::size_t>(stage);
}

}  // namespace

QRect CDlgDPISetting::SliderRect(int stage) {
    const int x = StageX(stage);
    return EdgeRect(x, 3, x + 7, 172);
}

QRect CDlgDPISetting::ValueBox(int stage) {
    const int x = StageX(stage);
    return EdgeRect(x - 8, 182, stage == kWideBoxStage ? 92 : x + 17, 193);
}

QRect CDlgDPISetting::Toggle(int stage) {
    const int x = StageX(stage);
    return EdgeRect(x, 202, x + 10, 211);
}

QRect CDlgDPISetting::Swatch(int stage) {
    const int x = StageX(stage);
    return EdgeRect(x, 215, x + 10, 225);
}

CDlgDPISetting::CDlgDPISetting(const PanelContext& context, QWidget* parent)
    : CSettingsPanel(context, RecordPart::DpiStage, "Skins\\DPISetting\\BK_DPISetting.png", parent),
      font_(PanelFont(kFontHeight)) {
    const QImage track = SkinImage(context.programFolder, "\\skins\\DPISetting\\DPIStage\\0.png");
    const QImage fill = SkinImage(context.programFolder, "\\skins\\DPISetting\\DPIStage\\82.png");
    for (int stage = 0; stage < kStages; ++stage) {
        auto* slider = new CDMarkerV(this, SliderRect(stage));
        slider->SetRange(kMinDpiSliderCode, kMaxDpiSliderCode);
        slider->SetImages(QRect(QPoint(0, 0), SliderRect(stage).size()), track, fill);
        connect(slider, &CDMarker::MarkerPos, this,
                [this, stage](int position) { Editor().SetDpiCode(stage, position); });
        sliders_[At(stage)] = slider;
    }
    RefreshFromConfig();
}

void CDlgDPISetting::RefreshFromConfig() {
    for (int stage = 0; stage < kStages; ++stage) {
        Slider(stage)->SetPos(
            std::clamp<int>(Record().dpiLevel[At(stage)], kMinDpiSliderCode, kMaxDpiSliderCode));
    }
    update();
}

void CDlgDPISetting::PaintPanel(QPainter& painter) {
    painter.setFont(font_);
    for (int stage = 0; stage < kStages; ++stage) {
        const QRect box = ValueBox(stage);
        DrawImage(painter, "Skins\\DPISetting\\BK-DPIValue.png", box.left(), box.top());
        DrawPanelText(painter, box, Qt::AlignCenter,
                      QString::fromStdString(FormatDpiLabel(Record(), stage)));
        const QRect toggle = Toggle(stage);
        DrawImage(painter,
                  Record().dpiEnabled[At(stage)] != 0 ? "Skins\\Enable.png" : "Skins\\Disable.png",
                  toggle.left(), toggle.top());
        const auto& [red, green, blue] = Record().dpiColor[At(stage)];
        painter.fillRect(Swatch(stage), QColor(red, green, blue));
    }
}

void CDlgDPISetting::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton)
        return;
    const QPoint at = event->position().toPoint();
    for (int stage = 0; stage < kStages; ++stage) {
        if (Toggle(stage).contains(at))
            Editor().ToggleDpiEnabled(stage);
    }
    for (int stage = 0; stage < kStages; ++stage) {
        if (!Swatch(stage).contains(at) || Record().dpiEnabled[At(stage)] != 1)
            continue;
        const ColorChooser& choose =
            Context().chooseColor ? Context().chooseColor : ColorChooser(ChooseStageColor);
        if (const auto color = choose(this))
            Editor().SetDpiColor(stage, *color);
    }
}

}  // namespace vorlak
