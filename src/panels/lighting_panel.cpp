// SPDX-License-Identifier: GPL-3.0-or-later
#include "panels/lighting_panel.h"

#include <QMouseEvent>
#include <QPainter>

#include "controls/marker_slider.h"
#include "controls/pixel_geometry.h"
#include "controls/skin_image.h"
#include "skin/lighting_panel_layout.h"

namespace vorlak {
namespace {

namespace lighting = layout::lighting_panel;

constexpr int kModeFour = 4;
constexpr LightStep kSteps[] = {LightStep::Brightness, LightStep::BreathRate, LightStep::NeonRate};

int StoredStep(const MouseConfig& record, int row) {
    const Byte steps[] = {record.lightBrightness, record.lightBreathRate, record.lightNeonRate};
    const int step = steps[row];
    return step >= kMinStep && step <= kMaxLightStep ? step : kMinStep;
}

}  // namespace

QRect LightingPanel::Mark(int row) {
    return ToQRect(lighting::Mark(row));
}

LightingPanel::LightingPanel(const PanelContext& context, QWidget* parent)
    : SettingsPanel(context, RecordPart::Lighting, skin::kLightingPanel, parent),
      font_(PanelFont(lighting::kFontHeight)) {
    const QImage track = LoadSkin(context.programFolder, skin::kStageSliderTrack);
    const QImage fill = LoadSkin(context.programFolder, skin::kStageSliderFill);
    for (int row = 0; row < kModes; ++row) {
        auto* slider = new MarkerSlider(this, ToQRect(lighting::SliderRect(row)));
        slider->SetRange(kMinStep, kMaxLightStep);
        slider->SetImages(ToQRect(lighting::kSliderImageCut), track, fill);
        connect(slider, &MarkerSlider::MarkerPos, this,
                [this, row](int position) { Editor().SetLightStep(kSteps[row], position); });
        sliders_[static_cast<std::size_t>(row)] = slider;
    }
    RefreshFromConfig();
}

void LightingPanel::OnRecordChange(const RecordChange& change) {
    if (Shows(change))
        RefreshFromConfig();
}

void LightingPanel::RefreshFromConfig() {
    const int mode = Record().lightMode;
    const bool known = mode >= 1 && mode <= kModes;
    if (known || mode == kModeFour) {
        for (int row = 0; row < kModes; ++row) {
            Slider(row)->setEnabled(row + 1 == mode);
            Slider(row)->SetPos(StoredStep(Record(), row));
        }
    }
    update();
}

void LightingPanel::PaintPanel(QPainter& painter) {
    const int mode = Record().lightMode;
    const std::string* labels[] = {&Text().TxtStandard, &Text().TxtRespiration, &Text().TxtNeon};
    painter.setFont(font_);
    const int flags = Qt::AlignLeft | Qt::AlignVCenter;
    for (int row = 0; row < kModes; ++row) {
        const QRect mark = Mark(row);
        if (mode >= 1 && mode <= kModes) {
            DrawImage(painter, row + 1 == mode ? skin::kEnabledMark : skin::kDisabledMark,
                      mark.left(), mark.top());
        }
        DrawPanelText(painter, ToQRect(lighting::LabelRect(row)), flags, PanelText(*labels[row]));
        for (const lighting::ScaleLabel& label : lighting::kScales[row])
            DrawPanelText(painter, ToQRect(lighting::ScaleRect(row, label)), flags, label.text);
    }
}

void LightingPanel::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton)
        return;
    for (int row = 0; row < kModes; ++row) {
        if (Mark(row).contains(event->position().toPoint()))
            Editor().SetLightMode(row + 1);
    }
}

}  // namespace vorlak
