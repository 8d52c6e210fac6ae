// SPDX-License-Identifier: GPL-3.0-or-later
// The macro picker: one of the stored macros from a drop-down list and one of three play
// modes. A new picker starts with no macro chosen and play mode 0; opening the list always
// sets the mode back to 0.
#pragma once

#include <QFont>

#include <array>
#include <filesystem>
#include <string>
#include <string_view>

#include "controls/skinned_dialog.h"
#include "skin/macro_picker_layout.h"

class QLabel;
class QListWidget;

namespace vorlak {

class MacroStore;

class MacroPicker : public SkinnedDialog {
    Q_OBJECT
public:
    enum Button { kClose, kOk, kCancel };
    static constexpr int kModeCount = layout::macro_picker::kModes;

    MacroPicker(std::filesystem::path programFolder, std::string_view languageCode,
                const MacroStore& store, QWidget* parent = nullptr);
    ~MacroPicker() override;

    // After OK: the chosen macro's position in the store's list (-1 for none), its name and
    // the play mode 0..2.
    int ChosenIndex() const { return chosenIndex_; }
    const std::string& ChosenName() const { return chosenName_; }
    int PlayMode() const { return playMode_; }

    // The drop-down list while it is open, else null.
    QListWidget* DropDown() const { return list_; }
    QLabel* NameField() const { return nameField_; }
    static QRect DropDownArea();
    static QRect ModeMarkArea(int mode);
    // Where the text of a mode is drawn: its rectangle shrunk to the wrapped text's height,
    // in the dialog's font made smaller where the text would not fit the rectangle.
    QRect ModeTextRect(int mode) const;
    QFont ModeFont(int mode) const;

protected:
    void paintEvent(QPaintEvent* event) override;
    bool Pressed(const QPoint& at, int button) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    static QRect ModeBox(int mode);
    void OpenDropDown();
    void CloseDropDown();
    void TakeListChoice();

    const MacroStore& store_;
    QFont font_;
    QString prompt_;
    std::array<QString, kModeCount> modeTexts_;
    QLabel* nameField_ = nullptr;
    QListWidget* list_ = nullptr;
    int chosenIndex_ = -1;
    std::string chosenName_;
    int playMode_ = 0;
};

}  // namespace vorlak
