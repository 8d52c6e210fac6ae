// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/main_window_painting.h"

#include <QPainter>

#include <array>
#include <string>

#include "controls/pixel_geometry.h"
#include "controls/skin_image.h"
#include "record/mouse_config.h"
#include "skin/skin_names.h"
#include "text/ui_text.h"

namespace vorlak {
namespace {

QString Q(const std::string& text) {
    return QString::fromStdString(text);
}

void PaintMouse(QPainter& painter, const MainWindowScene& scene) {
    const MousePicture picture = PictureOf(scene.view);
    DrawSkinImage(painter, scene.programFolder, picture.image, picture.position.x,
                  picture.position.y);
    const int lit = OverlayOfEntry(scene.highlighted);
    for (int n = 1; n <= 7; ++n) {
        const PixelPoint at = OverlayPosition(scene.view, n);
        DrawSkinImage(painter, scene.programFolder, OverlayImage(scene.view, n, n == lit), at.x,
                      at.y);
    }
}

void PaintAssignmentSection(QPainter& painter, const MainWindowScene& scene) {
    const UiTextTable& text = scene.text;
    DrawSkin(painter, scene.programFolder, skin::kAssignmentPanel, kAssignmentPanelAt.x,
             kAssignmentPanelAt.y);
    const std::array<const std::string*, 7> captions = {
        &text.TxtButton1, &text.TxtButton2, &text.TxtButton3, &text.TxtButton4,
        &text.TxtButton5, &text.TxtButton6, &text.TxtButton7};
    for (int k = 0; k < kEntryCount; ++k) {
        const QString caption =
            k < 7 ? Q(*captions[static_cast<std::size_t>(k)]) : QString("Shift+%1").arg(k - 6);
        painter.drawText(ToQRect(CaptionRect(k)), Qt::AlignCenter | Qt::TextSingleLine, caption);
    }
}

void PaintAxisSection(QPainter& painter, const MainWindowScene& scene) {
    const PixelRect header =
        LayOutSections(scene.assignmentCollapsed, false, scene.sectionHeight).axisHeader;
    DrawSkin(painter, scene.programFolder, skin::kAxisPanel, header.left, header.bottom);
    const int flags = Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine;
    painter.drawText(ToQRect(AxisLabelRect(header, 0)), flags, Q(scene.text.TxtXAxis));
    painter.drawText(ToQRect(AxisLabelRect(header, 1)), flags, Q(scene.text.TxtYAxis));
    for (int i = 1; i <= 10; ++i) {
        for (int row : {0, 1})
            painter.drawText(ToQRect(AxisNumberRect(header, row, i)), flags, QString::number(i));
    }
}

}  // namespace

void PaintMainWindow(QPainter& painter, const MainWindowScene& scene) {
    const std::filesystem::path& folder = scene.programFolder;
    painter.drawImage(0, 0, scene.background);
    DrawSkin(painter, folder, skin::kMainMid, kMouseArea.left, kMouseArea.top);
    PaintMouse(painter, scene);
    painter.setFont(scene.captionFont);
    painter.setPen(Qt::white);
    DrawSkin(painter, folder, skin::kMainLeft, 0, 0);
    DrawSkin(painter, folder, skin::kMouseLogo, kMouseLogoAt.x, kMouseLogoAt.y);
    DrawSkin(painter, folder, skin::kLogo, kLogoAt.x, kLogoAt.y);
    if (!scene.assignmentCollapsed)
        PaintAssignmentSection(painter, scene);
    if (!scene.axisCollapsed)
        PaintAxisSection(painter, scene);
    painter.drawText(QPoint(kColorNotePos.x, kColorNotePos.y + painter.fontMetrics().ascent()),
                     Q(scene.text.TxtColorNote));
}

}  // namespace vorlak
