// SPDX-License-Identifier: GPL-3.0-or-later
// The strip between the mouse and the view buttons where a running write to the mouse shows
// how far it is, and where the note of a write that went well stays for a while afterwards.
#pragma once

#include <QString>
#include <QTimer>

class QPainter;
class QWidget;

namespace vorlak {

struct ApplyProgressStep;

class ProgressStrip {
public:
    // Paints into window, which it asks to repaint the strip on every change.
    explicit ProgressStrip(QWidget& window);

    // A write begins (the strip starts empty, the last note goes) or ends.
    void SetBusy(bool busy);
    bool Busy() const { return busy_; }
    void ShowStep(const ApplyProgressStep& step);
    // The note of a write that went well.
    void ShowNote(const QString& text);
    void Paint(QPainter& painter) const;

private:
    void Repaint();

    QWidget& window_;
    bool busy_ = false;
    QString text_;
    int step_ = 0;
    int steps_ = 0;
    QString note_;
    QTimer noteTimer_;
};

}  // namespace vorlak
