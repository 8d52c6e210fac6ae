// SPDX-License-Identifier: GPL-3.0-or-later
// The key capture dialog: asks for the keyboard key a mouse button shall produce. While it
// is open every keystroke is captured system-wide (KeyCapture) and reaches no other
// application; the name of the last key touched, pressed or released, is shown and handed
// back on OK.
#pragma once

#include <QDialog>
#include <QFont>
#include <QImage>

#include <array>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <string_view>

#include "controls/painted_button.h"
#include "keys/key_capture.h"

class QLabel;

namespace vorlak {

// Makes the capture for a window (the X11 grab, the window's own keys, a script in tests).
using KeyCaptureFactory = std::function<std::unique_ptr<KeyCapture>(QWidget& window)>;

class CSingleDialog : public QDialog {
    Q_OBJECT
public:
    enum Button { kClose, kOk, kCancel };
    // The size the dialog takes when its background image is missing.
    static constexpr QSize kFallbackSize{384, 285};

    CSingleDialog(std::filesystem::path programFolder, std::string_view languageCode,
                  KeyCaptureFactory makeCapture, QWidget* parent = nullptr);
    ~CSingleDialog() override;

    // The preset, before the dialog runs: the current key's name, or empty.
    void SetKeyName(const std::string& name);
    // After OK: the last captured key's name (the preset when none was captured).
    const std::string& KeyName() const { return keyName_; }

    QLabel* KeyNameLabel() const { return label_; }
    // The note that the desktop keeps its shortcut keys (Wayland); hidden while they come here.
    QLabel* ShortcutsNote() const { return shortcutsNote_; }
    const PaintedButton& ButtonOf(Button button) const {
        return buttons_[static_cast<std::size_t>(button)];
    }
    int Hovered() const { return hovered_; }
    // The capture is running (it started and did not fail).
    bool Capturing() const { return capture_ != nullptr && !captureFailed_; }

signals:
    // A captured key's name is on screen.
    void KeyShown();

public slots:
    void done(int result) override;

protected:
    void showEvent(QShowEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void StartCapture();
    void ShowKeyName();
    void OnKey(const CapturedKey& key);
    void OnCaptureFailure(int errorCode);
    void ShowShortcutsNote(bool desktopKeepsShortcuts);
    void SetHovered(int button);

    std::filesystem::path programFolder_;
    std::string languageCode_;
    KeyCaptureFactory makeCapture_;
    QImage background_;
    QFont font_;
    QString prompt_;
    std::array<PaintedButton, 3> buttons_;
    QLabel* label_ = nullptr;
    QLabel* shortcutsNote_ = nullptr;
    std::string keyName_;
    std::unique_ptr<KeyCapture> capture_;
    bool captureFailed_ = false;
    bool started_ = false;
    int hovered_ = -1;
};

}  // namespace vorlak
