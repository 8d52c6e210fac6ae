// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/splash_screen.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QPainter>
#include <QScreen>
#include <QTimer>

#include "controls/skin_image.h"
#include "skin/skin_names.h"

namespace vorlak {

SplashScreen::SplashScreen(const std::filesystem::path& programFolder, QWidget* parent)
    : QDialog(parent, Qt::SplashScreen | Qt::FramelessWindowHint),
      image_(ReadSkin(programFolder, skin::kSplash)) {
    setWindowTitle("Vorlak");
    setFixedSize(image_.isNull() ? QSize(1, 1) : LayoutSize(image_));
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        QRect frame(QPoint(), size());
        frame.moveCenter(screen->geometry().center());
        move(frame.topLeft());
    }
    QTimer::singleShot(kShowMs, Qt::PreciseTimer, this, [this] {
        timeUp_ = true;
        accept();
    });
}

void SplashScreen::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.drawImage(0, 0, image_);
}

void SplashScreen::keyPressEvent(QKeyEvent* event) {
    event->accept();
}

void SplashScreen::mousePressEvent(QMouseEvent* event) {
    event->accept();
}

void SplashScreen::closeEvent(QCloseEvent* event) {
    if (timeUp_) {
        event->accept();
    } else {
        event->ignore();
    }
}

}  // namespace vorlak
