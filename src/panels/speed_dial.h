// SPDX-License-Identifier: GPL-3.0-or-later
// The two half-circle dials of 11 steps: the pointer speed and the double-click speed. A click
// on the upper half ring chooses a step by its angle; elsewhere in the upper half it keeps the
// stored step but brings it into 1...11; a click below the centre does nothing at all.
#pragma once

#include "controls/pixel_geometry.h"
#include "panels/settings_panel.h"
#include "skin/speed_dial_layout.h"

namespace vorlak {

class SpeedDial : public SettingsPanel {
    Q_OBJECT

public:
    static constexpr QPoint kCentre = ToQPoint(layout::speed_dial::kCentre);

protected:
    // `field` is the record's step the dial shows; `store` the editor's operation for it.
    SpeedDial(const PanelContext& context, Byte MouseConfig::*field,
              EditResult (RecordEditor::*store)(int), QWidget* parent);

    void PaintPanel(QPainter& painter) override;
    void mousePressEvent(QMouseEvent* event) override;
    // Called for every click on the ring with its angle.
    virtual void OnRingClick(double angle);

private:
    Byte MouseConfig::*field_;
    EditResult (RecordEditor::*store_)(int);
    QFont font_;
};

// The desktop's pointer speed (the record's pointerSpeed).
class PointerSpeedPanel : public SpeedDial {
    Q_OBJECT

public:
    PointerSpeedPanel(const PanelContext& context, QWidget* parent);
};

// The desktop's double-click time (the record's doubleClickStep); it traces each ring click's
// angle on the diagnostic channel.
class DoubleClickPanel : public SpeedDial {
    Q_OBJECT

public:
    DoubleClickPanel(const PanelContext& context, QWidget* parent);

protected:
    void OnRingClick(double angle) override;
};

}  // namespace vorlak
