// SPDX-License-Identifier: GPL-3.0-or-later
// The lighting panel: three modes (Standard, Respiration, Neon), each with its mark, its label
// and a slider of six steps (brightness, breathing speed, neon speed) with a scale under it.
// Only the selected mode's slider takes input; a record with mode 4 disables all three, one
// with mode 0 or any other value shows no mark and leaves the sliders as they were.
#pragma once

#include <array>

#include "panels/settings_panel.h"
#include "skin/lighting_panel_layout.h"

namespace vorlak {

class MarkerSlider;

class LightingPanel : public SettingsPanel {
    Q_OBJECT

public:
    static constexpr int kModes = layout::lighting_panel::kRows;

    LightingPanel(const PanelContext& context, QWidget* parent);

    // Shows the record's mode: for modes 1 to 3 only that mode's slider is usable, for mode 4
    // none; for these the sliders take their stored steps (one outside 1...6 at 1). Other
    // modes leave the sliders as they are. Then a repaint.
    void RefreshFromConfig() override;
    void OnRecordChange(const RecordChange& change) override;

    MarkerSlider* Slider(int row) const { return sliders_[static_cast<std::size_t>(row)]; }
    // The mode mark of row 0..2 (modes 1..3).
    static QRect Mark(int row);

protected:
    void PaintPanel(QPainter& painter) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    std::array<MarkerSlider*, kModes> sliders_{};
    QFont font_;
};

}  // namespace vorlak
