// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/progress_strip.h"

#include <QPainter>
#include <QWidget>

#include "controller/apply_report.h"
#include "controls/pixel_geometry.h"
#include "skin/main_window_layout.h"

namespace vorlak {
namespace {

// How long the note of a write that went well stays there.
constexpr int kNoteShownMs = 6000;

QRect StripRect() {
    return ToQRect(kProgressRect);
}

}  // namespace

ProgressStrip::ProgressStrip(QWidget& window) : window_(window) {
    noteTimer_.setSingleShot(true);
    noteTimer_.setInterval(kNoteShownMs);
    QObject::connect(&noteTimer_, &QTimer::timeout, &window_, [this] {
        note_.clear();
        Repaint();
    });
}

void ProgressStrip::SetBusy(bool busy) {
    busy_ = busy;
    if (busy) {
        noteTimer_.stop();
        note_.clear();
        text_.clear();
        step_ = steps_ = 0;
    }
    Repaint();
}

void ProgressStrip::ShowStep(const ApplyProgressStep& step) {
    step_ = step.step;
    steps_ = step.stepCount;
    text_ = QString::fromStdString(step.text);
    Repaint();
}

void ProgressStrip::ShowNote(const QString& text) {
    note_ = text;
    noteTimer_.start();
    Repaint();
}

void ProgressStrip::Repaint() {
    window_.update(StripRect());
}

void ProgressStrip::Paint(QPainter& painter) const {
    const QRect bar = StripRect();
    if (!busy_) {
        if (!note_.isEmpty()) {
            painter.setPen(Qt::white);
            painter.drawText(bar, Qt::AlignCenter | Qt::TextSingleLine, note_);
        }
        return;
    }
    painter.fillRect(bar, QColor(40, 16, 16));
    if (steps_ > 0) {
        QRect done = bar;
        done.setWidth(bar.width() * step_ / steps_);
        painter.fillRect(done, QColor(143, 32, 32));
    }
    painter.setPen(QColor(111, 41, 41));
    painter.drawRect(bar.adjusted(0, 0, -1, -1));
    painter.setPen(Qt::white);
    painter.drawText(bar, Qt::AlignCenter | Qt::TextSingleLine, text_);
}

}  // namespace vorlak
