// SPDX-License-Identifier: GPL-3.0-or-later
// The polling-rate panel: a dial of four quarters, 1000 Hz upper right, 500 lower right, 250
// lower left and 125 upper left; a click on a quarter of the ring chooses its rate. The whole
// dial picture changes with the rate; a stored 0 is shown as 500 Hz and set to 2 when the panel
// first paints; a code without a picture (3 is 333 Hz) shows only the background.
#pragma once

#include "controls/pixel_geometry.h"
#include "panels/settings_panel.h"
#include "skin/polling_panel_layout.h"

namespace vorlak {

class PollingRatePanel : public SettingsPanel {
    Q_OBJECT

public:
    static constexpr QPoint kDialCentre = ToQPoint(layout::polling_panel::kDialCentre);

    PollingRatePanel(const PanelContext& context, QWidget* parent);

protected:
    void PaintPanel(QPainter& painter) override;
    void mousePressEvent(QMouseEvent* event) override;
};

}  // namespace vorlak
