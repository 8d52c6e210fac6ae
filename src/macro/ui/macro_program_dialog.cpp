// SPDX-License-Identifier: GPL-3.0-or-later
#include "macro/ui/macro_program_dialog.h"

#include <QApplication>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPainter>
#include <QRegularExpressionValidator>
#include <QTimer>
#include <QWindow>

#include "controls/bitmap_btn.h"
#include "controls/dialog_keys.h"
#include "controls/edge_rect.h"
#include "controls/ex_menu.h"
#include "controls/language_message_box.h"
#include "controls/list_box.h"
#include "controls/shortcuts_note.h"
#include "controls/skin_image.h"
#include "controls/ui_font.h"
#include "macro/ui/lb_editor_wnd.h"
#include "text/dialog_texts.h"
#include "text/macro_cut_text.h"
#include "text/macro_store_text.h"

namespace vorlak {
namespace {

constexpr QSize kFallbackSize{490, 432};
const QColor kListBackground(109, 109, 109);
const QColor kFieldBackground(34, 24, 21);
const QRect kTitleRect = EdgeRect(15, 0, 414, 31);
const QRect kMacroHeading = EdgeRect(16, 60, 134, 78);
// In the options column, between the record-delay option and the loops.
const QRect kShortcutsNoteRect = EdgeRect(288, 180, 394, 292);
const QRect kEventHeading = EdgeRect(148, 60, 266, 78);
const QRect kOptionsHeading = EdgeRect(279, 60, 397, 78);
const QRect kMacroListRect = EdgeRect(21, 82, 130, 353);
const QRect kEventListRect(153, 82, 109, 271);
const QRect kRecordButtonRect = EdgeRect(295, 87, 384, 111);
const QRect kRecordDelayText = EdgeRect(290, 136, 370, 206);
const QRect kLoopsText = EdgeRect(296, 299, 401, 314);
const QRect kLoopFieldRect = EdgeRect(298, 333, 379, 345);
constexpr int kMenuWidth = 140;
constexpr std::string_view kTick = "Skins/MacroManagement/PaneMakingTick.png";
constexpr std::string_view kPane = "Skins/MacroManagement/Pane.png";

QString Q(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

std::string S(const QString& text) {
    return text.toStdString();
}

void UseColours(QWidget& widget, const QColor& background) {
    QPalette palette = widget.palette();
    for (QPalette::ColorRole role : {QPalette::Window, QPalette::Base})
        palette.setColor(role, background);
    for (QPalette::ColorRole role : {QPalette::WindowText, QPalette::Text})
        palette.setColor(role, Qt::white);
    widget.setPalette(palette);
    widget.setAutoFillBackground(true);
}

// Shows texts in a list: the rows are replaced only where they differ, so a list keeps its
// items while one of its own clicks is being handled.
void ShowTexts(QListWidget& list, const std::vector<std::string>& texts, int selected) {
    const QSignalBlocker block(list);
    const int count = static_cast<int>(texts.size());
    while (list.count() > count)
        delete list.takeItem(list.count() - 1);
    for (int i = 0; i < count; ++i) {
        const QString text = Q(texts[static_cast<std::size_t>(i)]);
        if (i < list.count()) {
            if (list.item(i)->text() != text)
                list.item(i)->setText(text);
        } else {
            list.addItem(text);
        }
    }
    if (selected >= 0) {
        list.setCurrentRow(selected);
        list.scrollToItem(list.item(selected));
    } else {
        list.setCurrentRow(-1);
        list.clearSelection();
    }
}

}  // namespace

CMacroProgramDialog::CMacroProgramDialog(std::filesystem::path programFolder,
                                         std::string languageCode,
                                         const std::filesystem::path& macroStorePath,
                                         MacroRows& staging, MacroKeyCaptureFactory makeCapture,
                                         FileWrites& writes, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint),
      programFolder_(std::move(programFolder)),
      languageCode_(std::move(languageCode)),
      storePath_(macroStorePath),
      writes_(writes),
      background_(SkinImage(programFolder_, "Skins/MacroManagement/MacroManagement.png")) {
    const MacroManagerTexts texts = MacroManagerTextsFor(languageCode_);
    setWindowTitle(Q(texts.title));
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFixedSize(background_.isNull() ? kFallbackSize : background_.size());
    qApp->installEventFilter(this);
    font_ = FaceFont(MacroManagerFont(languageCode_));
    const char* newNormal = "Skins/MacroManagement/button-new-normal.png";
    const char* newOver = "Skins/MacroManagement/button-new-over.png";
    const char* cancelNormal = "Skins/MacroManagement/button-cancel-normal.png";
    const char* cancelOver = "Skins/MacroManagement/button-cancel-over.png";
    buttons_ = {{
        {EdgeRect(298, 394, 352, 422), cancelNormal, cancelOver, Q(texts.ok)},
        {EdgeRect(354, 394, 408, 422), cancelNormal, cancelOver, Q(texts.cancel)},
        {EdgeRect(17, 367, 75, 392), newNormal, newOver, Q(texts.newButton)},
        {EdgeRect(77, 367, 135, 392), newNormal, newOver, Q(texts.deleteButton)},
        {EdgeRect(427, 17, 478, 41),
         "Skins/macro-button-close-normal.png",
         "Skins/macro-button-close-over.png",
         {}},
    }};
    if (background_.isNull()) {
        QTimer::singleShot(0, this, [this] {
            QMessageBox::information(this, "Macro Manager Dialog Load background image failed!!!",
                                     "error");
        });
        return;
    }
    MakeChildren();
    capture_ = makeCapture(*this);
    QLabel* shortcutsNote = MakeShortcutsNote(*this, kShortcutsNoteRect, font_, languageCode_);
    capture_->SetShortcutsHandler(
        [shortcutsNote](bool keeps) { shortcutsNote->setVisible(keeps); });
    manager_ = std::make_unique<MacroManager>(
        storePath_, writes_, staging, *capture_, SteadyMilliseconds(),
        [this](std::function<void()> task) {
            QMetaObject::invokeMethod(this, std::move(task), Qt::QueuedConnection);
        },
        std::string(texts.namePrefix),
        MacroManager::Notices{[this](ManagerChange change) { Show(change); },
                              [this](int errorCode) { ShowCaptureFailure(errorCode); },
                              [this](std::error_code error) { TellStoreFailure(error); }});
    ShowNames();
    ShowEvents();
    ShowLoopField();
    ShowRecording();
}

CMacroProgramDialog::~CMacroProgramDialog() {
    qApp->removeEventFilter(this);
    manager_.reset();
}

QRect CMacroProgramDialog::RecordDelayBox() {
    return EdgeRect(370, 144, 384, 158);
}

QRect CMacroProgramDialog::LoopsBox() {
    return EdgeRect(296, 314, 310, 328);
}

void CMacroProgramDialog::MakeChildren() {
    const MacroManagerTexts texts = MacroManagerTextsFor(languageCode_);
    auto makeList = [this](const QRect& rect) {
        auto* list = new ListBox(this);
        list->setGeometry(rect);
        list->setFont(font_);
        list->setFrameShape(QFrame::NoFrame);
        list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        UseColours(*list, kListBackground);
        list->installEventFilter(this);
        list->viewport()->installEventFilter(this);
        return list;
    };
    macroList_ = makeList(kMacroListRect);
    macroList_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    eventList_ = makeList(kEventListRect);
    eventList_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    connect(macroList_, &QListWidget::currentRowChanged, this,
            [this](int row) { manager_->SelectMacro(row); });
    connect(macroList_, &QListWidget::itemDoubleClicked, this, [this](QListWidgetItem* item) {
        if (!editing_ && CLBEditorWnd::BeginEdit(*macroList_, macroList_->row(item),
                                                 ListEditMode::MacroName) != nullptr)
            editing_ = true;
    });
    connect(eventList_, &QListWidget::currentRowChanged, this,
            [this](int row) { manager_->SelectEvent(row); });
    connect(eventList_, &ListBox::RowMovedByKey, this,
            [this](int row) { manager_->SelectEventByKey(row); });
    connect(eventList_, &QListWidget::itemClicked, this,
            [this](QListWidgetItem* item) { OnEventClicked(eventList_->row(item)); });
    connect(eventList_, &QListWidget::itemDoubleClicked, this,
            [this](QListWidgetItem* item) { OnEventClicked(eventList_->row(item)); });

    loopField_ = new QLineEdit(this);
    loopField_->setGeometry(kLoopFieldRect);
    loopField_->setFont(font_);
    loopField_->setFrame(false);
    loopField_->setAlignment(Qt::AlignCenter);
    loopField_->setValidator(
        new QRegularExpressionValidator(QRegularExpression("[0-9]*"), loopField_));
    UseColours(*loopField_, kFieldBackground);
    connect(loopField_, &QLineEdit::textEdited, this,
            [this](const QString& text) { manager_->SetLoopField(S(text)); });

    recordButton_ = new CBitmapBtn(this);
    recordButton_->setGeometry(kRecordButtonRect);
    const QImage normal = SkinImage(programFolder_, "Skins/MacroManagement/Record-normal.png");
    const QImage over = SkinImage(programFolder_, "Skins/MacroManagement/Record-over.png");
    recordButton_->LoadBitmaps(QRect(0, 0, 122, 24), normal, over, over, normal);
    recordButton_->SetAlignment(CBitmapBtn::Alignment::Centred);
    const DialogFont captionFont = MacroRecordButtonFont(languageCode_);
    recordButton_->SetFontFace(Q(captionFont.face));
    recordButton_->SetFontHeight(captionFont.height);
    recordButton_->SetText(Q(texts.startRecording));
    connect(recordButton_, &CBitmapBtn::clicked, this, [this] {
        if (!ending_)
            manager_->RecordButton();
    });
}

void CMacroProgramDialog::Show(ManagerChange change) {
    // The manager tells while it opens, before it is ours: the constructor shows it all then.
    if (manager_ == nullptr)
        return;
    switch (change) {
        case ManagerChange::Names:
            ShowNames();
            break;
        case ManagerChange::Events:
            ShowEvents();
            break;
        case ManagerChange::EventAppended: {
            const QSignalBlocker block(eventList_);
            eventList_->addItem(Q(manager_->Events().back()));
            eventList_->setCurrentRow(eventList_->count() - 1);
            eventList_->scrollToBottom();
            break;
        }
        case ManagerChange::LoopField:
            ShowLoopField();
            break;
        case ManagerChange::Options:
            update(RecordDelayBox());
            update(LoopsBox());
            break;
        case ManagerChange::Recording:
            ShowRecording();
            break;
    }
}

void CMacroProgramDialog::ShowNames() {
    ShowTexts(*macroList_, manager_->Names(), manager_->SelectedMacro());
}

void CMacroProgramDialog::ShowEvents() {
    ShowTexts(*eventList_, manager_->Events(), manager_->SelectedEvent());
}

void CMacroProgramDialog::ShowLoopField() {
    const QSignalBlocker block(loopField_);
    if (loopField_->text() != Q(manager_->LoopField()))
        loopField_->setText(Q(manager_->LoopField()));
    loopField_->setEnabled(manager_->LoopFieldEnabled());
}

void CMacroProgramDialog::ShowRecording() {
    const MacroManagerTexts texts = MacroManagerTextsFor(languageCode_);
    const bool recording = manager_->Recording();
    recordButton_->SetText(Q(recording ? texts.stopRecording : texts.startRecording));
    recordButton_->SetChecked(recording);
    recordButton_->update();
}

void CMacroProgramDialog::OnEventClicked(int row) {
    if (editing_ || !manager_->ClickEvent(row))
        return;
    if (CLBEditorWnd::BeginEdit(*eventList_, row, ListEditMode::Delay) != nullptr)
        editing_ = true;
}

void CMacroProgramDialog::OnEditEnded(QListWidget* list, int index) {
    editing_ = false;
    const QListWidgetItem* item = list->item(index);
    const std::string text = item != nullptr ? S(item->text()) : std::string();
    if (list == macroList_)
        manager_->EndNameEdit(index, text);
    else
        manager_->EndDelayEdit(index, text);
}

void CMacroProgramDialog::RunEventCommand(int command) {
    switch (command) {
        case kDeleteEvent:
            manager_->DeleteEvent();
            break;
        case kInsertLeft:
            manager_->InsertClick("L-Button");
            break;
        case kInsertMiddle:
            manager_->InsertClick("M-Button");
            break;
        case kInsertRight:
            manager_->InsertClick("R-Button");
            break;
        case kInsertDelay:
            manager_->InsertDelay();
            break;
        default:
            break;
    }
}

// A right press on the event list with an event selected: the recording ends and the menu
// acts on that event. The press itself never changes the selection, also when nothing is
// selected (then it does nothing).
void CMacroProgramDialog::OpenEventMenu(const QPoint& globalPos) {
    if (manager_->SelectedEvent() < 0)
        return;
    manager_->StopRecording();
    const MacroManagerTexts texts = MacroManagerTextsFor(languageCode_);
    CExMenu menu(font_, this);
    menu.AppendItem(kDeleteEvent, Q(texts.deleteButton));
    menu.AppendItem(kInsertLeft, Q(texts.insertLeftButton));
    menu.AppendItem(kInsertMiddle, Q(texts.insertMiddleButton));
    menu.AppendItem(kInsertRight, Q(texts.insertRightButton));
    menu.AppendItem(kInsertDelay, Q(texts.insertDelay));
    menu.SetWidth(kMenuWidth);
    RunEventCommand(menu.Show(globalPos));
}

// OK finishes once the store's writes have ended; when the last one failed the store does not
// hold the list, and the dialog stays open with the reason.
void CMacroProgramDialog::Ok() {
    ending_ = true;
    manager_->Ok([this](std::optional<MacroManagerResult> result) {
        ending_ = false;
        if (!result) {
            ShowStoreFailure(manager_->StoreProblem(), StoreFailureMoment::Ok);
            return;
        }
        result_ = std::move(result);
        ShowCutMacrosAndAccept();
    });
}

void CMacroProgramDialog::ShowCutMacrosAndAccept() {
    QStringList cut;
    for (std::size_t i = 0; i < result_->dropped.size(); ++i) {
        if (result_->dropped[i] > 0 && i < result_->names.size())
            cut << Q(MacroCutText(languageCode_, result_->names[i], result_->dropped[i]));
    }
    if (!cut.isEmpty()) {
        QMessageBox box(QMessageBox::Warning, Q(MacroManagerTextsFor(languageCode_).limitCaption),
                        cut.join('\n'), QMessageBox::Ok, this);
        ShowInLanguage(box, languageCode_);
    }
    accept();
}

// Cancel leaves once the writes have ended; when the last one failed, the user learns that
// the edits since the last save are lost.
void CMacroProgramDialog::Cancel() {
    ending_ = true;
    manager_->Cancel([this] {
        if (const std::error_code problem = manager_->StoreProblem())
            ShowStoreFailure(problem, StoreFailureMoment::Cancel);
        reject();
    });
}

// Told after the handler that made the write has returned (a write may fail at once).
void CMacroProgramDialog::TellStoreFailure(std::error_code error) {
    failureDue_ = error;
    QMetaObject::invokeMethod(
        this,
        [this] {
            if (failureDue_ && !ending_ && !showingFailure_)
                ShowStoreFailure(failureDue_, StoreFailureMoment::Edit);
        },
        Qt::QueuedConnection);
}

// The failures that come while the box is open are told by it.
void CMacroProgramDialog::ShowStoreFailure(std::error_code error, StoreFailureMoment moment) {
    const std::string text =
        MacroStoreFailureText(languageCode_, storePath_, error.message(), moment);
    QMessageBox box(QMessageBox::Warning, Q(MacroManagerTextsFor(languageCode_).limitCaption),
                    Q(text), QMessageBox::Ok, this);
    showingFailure_ = true;
    ShowInLanguage(box, languageCode_);
    showingFailure_ = false;
    failureDue_ = {};
}

void CMacroProgramDialog::ShowLimitMessage() {
    const MacroManagerTexts texts = MacroManagerTextsFor(languageCode_);
    QMessageBox box(QMessageBox::NoIcon, Q(texts.limitCaption), Q(texts.limitMessage),
                    QMessageBox::Ok, this);
    ShowInLanguage(box, languageCode_);
}

void CMacroProgramDialog::ShowCaptureFailure(int errorCode) {
    QMessageBox box(QMessageBox::NoIcon, QGuiApplication::applicationDisplayName(),
                    QString::asprintf("JournalRecordHook Install error code :%d\n", errorCode),
                    QMessageBox::Ok, this);
    ShowInLanguage(box, languageCode_);
}

void CMacroProgramDialog::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    if (background_.isNull())
        painter.fillRect(rect(), kListBackground);
    else
        painter.drawImage(0, 0, background_);
    painter.setFont(font_);
    painter.setPen(Qt::white);
    for (std::size_t i = 0; i < buttons_.size(); ++i)
        PaintButton(painter, programFolder_, buttons_[i], hovered_ == static_cast<int>(i));
    if (manager_ != nullptr) {
        DrawSkinImage(painter, programFolder_, manager_->Loops() ? kTick : kPane, LoopsBox().x(),
                      LoopsBox().y());
        DrawSkinImage(painter, programFolder_, manager_->RecordDelays() ? kTick : kPane,
                      RecordDelayBox().x(), RecordDelayBox().y());
    }
    const MacroManagerTexts texts = MacroManagerTextsFor(languageCode_);
    painter.drawText(kTitleRect, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine,
                     Q(texts.title));
    painter.drawText(kMacroHeading, Qt::AlignCenter | Qt::TextSingleLine, Q(texts.macroColumn));
    painter.drawText(kEventHeading, Qt::AlignCenter | Qt::TextSingleLine, Q(texts.eventColumn));
    painter.drawText(kOptionsHeading, Qt::AlignCenter | Qt::TextSingleLine, Q(texts.optionsColumn));
    painter.drawText(kLoopsText, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextWordWrap,
                     Q(texts.loopsOption));
    painter.drawText(kRecordDelayText, Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap,
                     Q(texts.recordDelayOption));
}

void CMacroProgramDialog::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton)
        return;
    const QPoint at = event->position().toPoint();
    if (manager_ == nullptr) {
        if (ButtonAt(buttons_, at) >= 0)
            reject();
        return;
    }
    if (ending_)
        return;
    eventList_->setFocus();
    switch (ButtonAt(buttons_, at)) {
        case kOk:
            Ok();
            return;
        case kCancel:
        case kClose:
            Cancel();
            return;
        case kNew:
            if (!manager_->New())
                ShowLimitMessage();
            return;
        case kDelete:
            manager_->Delete();
            return;
        default:
            break;
    }
    if (RecordDelayBox().contains(at))
        manager_->ToggleRecordDelays();
    else if (LoopsBox().contains(at))
        manager_->ToggleLoops();
    else
        pressAt_ = event->globalPosition().toPoint();
}

// The window moves when a press on a free spot is dragged, as by a caption.
void CMacroProgramDialog::mouseMoveEvent(QMouseEvent* event) {
    if (pressAt_ && (event->buttons() & Qt::LeftButton) != 0 &&
        (event->globalPosition().toPoint() - *pressAt_).manhattanLength() >=
            QApplication::startDragDistance()) {
        pressAt_.reset();
        if (windowHandle() != nullptr)
            windowHandle()->startSystemMove();
        return;
    }
    SetHovered(ButtonAt(buttons_, event->position().toPoint()));
}

void CMacroProgramDialog::mouseReleaseEvent(QMouseEvent*) {
    pressAt_.reset();
}

void CMacroProgramDialog::leaveEvent(QEvent*) {
    SetHovered(-1);
}

void CMacroProgramDialog::SetHovered(int button) {
    if (button == hovered_)
        return;
    hovered_ = button;
    for (const PaintedButton& painted : buttons_)
        update(painted.rect);
}

bool CMacroProgramDialog::IsOwnInput(const QObject* watched) const {
    const auto* widget = qobject_cast<const QWidget*>(watched);
    return widget != nullptr && (widget == this || isAncestorOf(widget));
}

bool CMacroProgramDialog::eventFilter(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    if (type == LbEditEndEvent::kType && (watched == macroList_ || watched == eventList_)) {
        OnEditEnded(static_cast<QListWidget*>(watched),
                    static_cast<LbEditEndEvent*>(event)->Index());
        return true;
    }
    if (manager_ != nullptr && eventList_ != nullptr && watched == eventList_->viewport() &&
        (type == QEvent::MouseButtonPress || type == QEvent::MouseButtonDblClick) &&
        static_cast<QMouseEvent*>(event)->button() == Qt::RightButton) {
        OpenEventMenu(static_cast<QMouseEvent*>(event)->globalPosition().toPoint());
        return true;
    }
    const bool key =
        type == QEvent::KeyPress || type == QEvent::KeyRelease || type == QEvent::ShortcutOverride;
    if (key && IsOwnInput(watched)) {
        const auto& keyEvent = *static_cast<QKeyEvent*>(event);
        // The Windows keys never reach the dialog.
        if (keyEvent.key() == Qt::Key_Super_L || keyEvent.key() == Qt::Key_Super_R ||
            keyEvent.key() == Qt::Key_Meta || IsSwallowedDialogKey(watched, keyEvent.key()))
            return true;
    }
    return QDialog::eventFilter(watched, event);
}

}  // namespace vorlak
