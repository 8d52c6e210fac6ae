// SPDX-License-Identifier: GPL-3.0-or-later
// The macro manager: the skinned modal dialog in which the user creates, records, edits,
// renames and deletes the twelve macros. It shows the state of a MacroManager and turns
// clicks, keys and edits into its operations; every edit reaches the store at once, and OK
// hands the encoded blocks and the macros' moves to the caller.
#pragma once

#include <QFont>

#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "common/file_writes.h"
#include "controls/list_box.h"
#include "controls/skinned_dialog.h"
#include "macro/list_entry_edit.h"
#include "macro/macro_manager.h"
#include "skin/macro_manager_layout.h"
#include "text/macro_store_text.h"

class QLineEdit;
class QListWidget;

namespace vorlak {

class SkinButton;

// Makes the key capture of a window (the X11 grab of the dialog's own window).
using MacroKeyCaptureFactory = std::function<std::unique_ptr<KeyCapture>(QWidget& window)>;

class MacroManagerDialog : public SkinnedDialog {
    Q_OBJECT
public:
    // Painted buttons, in the order of their hover flags.
    enum Button { kOk, kCancel, kNew, kDelete, kClose };
    // The event menu's command ids.
    enum Command {
        kDeleteEvent = 32771,
        kInsertLeft = 32772,
        kInsertMiddle = 32773,
        kInsertRight = 32774,
        kInsertDelay = 32786,
    };

    // The staging rows outlive the dialog: they keep their content between runs. The store is
    // written through writes (in the window on the data files' writer thread); OK and Cancel
    // end the dialog once the writes have ended.
    MacroManagerDialog(std::filesystem::path programFolder, std::string languageCode,
                       const std::filesystem::path& macroStorePath, MacroRows& staging,
                       MacroKeyCaptureFactory makeCapture, FileWrites& writes,
                       QWidget* parent = nullptr);
    ~MacroManagerDialog() override;

    // After OK: the twelve rows for the record's macro slots and where the macros went.
    const std::optional<MacroManagerResult>& Result() const { return result_; }

    // The parts a test drives (null when the background image was missing).
    MacroManager* Manager() const { return manager_.get(); }
    QListWidget* MacroList() const { return macroList_; }
    ListBox* EventList() const { return eventList_; }
    QLineEdit* LoopField() const { return loopField_; }
    SkinButton* RecordButton() const { return recordButton_; }
    static QRect RecordDelayBox();
    static QRect LoopsBox();
    // Runs an event menu command on the selected event.
    void RunEventCommand(int command);

protected:
    void paintEvent(QPaintEvent* event) override;
    bool Pressed(const QPoint& at, int button) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void MakeChildren();
    void Show(ManagerChange change);
    void ShowNames();
    void ShowEvents();
    void ShowLoopField();
    void ShowRecording();
    void OnEventClicked(int row);
    // An in-place edit of an entry of list; OnEditEnded follows its end.
    void BeginEdit(QListWidget& list, int row, ListEditMode mode);
    void OnEditEnded(QListWidget* list, int index);
    void OpenEventMenu(const QPoint& globalPos);
    void Ok();
    void ShowCutMacrosAndAccept();
    void Cancel();
    void ShowLimitMessage();
    void ShowCaptureFailure(int errorCode);
    void TellStoreFailure(std::error_code error);
    void ShowStoreFailure(std::error_code error, StoreFailureMoment moment);

    std::string languageCode_;
    std::filesystem::path storePath_;
    FileWrites& writes_;
    QFont font_;
    QListWidget* macroList_ = nullptr;
    ListBox* eventList_ = nullptr;
    QLineEdit* loopField_ = nullptr;
    SkinButton* recordButton_ = nullptr;
    std::unique_ptr<KeyCapture> capture_;
    std::unique_ptr<MacroManager> manager_;
    std::optional<MacroManagerResult> result_;
    bool editing_ = false;
    // OK or Cancel waits for the store's writes: the dialog takes no more input.
    bool ending_ = false;
    // A failed write not yet told, and whether its message shows.
    std::error_code failureDue_;
    bool showingFailure_ = false;
};

}  // namespace vorlak
