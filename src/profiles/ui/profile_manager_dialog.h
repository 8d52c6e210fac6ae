// SPDX-License-Identifier: GPL-3.0-or-later
// The profile manager: a skinned child window over the left part of the main window that
// lists the profiles by name (at most six) and edits that list: New, Delete, Copy, and
// renaming in place (a second click on an entry, a double click, or Edit). It asks the main
// window to import a profile into the record (Load) or export the record (Save), and on
// Close hands over the edited list and the entry that becomes current; the main window
// commits it with the files renumbered to it. It asks by its signals.
#pragma once

#include <QFont>
#include <QWidget>

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "controls/list_box.h"
#include "controls/pixel_geometry.h"
#include "controls/skinned_dialog.h"
#include "profiles/profile_list.h"
#include "skin/profile_manager_layout.h"
#include "text/dialog_texts.h"

namespace vorlak {

class ProfileManagerDialog : public Skinned<QWidget> {
    Q_OBJECT
public:
    enum Button { kClose };
    // Menu commands.
    static constexpr int kDeleteCommand = 32781;
    static constexpr int kEditCommand = 32782;
    static constexpr int kCopyCommand = 32783;
    static constexpr int kLoadCommand = 32784;
    static constexpr int kSaveCommand = 32785;
    // Hit rectangles of the buttons, and the list.
    static constexpr QRect kCloseHit = ToQRect(layout::profile_manager::kClose.rect);
    static constexpr QRect kNewHit = ToQRect(layout::profile_manager::kNew.hit);
    static constexpr QRect kDeleteHit = ToQRect(layout::profile_manager::kDelete.hit);
    static constexpr QRect kListRect = ToQRect(layout::profile_manager::kListRect);

    // Reads the list of listFile ("str.ini") and selects entry `current`, the profile the main
    // window holds, which is also the tracked entry. Without its background image the dialog
    // says so and stays without a list.
    ProfileManagerDialog(const std::filesystem::path& programFolder,
                         const std::filesystem::path& listFile, std::string_view languageCode,
                         const QFont& font, int current, QWidget* parent);
    ~ProfileManagerDialog() override;

    void New();
    void Delete();
    void Copy();
    // Renames the selected entry when it is the tracked one; otherwise tracks it.
    void Edit();
    void Load();
    void Save();
    void Close();
    // Shows the menu (Delete, Edit, Copy, Load, Save) at a screen point and runs the command
    // chosen.
    void ShowMenu(const QPoint& screenPoint);

    QListWidget* List() const { return list_; }
    const ProfileList& Profiles() const { return profiles_; }
    int TrackedIndex() const { return tracked_; }
    const ProfileManagerTexts& Texts() const { return texts_; }

signals:
    // Sent after the dialog's own bookkeeping. Load and Save of entry index: the main window
    // imports into the record or exports it.
    void LoadRequested(int index);
    void SaveRequested(int index);
    // The entry that becomes current (-1 for an empty list) and the edited list (none when the
    // dialog could not read one).
    void Closed(int current, const std::optional<ProfileList>& list);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    bool Pressed(const QPoint& at, int button) override;

private:
    void MakeList();
    void AddEntry(const std::string& name);
    void OnEntryClicked(int row);
    void OnEditEnded(int index);
    int Selected() const;

    std::string languageCode_;
    ProfileManagerTexts texts_;
    QFont font_;
    ListBox* list_ = nullptr;
    ProfileList profiles_;
    bool listRead_ = false;
    bool closed_ = false;
    int tracked_;
};

}  // namespace vorlak
