// SPDX-License-Identifier: GPL-3.0-or-later
// The main window: the skinned view of the mouse with its left column and buttons. It shows
// what the controller holds and hands every button to it; the controller drives it back
// through MainView.
#pragma once

#include <QImage>
#include <QTimer>
#include <QWidget>

#include <array>
#include <filesystem>
#include <memory>

#include "app/main_controller.h"
#include "app/main_view.h"
#include "controls/window_mover.h"
#include "macro/macro_block.h"
#include "skin/main_window_layout.h"

namespace vorlak {

class CAssignmentMenus;
class CBitmapBtn;
class CConfigDialog;
class CDMarker;
class CDlgadvance;

class CKestalDlg : public QWidget, public MainView {
    Q_OBJECT
public:
    explicit CKestalDlg(std::filesystem::path programFolder);
    ~CKestalDlg() override;

    // The controller is made with this window as its view, so it joins afterwards.
    void SetController(MainController& controller);
    // Creates the fonts and children and sets the initial layout: both sections collapsed,
    // the top view.
    void BuildWindow();
    // Without any tray there is no icon to bring the window back: hiding it then minimises
    // it, and closing it from the desktop ends the program.
    void SetTrayPresent(bool present) { trayPresent_ = present; }

    // MainView
    void HideToTray() override;
    void ShowFromTray() override;
    void ShowRecord() override;
    void SetBusy(bool busy) override;
    void ShowApplyProgress(const ApplyProgressStep& step) override;
    void ShowApplyOutcome(const ApplyReport& report) override;
    void CloseProfileManager() override;
    void ShowDataProblem(const std::string& text) override;
    void ShowPointerNotice(const PointerNotice& notice) override;

    void SetView(MouseView view);
    void SetAssignmentSectionCollapsed(bool collapsed);
    void SetAxisSectionCollapsed(bool collapsed);
    void HighlightEntry(int entry);
    // The Macro Manager button: the macro manager dialog, modally.
    void RunMacroManager();
    // Shows the entry's label as the editor holds it.
    // A press on the label box of an entry: its assignment menu, and the chosen function.
    void OnLabelBoxPressed(int entry);
    void RefreshLabel(int entry);
    // The Config button: the profile manager over the left column, once.
    void OpenProfileManager();

    MouseView View() const { return view_; }
    int HighlightedEntry() const { return highlighted_; }
    bool AssignmentCollapsed() const { return assignmentCollapsed_; }
    bool AxisCollapsed() const { return axisCollapsed_; }
    bool Busy() const { return busy_; }
    int SectionHeight() const { return sectionHeight_; }
    CBitmapBtn* LabelBox(int k) const { return labelBoxes_[static_cast<std::size_t>(k)]; }
    CDMarker* XSlider() const { return xSlider_; }
    CDMarker* YSlider() const { return ySlider_; }
    CDlgadvance* SettingsHost() const { return settingsHost_; }
    // The buttons by their caption item, for tests and the end-to-end run.
    CBitmapBtn* ApplyButton() const { return apply_; }
    CBitmapBtn* CancelButton() const { return cancel_; }
    CBitmapBtn* CloseButton() const { return close_; }
    CConfigDialog* ProfileManager() const { return profileManager_; }

signals:
    // The window is busy no more after an Apply or a reset.
    void ApplyEnded();
    // The desktop closed the window while no tray holds the program.
    void ExitRequested();
    // A notice for the tray: which pointer settings the desktop kept.
    void NoticeReady(const QString& title, const QString& text);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    CBitmapBtn* MakeButton(const PixelRect& rect, const skin::ButtonImages& images);
    void MakeChildren();
    void SetTexts();
    void ApplyLayout();
    void PlaceSliders();
    void ShowLabels();
    // Repaints what a change of the working record touches.
    void OnRecordChange(const RecordChange& change);
    void ClearLabelChecks();
    void PaintMouse(QPainter& painter) const;
    void PaintLeftColumn(QPainter& painter) const;
    void PaintProgress(QPainter& painter) const;
    void ShowHelpMenu();
    void ConnectProfileManager();
    void Reset();

    std::filesystem::path programFolder_;
    MainController* controller_ = nullptr;
    QImage background_;

    MouseView view_ = MouseView::Top;
    int highlighted_ = -1;
    bool assignmentCollapsed_ = true;
    bool axisCollapsed_ = true;
    int sectionHeight_ = 0;
    bool busy_ = false;
    bool trayPresent_ = true;
    QString progressText_;
    int progressStep_ = 0;
    int progressSteps_ = 0;
    // The note of the last write that went well, shown where its progress was for a while.
    QString outcomeText_;
    QTimer* outcomeTimer_ = nullptr;
    WindowMover mover_;

    QFont captionFont_;
    CBitmapBtn* reset_ = nullptr;
    CBitmapBtn* cancel_ = nullptr;
    CBitmapBtn* apply_ = nullptr;
    CBitmapBtn* close_ = nullptr;
    CBitmapBtn* minimize_ = nullptr;
    CBitmapBtn* help_ = nullptr;
    CBitmapBtn* config_ = nullptr;
    CBitmapBtn* topView_ = nullptr;
    CBitmapBtn* sideView_ = nullptr;
    CBitmapBtn* assignmentHeader_ = nullptr;
    CBitmapBtn* macroHeader_ = nullptr;
    CBitmapBtn* axisHeader_ = nullptr;
    std::array<CBitmapBtn*, kEntryCount> labelBoxes_{};
    CDMarker* xSlider_ = nullptr;
    CDMarker* ySlider_ = nullptr;
    CDlgadvance* settingsHost_ = nullptr;
    CConfigDialog* profileManager_ = nullptr;
    // The macro manager's staging rows: kept from one run of the manager to the next.
    MacroRows macroStaging_{};
    std::unique_ptr<CAssignmentMenus> assignmentMenus_;
};

}  // namespace vorlak
