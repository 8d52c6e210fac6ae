// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/main_window.h"

#include <QApplication>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>

#include "assign/ui/assignment_menus.h"
#include "common/diagnostics.h"
#include "common/file_writes.h"
#include "controls/dialog_keys.h"
#include "controls/language_message_box.h"
#include "controls/marker_slider.h"
#include "controls/pixel_geometry.h"
#include "controls/skin_button.h"
#include "controls/skin_image.h"
#include "controls/ui_font.h"
#include "macro/ui/macro_manager_dialog.h"
#include "panels/settings_column.h"
#include "platform/linux/qt/key_capture_factory.h"
#include "skin/skin_names.h"
#include "window/help_menu.h"
#include "window/main_window_painting.h"
#include "window/profile_manager_host.h"

namespace vorlak {
namespace {

QString Q(const std::string& text) {
    return QString::fromStdString(text);
}

}  // namespace

MainWindow::MainWindow(std::filesystem::path programFolder)
    : QWidget(nullptr, Qt::Window | Qt::FramelessWindowHint),
      programFolder_(std::move(programFolder)),
      background_(LoadSkin(programFolder_, skin::kMainBackground)) {
    setWindowTitle("Vorlak");
    setFixedSize(background_.isNull() ? ToQSize(kMainWindowSize) : LayoutSize(background_));
    setAttribute(Qt::WA_OpaquePaintEvent);
    // Enter, Space, Escape and F1 never reach the window or its children; while a write runs
    // no input does.
    new DialogKeyFilter(*this, {false, [this] { return Busy(); }});
}

MainWindow::~MainWindow() = default;

void MainWindow::SetController(MainController& controller) {
    controller_ = &controller;
    profileManager_ = std::make_unique<ProfileManagerHost>(*this, programFolder_, controller);
}

void MainWindow::BuildWindow() {
    const std::string& code = controller_->LanguageCode();
    captionFont_ = UiFont(code, kCaptionFontHeight);
    sectionHeight_ = LayoutSize(LoadSkin(programFolder_, skin::kAssignmentPanel)).height();
    children_ = MakeMainWindowChildren(*this, programFolder_, captionFont_,
                                       {programFolder_,
                                        controller_->LanguageCode(),
                                        controller_->Text(),
                                        controller_->Editor(),
                                        {}});
    SetCaptions(children_, controller_->Text());
    ConnectChildren();
    controller_->Editor().AddObserver(
        [this](const RecordChange& change) { OnRecordChange(change); });
    assignmentMenus_ = std::make_unique<AssignmentMenus>(
        AssignmentMenuParts{*this, programFolder_, controller_->Text(), controller_->LanguageCode(),
                            captionFont_, controller_->Files().MacroStorePath(), MakeKeyCapture},
        controller_->Editor().Record(),
        [this](int entry, const EntryChoice& choice, const AssignmentContext& context) {
            controller_->Editor().AssignEntry(entry, choice, context);
        });
    SetView(MouseView::Top);
    SetAssignmentSectionCollapsed(true);
    SetAxisSectionCollapsed(true);
}

void MainWindow::ConnectChildren() {
    const MainWindowChildren& c = children_;
    connect(c.apply, &SkinButton::clicked, this, [this] {
        HighlightEntry(-1);
        controller_->ApplyFlow([this] { emit ApplyEnded(); });
    });
    connect(c.cancel, &SkinButton::clicked, this, [this] {
        HighlightEntry(-1);
        controller_->Cancel();
    });
    connect(c.close, &SkinButton::clicked, this, [this] {
        HighlightEntry(-1);
        controller_->Close();
    });
    connect(c.reset, &SkinButton::clicked, this, &MainWindow::Reset);
    connect(c.minimize, &SkinButton::clicked, this, [this] {
        HighlightEntry(-1);
        showMinimized();
    });
    connect(c.help, &SkinButton::clicked, this, [this] {
        HighlightEntry(-1);
        ShowHelpMenu(*this, captionFont_, controller_->Text());
    });
    connect(c.topView, &SkinButton::clicked, this, [this] { SetView(MouseView::Top); });
    connect(c.sideView, &SkinButton::clicked, this, [this] { SetView(MouseView::Side); });
    connect(c.assignmentHeader, &SkinButton::clicked, this, [this] {
        HighlightEntry(-1);
        SetAssignmentSectionCollapsed(!assignmentCollapsed_);
    });
    connect(c.axisHeader, &SkinButton::clicked, this, [this] {
        HighlightEntry(-1);
        SetAxisSectionCollapsed(!axisCollapsed_);
    });
    connect(c.macroHeader, &SkinButton::clicked, this, [this] {
        HighlightEntry(-1);
        RunMacroManager();
    });
    connect(c.config, &SkinButton::clicked, this, &MainWindow::OpenProfileManager);
    for (int k = 0; k < kEntryCount; ++k)
        connect(LabelBox(k), &SkinButton::clicked, this, [this, k] { OnLabelBoxPressed(k); });
    auto slider = [this](MarkerSlider* s, EditResult (RecordEditor::*store)(int)) {
        connect(s, &MarkerSlider::MarkerPos, this,
                [this, store](int position) { (controller_->Editor().*store)(position); });
    };
    slider(c.xSlider, &RecordEditor::SetSensitivityX);
    slider(c.ySlider, &RecordEditor::SetSensitivityY);
    // The highlight goes once the column has handled the click.
    connect(
        c.settingsHost, &SettingsColumn::Clicked, this, [this] { HighlightEntry(-1); },
        Qt::QueuedConnection);
}

void MainWindow::SetView(MouseView view) {
    highlighted_ = -1;
    ClearLabelChecks();
    children_.topView->SetChecked(view == MouseView::Top);
    children_.sideView->SetChecked(view == MouseView::Side);
    view_ = view;
    update(ToQRect(kMouseArea));
}

void MainWindow::ClearLabelChecks() {
    for (SkinButton* box : children_.labelBoxes) {
        if (box != nullptr)
            box->SetChecked(false);
    }
}

void MainWindow::SetAssignmentSectionCollapsed(bool collapsed) {
    assignmentCollapsed_ = collapsed;
    ApplyLayout();
}

void MainWindow::SetAxisSectionCollapsed(bool collapsed) {
    axisCollapsed_ = collapsed;
    ApplyLayout();
}

// While the profile manager is open it covers the left column: the section buttons, the
// label boxes and the sliders are hidden.
void MainWindow::ApplyLayout() {
    const SectionLayout layout =
        LayOutSections(assignmentCollapsed_, axisCollapsed_, sectionHeight_);
    PlaceLeftColumn(children_, layout, ProfileManager() == nullptr);
    update(ToQRect(kLeftColumn));
}

void MainWindow::HighlightEntry(int entry) {
    highlighted_ = entry;
    if (entry < 0)
        ClearLabelChecks();
    repaint(ToQRect(kMouseArea));
}

// The macro manager runs modally; after OK its twelve blocks become the record's macro slots
// and the buttons follow their macros, all through the record editor.
void MainWindow::RunMacroManager() {
    // The store's writes go to the data files' writer thread; their outcomes come back through
    // the application's queue.
    QueuedFileWrites writes(controller_->DiskWriter(), [](std::function<void()> task) {
        QMetaObject::invokeMethod(qApp, std::move(task), Qt::QueuedConnection);
    });
    MacroManagerDialog dialog(programFolder_, controller_->LanguageCode(),
                              controller_->Files().MacroStorePath(), macroStaging_, MakeKeyCapture,
                              writes, this);
    if (dialog.exec() != QDialog::Accepted || !dialog.Result())
        return;
    controller_->TakeMacroManagerResult(*dialog.Result());
}

// The press checks the box alone and lights its button; what it opens (the menu, the last
// click's message) clears both when it closes, before the chosen command runs.
void MainWindow::OnLabelBoxPressed(int entry) {
    for (int k = 0; k < kEntryCount; ++k)
        LabelBox(k)->SetChecked(k == entry);
    HighlightEntry(entry);
    const std::optional<int> command = assignmentMenus_->Show(entry, *LabelBox(entry));
    if (!command)
        return;
    HighlightEntry(-1);
    assignmentMenus_->Dispatch(*command);
}

void MainWindow::RefreshLabel(int entry) {
    LabelBox(entry)->SetText(Q(controller_->Editor().Labels()[static_cast<std::size_t>(entry)]));
}

void MainWindow::OnRecordChange(const RecordChange& change) {
    children_.settingsHost->OnRecordChange(change);
    switch (change.part) {
        case RecordPart::Entry:
            RefreshLabel(change.index);
            break;
        case RecordPart::Sensitivity:
            PlaceSliders();
            break;
        case RecordPart::Whole:
        case RecordPart::Reloaded:
            PlaceSliders();
            ShowLabels();
            break;
        default:
            break;  // shown by the settings panels
    }
}

void MainWindow::PlaceSliders() {
    const MouseConfig& record = controller_->Editor().Record();
    auto place = [](MarkerSlider* slider, int value) {
        slider->SetPos(value >= kAxisSliderMin && value <= kAxisSliderMax ? value : kAxisSliderMin);
    };
    place(children_.xSlider, record.sensitivityX);
    place(children_.ySlider, record.sensitivityY);
}

void MainWindow::ShowLabels() {
    for (int k = 0; k < kEntryCount; ++k)
        RefreshLabel(k);
}

void MainWindow::ShowRecord() {
    PlaceSliders();
    ShowLabels();
    update();
}

void MainWindow::HideToTray() {
    if (trayPresent_) {
        hide();
    } else {
        showMinimized();
    }
}

// The desktop's own close (the window has no frame of its own to close it by) does what
// the close button does.
void MainWindow::closeEvent(QCloseEvent* event) {
    event->ignore();
    if (trayPresent_) {
        controller_->Close();
    } else {
        emit ExitRequested();
    }
}

void MainWindow::ShowFromTray() {
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        QRect frame(QPoint(), size());
        frame.moveCenter(screen->availableGeometry().center());
        move(frame.topLeft());
    }
    PlaceSliders();
    ShowLabels();
    assignmentCollapsed_ = true;
    axisCollapsed_ = true;
    ApplyLayout();
    // A minimised window stays minimised through show(): restore it first.
    setWindowState(windowState() & ~Qt::WindowMinimized);
    show();
    raise();
    activateWindow();
}

void MainWindow::SetBusy(bool busy) {
    children_.apply->setEnabled(!busy);
    if (busy) {
        QApplication::setOverrideCursor(Qt::WaitCursor);
    } else {
        QApplication::restoreOverrideCursor();
        Diagnostic("The window takes input again.\n");
    }
    progress_.SetBusy(busy);
}

void MainWindow::ShowApplyProgress(const ApplyProgressStep& step) {
    progress_.ShowStep(step);
}

// A write that went well leaves a short note where its progress was; a problem (the mouse did
// not take it, the profile files were not saved) is a warning that waits for the user, without
// holding up the window.
void MainWindow::ShowApplyOutcome(const ApplyReport& report) {
    if (report.problem) {
        auto* box = new QMessageBox(QMessageBox::Warning, "Vorlak", Q(report.text), QMessageBox::Ok,
                                    isVisible() ? this : nullptr);
        box->setAttribute(Qt::WA_DeleteOnClose);
        OpenInLanguage(*box, controller_->LanguageCode());
        return;
    }
    progress_.ShowNote(Q(report.text));
}

void MainWindow::OpenProfileManager() {
    HighlightEntry(-1);
    if (profileManager_->Open())
        ApplyLayout();
}

void MainWindow::CloseProfileManager() {
    profileManager_->Close();
    ApplyLayout();
}

ProfileManagerDialog* MainWindow::ProfileManager() const {
    return profileManager_ ? profileManager_->Dialog() : nullptr;
}

// Told without waiting: start-up and Apply go on while the box is open.
void MainWindow::ShowDataProblem(const std::string& text) {
    auto* box = new QMessageBox(QMessageBox::Warning, "Vorlak", Q(text), QMessageBox::Ok,
                                isVisible() ? this : nullptr);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->open();
}

// A notice of the desktop's (or the tray's): it neither covers the window nor waits for an
// answer.
void MainWindow::ShowPointerNotice(const PointerNotice& notice) {
    emit NoticeReady(Q(notice.title), Q(notice.Text("\n")));
}

void MainWindow::Reset() {
    HighlightEntry(-1);
    const UiTextTable& text = controller_->Text();
    QMessageBox ask(QMessageBox::Question, Q(text.TxtAttention), Q(text.TxtResetConfirm),
                    QMessageBox::Ok | QMessageBox::Cancel, this);
    if (ShowInLanguage(ask, controller_->LanguageCode()) != QMessageBox::Ok) {
        return;
    }
    controller_->DefaultsReset([this] {
        SetView(MouseView::Top);
        assignmentCollapsed_ = true;
        axisCollapsed_ = true;
        ApplyLayout();
        ShowRecord();
        controller_->FinishReset();
        emit ApplyEnded();
    });
}

void MainWindow::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    PaintMainWindow(painter, {programFolder_, background_, captionFont_, controller_->Text(), view_,
                              highlighted_, assignmentCollapsed_, axisCollapsed_, sectionHeight_});
    progress_.Paint(painter);
}

// A press on the background clears the highlight; dragging it moves the window, as its
// caption would.
void MainWindow::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton)
        return;
    HighlightEntry(-1);
    mover_.Pressed(*event);
}

void MainWindow::mouseMoveEvent(QMouseEvent* event) {
    mover_.Moved(*this, *event);
}

void MainWindow::mouseReleaseEvent(QMouseEvent*) {
    mover_.Released();
}

}  // namespace vorlak
