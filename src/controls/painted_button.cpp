#include "controls/painted_button.h"

#include <QPainter>

#include "controls/skin_image.h"

namespace vorlak {

void PaintButton(QPainter& painter, const std::filesystem::path& programFolder,
                 const PaintedButton& button, bool hovered) {
    DrawSkinImage(painter, programFolder, hovered ? button.hoverImage : button.normalImage,
                  button.rect.x(), button.rect.y());
    if (!button.caption.isEmpty())
        painter.drawText(button.rect, Qt::AlignCenter | Qt::TextSingleLine, button.caption);
}

int ButtonAt(std::span<const PaintedButton> buttons, const QPoint& point) {
    for (std::size_t i = 0; i < buttons.size(); ++i) {
        if (buttons[i].rect.contains(point))
            return static_cast<int>(i);
    }
    return -1;
}

}  // namespace vorlak
