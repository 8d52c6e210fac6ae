// SPDX-License-Identifier: GPL-3.0-or-later
// The DPI panel: six stages side by side, each a vertical slider (codes 1 to 54), its DPI value,
// an on/off toggle and a swatch of its colour. Dragging a slider stores the code and switches
// the stage on; the toggle switches it; the swatch of a stage whose flag is exactly 1 opens the
// colour chooser. The seventh stage is never touched.
#pragma once

#include <array>

#include "panels/settings_panel.h"
#include "skin/dpi_panel_layout.h"

namespace vorlak {

class VerticalMarkerSlider;

class DpiPanel : public SettingsPanel {
    Q_OBJECT

public:
    static constexpr int kStages = layout::dpi_panel::kStages;

    DpiPanel(const PanelContext& context, QWidget* parent);

    // Slider positions from the record: the code limited to 1...54; then a repaint.
    void RefreshFromConfig() override;

    VerticalMarkerSlider* Slider(int stage) const {
        return sliders_[static_cast<std::size_t>(stage)];
    }
    // The elements of stage 0..5 in the panel's coordinates.
    static QRect SliderRect(int stage);
    static QRect ValueBox(int stage);
    static QRect Toggle(int stage);
    static QRect Swatch(int stage);

protected:
    void PaintPanel(QPainter& painter) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    std::array<VerticalMarkerSlider*, kStages> sliders_{};
    QFont font_;
};

}  // namespace vorlak
