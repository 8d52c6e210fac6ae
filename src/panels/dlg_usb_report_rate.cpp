// SPDX-License-Identifier: GPL-3.0-or-later
#include "panels/dlg_usb_report_rate.h"

#include <QMouseEvent>
#include <QPainter>

#include "panels/polling_ring.h"

namespace vorlak {

CDlgUSBReportRate::CDlgUSBReportRate(const PanelContext& context, QWidget* parent)
    : CSettingsPanel(context, RecordPart::Polling, "Skins\\USBReportRate\\BK_USBReportRate.png",
                     parent) {}

void CDlgUSBReportRate::PaintPanel(QPainter& painter) {
    int code = Record().pollingDivisor;
    if (code == 0) {
        code = kDefaultPollingCode;
        Editor().SetPollingDivisor(code);
    }
    DrawImage(painter, PollingRateImage(code), kDialCorner.x(), kDialCorner.y());
}

void CDlgUSBReportRate::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton)
        return;
    const QPoint from = event->position().toPoint() - kDialCentre;
    if (const auto code = PollingCodeAt(from.x(), from.y()))
        Editor().SetPollingDivisor(*code);
}

}  // namespace vorlak
