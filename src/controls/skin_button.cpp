// SPDX-License-Identifier: GPL-3.0-or-later
#include "controls/skin_button.h"

#include <QEnterEvent>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QMouseEvent>
#include <QPainter>

#include "controls/skin_image.h"

namespace vorlak {

namespace {

constexpr int kCaptionLeft = 5;
constexpr int kCaptionWeight = 550;

}  // namespace

SkinButton::SkinButton(QWidget* parent) : QAbstractButton(parent) {
    setFocusPolicy(Qt::NoFocus);
    setMouseTracking(true);
}

void SkinButton::LoadBitmaps(const QRect& source, const QImage& normal, const QImage& hover,
                             const QImage& pressed, const QImage& disabled) {
    bitmaps_ = {CutSkinBitmap(normal, source), CutSkinBitmap(hover, source),
                CutSkinBitmap(pressed, source), CutSkinBitmap(disabled, source)};
    update();
}

void SkinButton::SetAlignment(Alignment alignment) {
    alignment_ = alignment;
    update();
}

void SkinButton::SetIndent(int pixels) {
    indent_ = pixels;
    update();
}

void SkinButton::SetCaptionRightMargin(int pixels) {
    rightMargin_ = pixels;
    update();
}

void SkinButton::SetFontHeight(int pixels) {
    fontHeight_ = pixels;
    update();
}

void SkinButton::SetFontFace(const QString& face) {
    fontFace_ = face;
    update();
}

void SkinButton::SetTextColor(const QColor& color) {
    textColor_ = color;
    update();
}

void SkinButton::SetHoverTextColor(const QColor& color) {
    hoverTextColor_ = color;
    update();
}

void SkinButton::SetDisabledTextColor(const QColor& color) {
    disabledTextColor_ = color;
    update();
}

void SkinButton::SetPressedTextColor(const QColor& color) {
    pressedTextColor_ = color;
    update();
}

void SkinButton::SetChecked(bool checked) {
    checked_ = checked;
    update();
}

SkinButton::State SkinButton::VisibleState() const {
    if (!isEnabled())
        return State::Disabled;
    if (checked_ || isDown())
        return State::Pressed;
    return hovered_ ? State::Hover : State::Normal;
}

FittedFont SkinButton::CaptionFont() const {
    QFont font;
    if (!fontFace_.isEmpty())
        font.setFamily(fontFace_);
    font.setStyleHint(QFont::TypeWriter);
    font.setPixelSize(fontHeight_);
    font.setWeight(static_cast<QFont::Weight>(kCaptionWeight));
    return FitToWidth(font, text(), CaptionArea().width());
}

QColor SkinButton::CaptionColor() const {
    if (hovered_)
        return hoverTextColor_;
    if (!isEnabled())
        return disabledTextColor_;
    return checked_ || isDown() ? pressedTextColor_ : textColor_;
}

QSize SkinButton::sizeHint() const {
    return LayoutSize(Bitmap(State::Normal));
}

void SkinButton::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QImage& bitmap = Bitmap(VisibleState());
    if (!bitmap.isNull())
        painter.drawImage(0, 0, bitmap);
    if (!text().isEmpty())
        PaintCaption(painter);
}

QRect SkinButton::CaptionArea() const {
    QRect area = rect();
    area.setLeft(kCaptionLeft + (alignment_ == Alignment::Left && indent_ >= 1 ? indent_ : 0));
    area.setRight(area.right() - rightMargin_);
    return area;
}

void SkinButton::PaintCaption(QPainter& painter) const {
    painter.setFont(CaptionFont().font);
    painter.setPen(CaptionColor());
    const int across = alignment_ == Alignment::Left ? Qt::AlignLeft : Qt::AlignHCenter;
    painter.drawText(CaptionArea(), Qt::TextSingleLine | Qt::AlignVCenter | across, text());
}

void SkinButton::SetHovered(bool hovered) {
    if (hovered_ == hovered)
        return;
    hovered_ = hovered;
    update();
}

void SkinButton::enterEvent(QEnterEvent* event) {
    QAbstractButton::enterEvent(event);
    // A drag that started elsewhere does not light the button up.
    if (!(QGuiApplication::mouseButtons() & Qt::LeftButton))
        SetHovered(event->position().x() >= hoverThreshold_);
}

void SkinButton::leaveEvent(QEvent* event) {
    QAbstractButton::leaveEvent(event);
    SetHovered(false);
}

void SkinButton::mouseMoveEvent(QMouseEvent* event) {
    QAbstractButton::mouseMoveEvent(event);
    if (!(event->buttons() & Qt::LeftButton) || hovered_) {
        const QPoint at = event->position().toPoint();
        SetHovered(rect().contains(at) && at.x() >= hoverThreshold_);
    }
    // The parent sees every move as well.
    event->ignore();
}

void SkinButton::mousePressEvent(QMouseEvent* event) {
    if (!window()->isActiveWindow())
        window()->activateWindow();
    QAbstractButton::mousePressEvent(event);
}

}  // namespace vorlak
