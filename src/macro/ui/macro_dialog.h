// SPDX-License-Identifier: GPL-3.0-or-later
// The macro picker: one of the stored macros from a drop-down list and one of three play
// modes. A new picker starts with no macro chosen and play mode 0; opening the list always
// sets the mode back to 0.
#pragma once

#include <QDialog>
#include <QFont>
#include <QImage>

#include <array>
#include <filesystem>
#include <string>
#include <string_view>

#include "controls/painted_button.h"

class QLabel;
class QListWidget;

namespace vorlak {

class MacroStore;

class CMacroDialog : public QDialog {
    Q_OBJECT
public:
    enum Button { kClose, kOk, kCancel };
    static constexpr int kModeCount = 3;

    CMacroDialog(std::filesystem::path programFolder, std::string_view languageCode,
                 const MacroStore& store, QWidget* parent = nullptr);
    ~CMacroDialog() override;

    // After OK: the chosen macro's position in the store's list (-1 for none), its name and
    // the play mode 0..2.
    int ChosenIndex() const { return chosenIndex_; }
    const std::string& ChosenName() const { return chosenName_; }
    int PlayMode() const { return playMode_; }

    // The drop-down list while it is open, else null.
    QListWidget* DropDown() const { return list_; }
    QLabel* NameField() const { return nameField_; }
    const PaintedButton& ButtonOf(Button button) const {
        return buttons_[static_cast<std::size_t>(button)];
    }
    static QRect DropDownArea();
    static QRect ModeMarkArea(int mode);
    // Where the text of a mode is drawn: its rectangle shrunk to the wrapped text's height,
    // in the dialog's font made smaller where the text would not fit the rectangle.
    QRect ModeTextRect(int mode) const;
    QFont ModeFont(int mode) const;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    static QRect ModeBox(int mode);
    void OpenDropDown();
    void CloseDropDown();
    void TakeListChoice();
    void SetHovered(int button);

    std::filesystem::path programFolder_;
    const MacroStore& store_;
    QImage background_;
    QFont font_;
    QString prompt_;
    std::array<QString, kModeCount> modeTexts_;
    std::array<PaintedButton, 3> buttons_;
    QLabel* nameField_ = nullptr;
    QListWidget* list_ = nullptr;
    int chosenIndex_ = -1;
    std::string chosenName_;
    int playMode_ = 0;
    int hovered_ = -1;
};

}  // namespace vorlak
