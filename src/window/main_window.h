// SPDX-License-Identifier: GPL-3.0-or-later
// The main window: the skinned view of the mouse with its left column and buttons. It shows
// what the controller holds and hands every button to it; the controller drives it back
// through MainView. Its parts live beside it: the children it makes and lays out
// (main_window_children), its picture (main_window_painting), the progress strip, the
// profile manager's host and the help menu.
#pragma once

#include <QImage>
#include <QWidget>

#include <filesystem>
#include <memory>

#include "controller/main_controller.h"
#include "controller/main_view.h"
#include "controls/window_mover.h"
#include "macro/macro_block.h"
#include "skin/main_window_layout.h"
#include "window/main_window_children.h"
#include "window/progress_strip.h"

namespace vorlak {

class AssignmentMenus;
class ProfileManagerDialog;
class ProfileManagerHost;

class MainWindow : public QWidget, public MainView {
    Q_OBJECT
public:
    explicit MainWindow(std::filesystem::path programFolder);
    ~MainWindow() override;

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
    bool Busy() const { return progress_.Busy(); }
    int SectionHeight() const { return sectionHeight_; }
    SkinButton* LabelBox(int k) const { return children_.labelBoxes[static_cast<std::size_t>(k)]; }
    MarkerSlider* XSlider() const { return children_.xSlider; }
    MarkerSlider* YSlider() const { return children_.ySlider; }
    SettingsColumn* SettingsHost() const { return children_.settingsHost; }
    // The buttons by their caption item, for tests and the end-to-end run.
    SkinButton* ApplyButton() const { return children_.apply; }
    SkinButton* CancelButton() const { return children_.cancel; }
    SkinButton* CloseButton() const { return children_.close; }
    ProfileManagerDialog* ProfileManager() const;

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
    // Hands the buttons, label boxes, sliders and the settings column to the controller.
    void ConnectChildren();
    void ApplyLayout();
    void PlaceSliders();
    void ShowLabels();
    // Repaints what a change of the working record touches.
    void OnRecordChange(const RecordChange& change);
    void ClearLabelChecks();
    void Reset();

    std::filesystem::path programFolder_;
    MainController* controller_ = nullptr;
    QImage background_;

    MouseView view_ = MouseView::Top;
    int highlighted_ = -1;
    bool assignmentCollapsed_ = true;
    bool axisCollapsed_ = true;
    int sectionHeight_ = 0;
    bool trayPresent_ = true;
    ProgressStrip progress_{*this};
    WindowMover mover_;

    QFont captionFont_;
    MainWindowChildren children_;
    std::unique_ptr<ProfileManagerHost> profileManager_;
    // The macro manager's staging rows: kept from one run of the manager to the next.
    MacroRows macroStaging_{};
    std::unique_ptr<AssignmentMenus> assignmentMenus_;
};

}  // namespace vorlak
