// SPDX-License-Identifier: GPL-3.0-or-later
// The wheel panel: lines per notch in a number field (digits only, 1 to 100, anything else
// becomes 1) with up and down arrows, or one screen per notch. The one-screen mode keeps the
// line count, and the field shows "0" in it without changing the count.
#pragma once

#include "panels/settings_panel.h"

class QLineEdit;

namespace vorlak {

class WheelPanel : public SettingsPanel {
    Q_OBJECT

public:
    static constexpr int kFieldId = 2035;

    WheelPanel(const PanelContext& context, QWidget* parent);

    // The field from the record (enabled with the line count, or disabled with "0" in
    // one-screen mode), then a repaint. Nothing is stored.
    void RefreshFromConfig() override;

    QLineEdit* Field() const { return field_; }
    static QRect LinesMark();
    static QRect ScreenMark();
    static QRect UpArrow();
    static QRect DownArrow();

protected:
    void PaintPanel(QPainter& painter) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    bool PageMode() const { return Record().wheelPageScroll != 0; }
    // Puts `lines` into the field as its text and takes it in as a typed text is taken.
    void ShowLines(int lines);
    // The field's rule: its text as a number of 1 to 100, else "1"; stored as the line count.
    void TakeFieldText();

    QLineEdit* field_;
    QFont font_;
};

}  // namespace vorlak
