// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/ui/kestal_dlg.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDesktopServices>
#include <QGuiApplication>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <QTimer>
#include <QUrl>

#include "app/ui/profile_file_dialog.h"
#include "assign/ui/assignment_menus.h"
#include "common/diagnostics.h"
#include "common/file_writes.h"
#include "controls/bitmap_btn.h"
#include "controls/dialog_keys.h"
#include "controls/ex_menu.h"
#include "controls/language_message_box.h"
#include "controls/marker_slider.h"
#include "controls/pixel_geometry.h"
#include "controls/skin_image.h"
#include "controls/skin_scroll_wnd.h"
#include "controls/ui_font.h"
#include "macro/ui/macro_program_dialog.h"
#include "panels/config_dialog.h"
#include "panels/dlg_advance.h"
#include "platform/linux/qt/key_capture_factory.h"
#include "skin/skin_names.h"
#include "text/dialog_texts.h"

namespace vorlak {
namespace {

constexpr int kWebSiteCommand = 1001;
constexpr int kVersionCommand = 1003;
constexpr int kSliderMin = 1;
constexpr int kSliderMax = 11;
// How long the note of a write that went well stays there.
constexpr int kOutcomeShownMs = 6000;

QString Q(const std::string& text) {
    return QString::fromStdString(text);
}

}  // namespace

CKestalDlg::CKestalDlg(std::filesystem::path programFolder)
    : QWidget(nullptr, Qt::Window | Qt::FramelessWindowHint),
      programFolder_(std::move(programFolder)),
      background_(LoadSkin(programFolder_, skin::kMainBackground)) {
    setWindowTitle("Vorlak");
    setFixedSize(background_.isNull() ? ToQSize(kMainWindowSize) : background_.size());
    setAttribute(Qt::WA_OpaquePaintEvent);
    outcomeTimer_ = new QTimer(this);
    outcomeTimer_->setSingleShot(true);
    outcomeTimer_->setInterval(kOutcomeShownMs);
    connect(outcomeTimer_, &QTimer::timeout, this, [this] {
        outcomeText_.clear();
        update(ToQRect(kProgressRect));
    });
    // Enter, Space, Escape and F1 never reach the window or its children; while a write runs
    // no input does.
    new DialogKeyFilter(*this, {false, [this] { return busy_; }});
}

CKestalDlg::~CKestalDlg() = default;

void CKestalDlg::SetController(MainController& controller) {
    controller_ = &controller;
}

CBitmapBtn* CKestalDlg::MakeButton(const PixelRect& rect, const skin::ButtonImages& images) {
    auto* button = new CBitmapBtn(this);
    button->setGeometry(ToQRect(rect));
    auto image = [this](std::string_view name) { return LoadSkin(programFolder_, name); };
    button->LoadBitmaps(QRect(0, 0, rect.Width(), rect.Height()), image(images.normal),
                        image(images.hover), image(images.pressed), image(images.disabled));
    button->SetFontHeight(kButtonFontHeight);
    button->SetFontFace(captionFont_.family());
    return button;
}

void CKestalDlg::MakeChildren() {
    auto centred = [&](const PixelRect& rect, const skin::ButtonImages& images) {
        CBitmapBtn* b = MakeButton(rect, images);
        b->SetAlignment(CBitmapBtn::Alignment::Centred);
        return b;
    };
    auto indented = [&](const PixelRect& rect, const skin::ButtonImages& images, int indent) {
        CBitmapBtn* b = MakeButton(rect, images);
        b->SetIndent(indent);
        return b;
    };
    reset_ = centred(kResetRect, kActionButtonImages);
    cancel_ = centred(kCancelRect, kActionButtonImages);
    apply_ = centred(kApplyRect, kActionButtonImages);
    close_ = MakeButton(kCloseRect, kCloseButtonImages);
    minimize_ = MakeButton(kMinimizeRect, kMinimizeButtonImages);
    help_ = MakeButton(kHelpRect, kHelpButtonImages);
    config_ = indented(kConfigRect, kConfigButtonImages, kConfigCaptionIndent);
    topView_ = centred(kTopViewRect, kViewButtonImages);
    sideView_ = centred(kSideViewRect, kViewButtonImages);
    const SectionLayout layout = LayOutSections(true, true, 0);
    assignmentHeader_ = indented(layout.assignmentHeader, kHeaderImages, kHeaderCaptionIndent);
    macroHeader_ = indented(layout.macroHeader, kHeaderImages, kHeaderCaptionIndent);
    axisHeader_ = indented(layout.axisHeader, kHeaderImages, kHeaderCaptionIndent);
    for (int k = 0; k < kEntryCount; ++k) {
        CBitmapBtn* box = indented(LabelBoxRect(k), kLabelBoxImages, kLabelCaptionIndent);
        box->hide();
        connect(box, &CBitmapBtn::clicked, this, [this, k] { OnLabelBoxPressed(k); });
        labelBoxes_[static_cast<std::size_t>(k)] = box;
    }
    auto slider = [&](EditResult (RecordEditor::*store)(int)) {
        auto* s = new CDMarker(this, QRect());
        connect(s, &CDMarker::MarkerPos, this,
                [this, store](int position) { (controller_->Editor().*store)(position); });
        s->SetImages(QRect(QPoint(0, 0), ToQSize(kSliderImageSize)),
                     LoadSkin(programFolder_, skin::kStageSliderTrack),
                     LoadSkin(programFolder_, skin::kStageSliderFill));
        s->SetRange(kSliderMin, kSliderMax);
        s->hide();
        return s;
    };
    xSlider_ = slider(&RecordEditor::SetSensitivityX);
    ySlider_ = slider(&RecordEditor::SetSensitivityY);
    settingsHost_ = new CDlgadvance({programFolder_,
                                     controller_->LanguageCode(),
                                     controller_->Text(),
                                     controller_->Editor(),
                                     {}},
                                    this);
    settingsHost_->setGeometry(ToQRect(kSettingsHostRect));
    connect(settingsHost_, &CDlgadvance::Clicked, this, [this] { HighlightEntry(-1); });
    new CSkinScrollWnd(*settingsHost_, LoadSkin(programFolder_, skin::kScrollBar));
}

void CKestalDlg::BuildWindow() {
    const std::string& code = controller_->LanguageCode();
    captionFont_ = UiFont(code, kCaptionFontHeight);
    sectionHeight_ = LoadSkin(programFolder_, skin::kAssignmentPanel).height();
    MakeChildren();
    SetTexts();
    controller_->Editor().AddObserver(
        [this](const RecordChange& change) { OnRecordChange(change); });
    assignmentMenus_ = std::make_unique<CAssignmentMenus>(
        AssignmentMenuParts{*this, programFolder_, controller_->Text(), controller_->LanguageCode(),
                            captionFont_, controller_->Files().MacroStorePath(), MakeKeyCapture},
        controller_->Editor().Record(),
        [this](int entry, const EntryChoice& choice, const AssignmentContext& context) {
            controller_->Editor().AssignEntry(entry, choice, context);
        });
    connect(apply_, &CBitmapBtn::clicked, this, [this] {
        HighlightEntry(-1);
        controller_->ApplyFlow([this] { emit ApplyEnded(); });
    });
    connect(cancel_, &CBitmapBtn::clicked, this, [this] {
        HighlightEntry(-1);
        controller_->Cancel();
    });
    connect(close_, &CBitmapBtn::clicked, this, [this] {
        HighlightEntry(-1);
        controller_->Close();
    });
    connect(reset_, &CBitmapBtn::clicked, this, &CKestalDlg::Reset);
    connect(minimize_, &CBitmapBtn::clicked, this, [this] {
        HighlightEntry(-1);
        showMinimized();
    });
    connect(help_, &CBitmapBtn::clicked, this, &CKestalDlg::ShowHelpMenu);
    connect(topView_, &CBitmapBtn::clicked, this, [this] { SetView(MouseView::Top); });
    connect(sideView_, &CBitmapBtn::clicked, this, [this] { SetView(MouseView::Side); });
    connect(assignmentHeader_, &CBitmapBtn::clicked, this, [this] {
        HighlightEntry(-1);
        SetAssignmentSectionCollapsed(!assignmentCollapsed_);
    });
    connect(axisHeader_, &CBitmapBtn::clicked, this, [this] {
        HighlightEntry(-1);
        SetAxisSectionCollapsed(!axisCollapsed_);
    });
    connect(macroHeader_, &CBitmapBtn::clicked, this, [this] {
        HighlightEntry(-1);
        RunMacroManager();
    });
    connect(config_, &CBitmapBtn::clicked, this, &CKestalDlg::OpenProfileManager);
    SetView(MouseView::Top);
    SetAssignmentSectionCollapsed(true);
    SetAxisSectionCollapsed(true);
}

void CKestalDlg::SetTexts() {
    const UiTextTable& text = controller_->Text();
    reset_->SetText(Q(text.TxtReset));
    cancel_->SetText(Q(text.TxtCancel));
    apply_->SetText(Q(text.TxtApply));
    config_->SetText(Q(text.TxtConfig));
    topView_->SetText(Q(text.TxtTopView));
    sideView_->SetText(Q(text.TxtSideView));
    assignmentHeader_->SetText(Q(text.TxtButtonAssignment));
    macroHeader_->SetText(Q(text.TxtMacroManager));
    axisHeader_->SetText(Q(text.TxtAxisSensitivity));
}

void CKestalDlg::SetView(MouseView view) {
    highlighted_ = -1;
    ClearLabelChecks();
    topView_->SetChecked(view == MouseView::Top);
    sideView_->SetChecked(view == MouseView::Side);
    view_ = view;
    update(ToQRect(kMouseArea));
}

void CKestalDlg::ClearLabelChecks() {
    for (CBitmapBtn* box : labelBoxes_) {
        if (box != nullptr)
            box->SetChecked(false);
    }
}

void CKestalDlg::SetAssignmentSectionCollapsed(bool collapsed) {
    assignmentCollapsed_ = collapsed;
    ApplyLayout();
}

void CKestalDlg::SetAxisSectionCollapsed(bool collapsed) {
    axisCollapsed_ = collapsed;
    ApplyLayout();
}

// While the profile manager is open it covers the left column: the section buttons, the
// label boxes and the sliders are hidden.
void CKestalDlg::ApplyLayout() {
    const SectionLayout layout =
        LayOutSections(assignmentCollapsed_, axisCollapsed_, sectionHeight_);
    const bool column = profileManager_ == nullptr;
    macroHeader_->setGeometry(ToQRect(layout.macroHeader));
    axisHeader_->setGeometry(ToQRect(layout.axisHeader));
    for (CBitmapBtn* header : {assignmentHeader_, macroHeader_, axisHeader_})
        header->setVisible(column);
    for (CBitmapBtn* box : labelBoxes_)
        box->setVisible(layout.labelsVisible && column);
    xSlider_->setGeometry(ToQRect(layout.xSlider));
    ySlider_->setGeometry(ToQRect(layout.ySlider));
    xSlider_->setVisible(layout.slidersVisible && column);
    ySlider_->setVisible(layout.slidersVisible && column);
    update(ToQRect(kLeftColumn));
}

void CKestalDlg::HighlightEntry(int entry) {
    highlighted_ = entry;
    if (entry < 0)
        ClearLabelChecks();
    repaint(ToQRect(kMouseArea));
}

// The macro manager runs modally; after OK its twelve blocks become the record's macro slots
// and the buttons follow their macros, all through the record editor.
void CKestalDlg::RunMacroManager() {
    // The store's writes go to the data files' writer thread; their outcomes come back through
    // the application's queue.
    QueuedFileWrites writes(controller_->DiskWriter(), [](std::function<void()> task) {
        QMetaObject::invokeMethod(qApp, std::move(task), Qt::QueuedConnection);
    });
    CMacroProgramDialog dialog(programFolder_, controller_->LanguageCode(),
                               controller_->Files().MacroStorePath(), macroStaging_, MakeKeyCapture,
                               writes, this);
    if (dialog.exec() != QDialog::Accepted || !dialog.Result())
        return;
    controller_->TakeMacroManagerResult(*dialog.Result());
}

// The press checks the box alone and lights its button; what it opens (the menu, the last
// click's message) clears both when it closes, before the chosen command runs.
void CKestalDlg::OnLabelBoxPressed(int entry) {
    for (int k = 0; k < kEntryCount; ++k)
        LabelBox(k)->SetChecked(k == entry);
    HighlightEntry(entry);
    const std::optional<int> command = assignmentMenus_->Show(entry, *LabelBox(entry));
    if (!command)
        return;
    HighlightEntry(-1);
    assignmentMenus_->Dispatch(*command);
}

void CKestalDlg::RefreshLabel(int entry) {
    LabelBox(entry)->SetText(Q(controller_->Editor().Labels()[static_cast<std::size_t>(entry)]));
}

void CKestalDlg::OnRecordChange(const RecordChange& change) {
    settingsHost_->OnRecordChange(change);
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

void CKestalDlg::PlaceSliders() {
    const MouseConfig& record = controller_->Editor().Record();
    auto place = [](CDMarker* slider, int value) {
        slider->SetPos(value >= kSliderMin && value <= kSliderMax ? value : kSliderMin);
    };
    place(xSlider_, record.sensitivityX);
    place(ySlider_, record.sensitivityY);
}

void CKestalDlg::ShowLabels() {
    for (int k = 0; k < kEntryCount; ++k)
        RefreshLabel(k);
}

void CKestalDlg::ShowRecord() {
    PlaceSliders();
    ShowLabels();
    update();
}

void CKestalDlg::HideToTray() {
    if (trayPresent_) {
        hide();
    } else {
        showMinimized();
    }
}

// The desktop's own close (the window has no frame of its own to close it by) does what
// the close button does.
void CKestalDlg::closeEvent(QCloseEvent* event) {
    event->ignore();
    if (trayPresent_) {
        controller_->Close();
    } else {
        emit ExitRequested();
    }
}

void CKestalDlg::ShowFromTray() {
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

void CKestalDlg::SetBusy(bool busy) {
    busy_ = busy;
    apply_->setEnabled(!busy);
    if (busy) {
        QApplication::setOverrideCursor(Qt::WaitCursor);
        outcomeTimer_->stop();
        outcomeText_.clear();
        progressText_.clear();
        progressStep_ = progressSteps_ = 0;
    } else {
        QApplication::restoreOverrideCursor();
        Diagnostic("The window takes input again.\n");
    }
    update(ToQRect(kProgressRect));
}

void CKestalDlg::ShowApplyProgress(const ApplyProgressStep& step) {
    progressStep_ = step.step;
    progressSteps_ = step.stepCount;
    progressText_ = Q(step.text);
    update(ToQRect(kProgressRect));
}

// A write that went well leaves a short note where its progress was; a problem (the mouse did
// not take it, the profile files were not saved) is a warning that waits for the user, without
// holding up the window.
void CKestalDlg::ShowApplyOutcome(const ApplyReport& report) {
    if (report.problem) {
        auto* box = new QMessageBox(QMessageBox::Warning, "Vorlak", Q(report.text), QMessageBox::Ok,
                                    isVisible() ? this : nullptr);
        box->setAttribute(Qt::WA_DeleteOnClose);
        OpenInLanguage(*box, controller_->LanguageCode());
        return;
    }
    outcomeText_ = Q(report.text);
    outcomeTimer_->start();
    update(ToQRect(kProgressRect));
}

void CKestalDlg::OpenProfileManager() {
    HighlightEntry(-1);
    if (profileManager_ != nullptr ||
        !controller_->OpenProfileManager(controller_->Store().currentProfileIndex))
        return;
    const std::string& code = controller_->LanguageCode();
    // The manager's own font: Simplified Chinese in "宋体", as on all but one system version.
    // It tracks the entry the controller took (a renumbering finished on opening may move it).
    profileManager_ = new CConfigDialog(programFolder_, controller_->Files().ProfileListPath(),
                                        code, FaceFont(ProfileManagerFont(code, false)),
                                        controller_->Store().selectedProfile, this);
    ConnectProfileManager();
    profileManager_->move(0, 0);
    profileManager_->show();
    profileManager_->raise();
    ApplyLayout();
}

void CKestalDlg::CloseProfileManager() {
    delete profileManager_;
    profileManager_ = nullptr;
    ApplyLayout();
}

// The profile manager's requests: Load and Save go through the file dialog, Close hands the
// edited list to the controller. They run after the handler that sent them has returned, since
// the file dialog waits for the user and the closed manager goes.
void CKestalDlg::ConnectProfileManager() {
    auto choose = [this](ProfileFileAction action) {
        return ChooseProfileFile(this, action, controller_->Files().ConfigFilePath(),
                                 controller_->LanguageCode());
    };
    connect(
        profileManager_, &CConfigDialog::LoadRequested, this,
        [this, choose] {
            if (auto chosen = choose(ProfileFileAction::Load))
                controller_->ImportChosenProfile(*chosen);
        },
        Qt::QueuedConnection);
    connect(
        profileManager_, &CConfigDialog::SaveRequested, this,
        [this, choose] {
            if (auto chosen = choose(ProfileFileAction::Save))
                controller_->ExportChosenProfile(*chosen);
        },
        Qt::QueuedConnection);
    connect(
        profileManager_, &CConfigDialog::Closed, this,
        [this](int current, const std::optional<ProfileList>& list) {
            controller_->ProfileManagerClosed(list, current);
        },
        Qt::QueuedConnection);
}

// Told without waiting: start-up and Apply go on while the box is open.
void CKestalDlg::ShowDataProblem(const std::string& text) {
    auto* box = new QMessageBox(QMessageBox::Warning, "Vorlak", Q(text), QMessageBox::Ok,
                                isVisible() ? this : nullptr);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->open();
}

// A notice of the desktop's (or the tray's): it neither covers the window nor waits for an
// answer.
void CKestalDlg::ShowPointerNotice(const PointerNotice& notice) {
    emit NoticeReady(Q(notice.title), Q(notice.Text("\n")));
}

void CKestalDlg::Reset() {
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

void CKestalDlg::ShowHelpMenu() {
    HighlightEntry(-1);
    CExMenu menu(captionFont_, this);
    menu.SetWidth(kHelpMenuWidth);
    menu.AppendItem(kWebSiteCommand, Q(controller_->Text().TxtWebAddress));
    menu.AppendItem(kVersionCommand, "Version:1.0");
    if (menu.Show(QCursor::pos()) == kWebSiteCommand)
        QDesktopServices::openUrl(QUrl(Q(controller_->Text().TxtWebAddress)));
}

void CKestalDlg::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.drawImage(0, 0, background_);
    DrawSkin(painter, programFolder_, skin::kMainMid, kMouseArea.left, kMouseArea.top);
    PaintMouse(painter);
    painter.setFont(captionFont_);
    painter.setPen(Qt::white);
    DrawSkin(painter, programFolder_, skin::kMainLeft, 0, 0);
    DrawSkin(painter, programFolder_, skin::kMouseLogo, kMouseLogoAt.x, kMouseLogoAt.y);
    DrawSkin(painter, programFolder_, skin::kLogo, kLogoAt.x, kLogoAt.y);
    PaintLeftColumn(painter);
    painter.drawText(QPoint(kColorNotePos.x, kColorNotePos.y + painter.fontMetrics().ascent()),
                     Q(controller_->Text().TxtColorNote));
    PaintProgress(painter);
}

void CKestalDlg::PaintMouse(QPainter& painter) const {
    const MousePicture picture = PictureOf(view_);
    DrawSkinImage(painter, programFolder_, picture.image, picture.position.x, picture.position.y);
    const int lit = OverlayOfEntry(highlighted_);
    for (int n = 1; n <= 7; ++n) {
        const PixelPoint at = OverlayPosition(view_, n);
        DrawSkinImage(painter, programFolder_, OverlayImage(view_, n, n == lit), at.x, at.y);
    }
}

void CKestalDlg::PaintLeftColumn(QPainter& painter) const {
    const UiTextTable& text = controller_->Text();
    if (!assignmentCollapsed_) {
        DrawSkin(painter, programFolder_, skin::kAssignmentPanel, kAssignmentPanelAt.x,
                 kAssignmentPanelAt.y);
        const std::array<const std::string*, 7> captions = {
            &text.TxtButton1, &text.TxtButton2, &text.TxtButton3, &text.TxtButton4,
            &text.TxtButton5, &text.TxtButton6, &text.TxtButton7};
        for (int k = 0; k < kEntryCount; ++k) {
            const QString caption =
                k < 7 ? Q(*captions[static_cast<std::size_t>(k)]) : QString("Shift+%1").arg(k - 6);
            painter.drawText(ToQRect(CaptionRect(k)), Qt::AlignCenter | Qt::TextSingleLine,
                             caption);
        }
    }
    if (!axisCollapsed_) {
        const PixelRect header =
            LayOutSections(assignmentCollapsed_, false, sectionHeight_).axisHeader;
        DrawSkin(painter, programFolder_, skin::kAxisPanel, header.left, header.bottom);
        const int flags = Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine;
        painter.drawText(ToQRect(AxisLabelRect(header, 0)), flags, Q(text.TxtXAxis));
        painter.drawText(ToQRect(AxisLabelRect(header, 1)), flags, Q(text.TxtYAxis));
        for (int i = 1; i <= 10; ++i) {
            for (int row : {0, 1})
                painter.drawText(ToQRect(AxisNumberRect(header, row, i)), flags,
                                 QString::number(i));
        }
    }
}

void CKestalDlg::PaintProgress(QPainter& painter) const {
    const QRect bar = ToQRect(kProgressRect);
    if (!busy_) {
        if (!outcomeText_.isEmpty()) {
            painter.setPen(Qt::white);
            painter.drawText(bar, Qt::AlignCenter | Qt::TextSingleLine, outcomeText_);
        }
        return;
    }
    painter.fillRect(bar, QColor(40, 16, 16));
    if (progressSteps_ > 0) {
        QRect done = bar;
        done.setWidth(bar.width() * progressStep_ / progressSteps_);
        painter.fillRect(done, QColor(143, 32, 32));
    }
    painter.setPen(QColor(111, 41, 41));
    painter.drawRect(bar.adjusted(0, 0, -1, -1));
    painter.setPen(Qt::white);
    painter.drawText(bar, Qt::AlignCenter | Qt::TextSingleLine, progressText_);
}

// A press on the background clears the highlight; dragging it moves the window, as its
// caption would.
void CKestalDlg::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton)
        return;
    HighlightEntry(-1);
    mover_.Pressed(*event);
}

void CKestalDlg::mouseMoveEvent(QMouseEvent* event) {
    mover_.Moved(*this, *event);
}

void CKestalDlg::mouseReleaseEvent(QMouseEvent*) {
    mover_.Released();
}

}  // namespace vorlak
