// SPDX-License-Identifier: GPL-3.0-or-later
// The splash window: its picture for three seconds, and no way to close it sooner.
#pragma once

#include <QDialog>
#include <QImage>

#include <filesystem>

namespace vorlak {

class SplashScreen : public QDialog {
    Q_OBJECT
public:
    static constexpr int kShowMs = 3000;

    explicit SplashScreen(const std::filesystem::path& programFolder, QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    QImage image_;
    bool timeUp_ = false;
};

}  // namespace vorlak
