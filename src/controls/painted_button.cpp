// SPDX-License-Identifier: GPL-3.0-or-later
#include "controls/painted_button.h"

#include <QPainter>

#include "controls/pixel_geometry.h"
#include "controls/skin_image.h"
#include "controls/ui_font.h"

namespace vorlak {
namespace {

constexpr int kCaptionMargin = 4;

// The caption sits on the picture where the picture is narrower than the region; the normal
// and the hover picture have one size.
QRect CaptionFace(const std::filesystem::path& programFolder, const PaintedButton& button) {
    const QImage picture = LoadSkin(programFolder, button.normalImage);
    return picture.isNull() ? button.rect
                            : button.rect & QRect(button.rect.topLeft(), LayoutSize(picture));
}

}  // namespace

FittedFont FitButtonCaption(const std::filesystem::path& programFolder, const PaintedButton& button,
                            const QFont& font) {
    return FitToWidth(font, button.caption,
                      CaptionFace(programFolder, button).width() - kCaptionMargin);
}

void PaintButton(QPainter& painter, const std::filesystem::path& programFolder,
                 const PaintedButton& button, const QFont& font, bool hovered) {
    const std::string_view image = hovered ? button.hoverImage : button.normalImage;
    DrawSkin(painter, programFolder, image, button.rect.x(), button.rect.y());
    if (button.caption.isEmpty())
        return;
    painter.save();
    painter.setFont(FitButtonCaption(programFolder, button, font).font);
    painter.drawText(CaptionFace(programFolder, button), Qt::AlignCenter | Qt::TextSingleLine,
                     button.caption);
    painter.restore();
}

PaintedButton ButtonFromLayout(const layout::PaintedButtonLayout& button) {
    return {ToQRect(button.rect), button.normal, button.hover, {}};
}

int ButtonAt(std::span<const PaintedButton> buttons, const QPoint& point) {
    for (std::size_t i = 0; i < buttons.size(); ++i) {
        if (buttons[i].rect.contains(point))
            return static_cast<int>(i);
    }
    return -1;
}

}  // namespace vorlak
