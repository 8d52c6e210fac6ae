// SPDX-License-Identifier: GPL-3.0-or-later
// The key capture dialog: asks for the keyboard key a mouse button shall produce. While it
// is open every keystroke is captured system-wide (KeyCapture) and reaches no other
// application; the name of the last key touched, pressed or released, is shown and handed
// back on OK.
#pragma once

#include <QFont>

#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <string_view>

#include "controls/pixel_geometry.h"
#include "controls/skinned_dialog.h"
#include "keys/key_capture.h"
#include "skin/key_capture_dialog_layout.h"

class QLabel;

namespace vorlak {

// Makes the capture for a window (the X11 grab, the window's own keys, a script in tests).
using KeyCaptureFactory = std::function<std::unique_ptr<KeyCapture>(QWidget& window)>;

class KeyCaptureDialog : public SkinnedDialog {
    Q_OBJECT
public:
    enum Button { kClose, kOk, kCancel };
    // The size the dialog takes when its background image is missing.
    static constexpr QSize kFallbackSize = ToQSize(layout::key_capture_dialog::kSize);

    KeyCaptureDialog(std::filesystem::path programFolder, std::string_view languageCode,
                     KeyCaptureFactory makeCapture, QWidget* parent = nullptr);
    ~KeyCaptureDialog() override;

    // The preset, before the dialog runs: the current key's name, or empty.
    void SetKeyName(const std::string& name);
    // After OK: the last captured key's name (the preset when none was captured).
    const std::string& KeyName() const { return keyName_; }

    QLabel* KeyNameLabel() const { return label_; }
    // The note that the desktop keeps its shortcut keys (Wayland); hidden while they come here.
    QLabel* ShortcutsNote() const { return shortcutsNote_; }
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
    bool Pressed(const QPoint& at, int button) override;

private:
    void StartCapture();
    void ShowKeyName();
    void OnKey(const CapturedKey& key);
    void OnCaptureFailure(int errorCode);
    void ShowShortcutsNote(bool desktopKeepsShortcuts);

    std::string languageCode_;
    KeyCaptureFactory makeCapture_;
    QFont font_;
    QString prompt_;
    QLabel* label_ = nullptr;
    QLabel* shortcutsNote_ = nullptr;
    std::string keyName_;
    std::unique_ptr<KeyCapture> capture_;
    bool captureFailed_ = false;
    bool started_ = false;
};

}  // namespace vorlak
