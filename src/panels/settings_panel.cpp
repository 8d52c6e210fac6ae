// SPDX-License-Identifier: GPL-3.0-or-later
#include "panels/settings_panel.h"

#include <QPainter>

#include "controls/skin_image.h"
#include "controls/ui_font.h"

namespace vorlak {

SettingsPanel::SettingsPanel(const PanelContext& context, RecordPart part,
                             std::string_view background, QWidget* parent)
    : QWidget(parent), context_(context), part_(part), background_(background) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    const QImage image = LoadSkin(context.programFolder, background);
    setFixedSize(image.isNull() ? QSize(0, 0) : LayoutSize(image));
    hide();
}

void SettingsPanel::RefreshFromConfig() {
    update();
}

void SettingsPanel::OnRecordChange(const RecordChange& change) {
    if (Shows(change))
        update();
}

QFont SettingsPanel::PanelFont(int pixelHeight) const {
    return UiFont(context_.languageCode, pixelHeight);
}

void SettingsPanel::DrawImage(QPainter& painter, std::string_view name, int x, int y) const {
    DrawSkin(painter, context_.programFolder, name, x, y);
}

void SettingsPanel::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    DrawImage(painter, background_, 0, 0);
    PaintPanel(painter);
}

void DrawPanelText(QPainter& painter, const QRect& rect, int flags, const QString& text) {
    painter.save();
    painter.setFont(FitToWidth(painter.font(), text, rect.width()).font);
    painter.setPen(Qt::white);
    painter.drawText(rect, flags | Qt::TextSingleLine, text);
    painter.restore();
}

QString PanelText(const std::string& item) {
    return QString::fromStdString(item);
}

}  // namespace vorlak
