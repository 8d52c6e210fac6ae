// SPDX-License-Identifier: GPL-3.0-or-later
#include "controls/skinned_dialog.h"

#include <QMouseEvent>
#include <QPainter>

#include "controls/pixel_geometry.h"
#include "controls/skin_image.h"

namespace vorlak {

template <class Window>
Skinned<Window>::Skinned(std::filesystem::path programFolder, const SkinnedLook& look,
                         QWidget* parent, Qt::WindowFlags flags)
    : Window(parent, flags),
      programFolder_(std::move(programFolder)),
      background_(ReadSkin(programFolder_, look.background)),
      fallbackColor_(look.fallbackColor),
      movable_(look.movable) {
    this->setMouseTracking(true);
    this->setAttribute(Qt::WA_OpaquePaintEvent);
    this->setFixedSize(background_.isNull() ? ToQSize(look.fallbackSize) : LayoutSize(background_));
}

template <class Window>
void Skinned<Window>::SetButtons(std::initializer_list<layout::PaintedButtonLayout> buttons) {
    buttons_.clear();
    for (const layout::PaintedButtonLayout& button : buttons)
        buttons_.push_back(ButtonFromLayout(button));
}

template <class Window>
void Skinned<Window>::SetCaption(int button, const QString& caption) {
    buttons_[static_cast<std::size_t>(button)].caption = caption;
}

template <class Window>
FittedFont Skinned<Window>::CaptionFont(int button) const {
    return FitButtonCaption(programFolder_, ButtonOf(button), captionFont_);
}

template <class Window>
void Skinned<Window>::PaintBackground(QPainter& painter) const {
    if (background_.isNull())
        painter.fillRect(this->rect(), fallbackColor_);
    else
        painter.drawImage(0, 0, background_);
}

template <class Window>
void Skinned<Window>::PaintButtons(QPainter& painter) const {
    for (std::size_t i = 0; i < buttons_.size(); ++i)
        PaintButton(painter, programFolder_, buttons_[i], captionFont_,
                    hovered_ == static_cast<int>(i));
}

template <class Window>
void Skinned<Window>::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton)
        return;
    const QPoint at = event->position().toPoint();
    if (!Pressed(at, ButtonAt(buttons_, at)) && movable_)
        mover_.Pressed(*event);
}

template <class Window>
void Skinned<Window>::mouseMoveEvent(QMouseEvent* event) {
    if (mover_.Moved(*this, *event))
        return;
    SetHovered(ButtonAt(buttons_, event->position().toPoint()));
}

template <class Window>
void Skinned<Window>::mouseReleaseEvent(QMouseEvent*) {
    mover_.Released();
}

template <class Window>
void Skinned<Window>::leaveEvent(QEvent*) {
    SetHovered(-1);
}

// The buttons whose look changes are painted again at once.
template <class Window>
void Skinned<Window>::SetHovered(int button) {
    const int before = hovered_;
    if (button == before)
        return;
    hovered_ = button;
    for (int changed : {before, button}) {
        if (changed >= 0)
            this->repaint(ButtonOf(changed).rect);
    }
}

template class Skinned<QDialog>;
template class Skinned<QWidget>;

}  // namespace vorlak
