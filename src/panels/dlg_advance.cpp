#include "panels/dlg_advance.h"

#include <QPainter>

#include "controls/skin_image.h"

namespace vorlak {

CDlgadvance::CDlgadvance(const std::filesystem::path& programFolder, QWidget* parent)
    : QWidget(parent), background_(SkinImage(programFolder, "Skins\\BK_MainRight.png")) {
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void CDlgadvance::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), QColor(20, 20, 22));
    painter.drawImage(0, 0, background_);
}

}  // namespace vorlak
