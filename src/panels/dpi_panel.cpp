// SPDX-License-Identifier: GPL-3.0-or-later
#include "panels/dpi_panel.h"

#include <QMouseEvent>
#include <QPainter>

#include <algorithm>

#include "controls/marker_slider.h"
#include "controls/pixel_geometry.h"
#include "controls/skin_image.h"
#include "controls/stage_color_chooser.h"
#include "skin/dpi_panel_layout.h"

namespace vorlak {
namespace {

namespace dpi = layout::dpi_panel;

std::size_t At(int stage) {
    return static_cast<std::size_t>(stage);
}

}  // namespace

QRect DpiPanel::SliderRect(int stage) {
    return ToQRect(dpi::SliderRect(stage));
}

QRect DpiPanel::ValueBox(int stage) {
    return ToQRect(dpi::ValueBox(stage));
}

QRect DpiPanel::Toggle(int stage) {
    return ToQRect(dpi::Toggle(stage));
}

QRect DpiPanel::Swatch(int stage) {
    return ToQRect(dpi::Swatch(stage));
}

DpiPanel::DpiPanel(const PanelContext& context, QWidget* parent)
    : SettingsPanel(context, RecordPart::DpiStage, skin::kDpiPanel, parent),
      font_(PanelFont(dpi::kFontHeight)) {
    const QImage track = LoadSkin(context.programFolder, skin::kDpiSliderTrack);
    const QImage fill = LoadSkin(context.programFolder, skin::kDpiSliderFill);
    for (int stage = 0; stage < kStages; ++stage) {
        auto* slider = new VerticalMarkerSlider(this, SliderRect(stage));
        slider->SetRange(kMinDpiSliderCode, kMaxDpiSliderCode);
        slider->SetImages(QRect(QPoint(0, 0), SliderRect(stage).size()), track, fill);
        connect(slider, &MarkerSlider::MarkerPos, this,
                [this, stage](int position) { Editor().SetDpiCode(stage, position); });
        sliders_[At(stage)] = slider;
    }
    RefreshFromConfig();
}

void DpiPanel::RefreshFromConfig() {
    for (int stage = 0; stage < kStages; ++stage) {
        Slider(stage)->SetPos(
            std::clamp<int>(Record().dpiLevel[At(stage)], kMinDpiSliderCode, kMaxDpiSliderCode));
    }
    update();
}

void DpiPanel::PaintPanel(QPainter& painter) {
    painter.setFont(font_);
    for (int stage = 0; stage < kStages; ++stage) {
        const QRect box = ValueBox(stage);
        DrawImage(painter, skin::kDpiValueBox, box.left(), box.top());
        DrawPanelText(painter, box, Qt::AlignCenter,
                      QString::fromStdString(FormatDpiLabel(Record(), stage)));
        const QRect toggle = Toggle(stage);
        DrawImage(painter,
                  Record().dpiEnabled[At(stage)] != 0 ? skin::kEnabledMark : skin::kDisabledMark,
                  toggle.left(), toggle.top());
        const auto& [red, green, blue] = Record().dpiColor[At(stage)];
        painter.fillRect(Swatch(stage), QColor(red, green, blue));
    }
}

void DpiPanel::mousePressEvent(QMouseEvent* event) {
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
