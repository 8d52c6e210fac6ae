// SPDX-License-Identifier: GPL-3.0-or-later
#include "panels/dlg_lighting.h"

#include <QMouseEvent>
#include <QPainter>

#include "controls/edge_rect.h"
#include "controls/marker_slider.h"
#include "controls/skin_image.h"

namespace vorlak {
namespace {

constexpr int kFontHeight = 11;
constexpr int kRowStep = 29;
constexpr int kSliderLeft = 100;
constexpr int kModeFour = 4;
constexpr LightStep kSteps[] = {LightStep::Brightness, LightStep::BreathRate, LightStep::NeonRate};

struct ScaleLabel {
    const char* text;
    int left;
    int right;
};
// Positions 1 to 5 of each slider; 6 has no label. Edges from the slider's left edge.
constexpr ScaleLabel kScales[3][5] = {
    {{"0%", 0, 30}, {"25%", 25, 55}, {"50%", 55, 85}, {"75%", 85, 115}, {"100%", 115, 145}},
    {{"4S", 0, 30}, {"5S", 30, 60}, {"6S", 60, 90}, {"7S", 90, 120}, {"8S", 120, 150}},
    {{"3S", 0, 30}, {"6S", 30, 60}, {"9S", 60, 90}, {"12S", 90, 120}, {"15S", 120, 150}},
};

QRect SliderRect(int row) {
    return EdgeRect(kSliderLeft, 20 + kRowStep * row, 228, 28 + kRowStep * row);
}

int StoredStep(const MouseConfig& record, int row) {
    const Byte steps[] = {record.lightBrightness, record.lightBreathRate, record.lightNeonRate};
    const int step = steps[row];
    return step >= kMinStep && step <= kMaxLightStep ? step : kMinStep;
}

}  // namespace

QRect CDlgLighting::Mark(int row) {
    return EdgeRect(10, 20 + kRowStep * row, 20, 29 + kRowStep * row);
}

CDlgLighting::CDlgLighting(const PanelContext& context, QWidget* parent)
    : CSettingsPanel(context, RecordPart::Lighting, "Skins\\Lighting\\BK_Lighting.png", parent),
      font_(PanelFont(kFontHeight)) {
    const QImage track = SkinImage(context.programFolder, "\\skins\\StageSlider\\1.png");
    const QImage fill = SkinImage(context.programFolder, "\\skins\\StageSlider\\10.png");
    for (int row = 0; row < kModes; ++row) {
        auto* slider = new CDMarker(this, SliderRect(row));
        slider->SetRange(kMinStep, kMaxLightStep);
        slider->SetImages(EdgeRect(1, 0, 128, 11), track, fill);
        connect(slider, &CDMarker::MarkerPos, this,
                [this, row](int position) { Editor().SetLightStep(kSteps[row], position); });
        sliders_[static_cast<std::size_t>(row)] = slider;
    }
    RefreshFromConfig();
}

void CDlgLighting::OnRecordChange(const RecordChange& change) {
    if (Shows(change))
        RefreshFromConfig();
}

void CDlgLighting::RefreshFromConfig() {
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

void CDlgLighting::PaintPanel(QPainter& painter) {
    const int mode = Record().lightMode;
    const std::string* labels[] = {&Text().TxtStandard, &Text().TxtRespiration, &Text().TxtNeon};
    painter.setFont(font_);
    const int flags = Qt::AlignLeft | Qt::AlignVCenter;
    for (int row = 0; row < kModes; ++row) {
        const QRect mark = Mark(row);
        if (mode >= 1 && mode <= kModes) {
            DrawImage(painter, row + 1 == mode ? "Skins/Enable.png" : "Skins/Disable.png",
                      mark.left(), mark.top());
        }
        const int dy = kRowStep * row;
        DrawPanelText(painter, EdgeRect(25, 15 + dy, 90, 34 + dy), flags, PanelText(*labels[row]));
        const int top = 33 + dy;
        for (const ScaleLabel& label : kScales[row]) {
            DrawPanelText(
                painter,
                EdgeRect(kSliderLeft + label.left, top, kSliderLeft + label.right, top + 15), flags,
                label.text);
        }
    }
}

void CDlgLighting::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton)
        return;
    for (int row = 0; row < kModes; ++row) {
        if (Mark(row).contains(event->position().toPoint()))
            Editor().SetLightMode(row + 1);
    }
}

}  // namespace vorlak
