// SPDX-License-Identifier: GPL-3.0-or-later
// The skinned image button: four state bitmaps cut from skin images and an optional caption.
#pragma once

#include <QAbstractButton>
#include <QColor>
#include <QImage>
#include <QString>

#include <array>

#include "controls/ui_font.h"

namespace vorlak {

class SkinButton : public QAbstractButton {
    Q_OBJECT

public:
    enum class State { Normal, Hover, Pressed, Disabled };
    enum class Alignment { Centred = 0, Left = 1 };

    static constexpr QColor kDefaultTextColor{253, 253, 253};

    explicit SkinButton(QWidget* parent = nullptr);

    // Cuts `source` out of each image into the bitmap of its state (normal, hover,
    // pressed/checked, disabled). A null image leaves that state without a bitmap.
    void LoadBitmaps(const QRect& source, const QImage& normal, const QImage& hover,
                     const QImage& pressed, const QImage& disabled);
    const QImage& Bitmap(State state) const { return bitmaps_[static_cast<size_t>(state)]; }

    void SetText(const QString& caption) { setText(caption); }

    void SetAlignment(Alignment alignment);
    void SetIndent(int pixels);
    // The caption ends this many pixels before the right edge (0 by default).
    void SetCaptionRightMargin(int pixels);
    void SetFontHeight(int pixels);
    void SetFontFace(const QString& face);
    void SetTextColor(const QColor& color);
    void SetHoverTextColor(const QColor& color);
    void SetDisabledTextColor(const QColor& color);
    void SetPressedTextColor(const QColor& color);

    // The owner's checked mark: shows the pressed bitmap while the button is not pressed.
    // Clicks never change it (Qt's own checkable state is not used).
    void SetChecked(bool checked);
    bool Checked() const { return checked_; }

    // The pointer counts as over the button only from this x (client pixels) on.
    void SetHoverThreshold(int x) { hoverThreshold_ = x; }
    bool Hovered() const { return hovered_; }

    // The state whose bitmap the next paint shows.
    State VisibleState() const;
    // The caption's font: the button's face and weight at the size that fits its caption to
    // the room beside the indent, down to the legible floor.
    FittedFont CaptionFont() const;
    QColor CaptionColor() const;

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    void SetHovered(bool hovered);
    void PaintCaption(QPainter& painter) const;
    QRect CaptionArea() const;

    std::array<QImage, 4> bitmaps_;
    Alignment alignment_ = Alignment::Left;
    int indent_ = 0;
    int rightMargin_ = 0;
    int fontHeight_ = 14;
    QString fontFace_;
    QColor textColor_ = kDefaultTextColor;
    QColor hoverTextColor_ = kDefaultTextColor;
    QColor disabledTextColor_ = kDefaultTextColor;
    QColor pressedTextColor_ = kDefaultTextColor;
    bool hovered_ = false;
    bool checked_ = false;
    int hoverThreshold_ = 0;
};

}  // namespace vorlak
