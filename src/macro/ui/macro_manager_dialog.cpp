// SPDX-License-Identifier: GPL-3.0-or-later
#include "macro/ui/macro_manager_dialog.h"

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

#include "controls/dialog_keys.h"
#include "controls/language_message_box.h"
#include "controls/list_box.h"
#include "controls/list_entry_editor.h"
#include "controls/pixel_geometry.h"
#include "controls/shortcuts_note.h"
#include "controls/skin_button.h"
#include "controls/skin_image.h"
#include "controls/skin_menu.h"
#include "controls/ui_font.h"
#include "text/dialog_texts.h"
#include "text/macro_cut_text.h"
#include "text/macro_store_text.h"

namespace vorlak {
namespace {

namespace manager = layout::macro_manager;

const QColor kListBackground(109, 109, 109);
const QColor kFieldBackground(34, 24, 21);

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

MacroManagerDialog::MacroManagerDialog(std::filesystem::path programFolder,
                                       std::string languageCode,
                                       const std::filesystem::path& macroStorePath,
                                       MacroRows& staging, MacroKeyCaptureFactory makeCapture,
                                       FileWrites& writes, QWidget* parent)
    : SkinnedDialog(std::move(programFolder),
                    {skin::kMacroManager, manager::kSize, kListBackground, true}, parent,
                    Qt::Dialog | Qt::FramelessWindowHint),
      languageCode_(std::move(languageCode)),
      storePath_(macroStorePath),
      writes_(writes) {
    const MacroManagerTexts texts = MacroManagerTextsFor(languageCode_);
    setWindowTitle(Q(texts.title));
    // The Windows keys do nothing here either.
    new DialogKeyFilter(*this, {true, {}});
    font_ = FaceFont(MacroManagerFont(languageCode_));
    SetButtons({manager::kOk, manager::kCancel, manager::kNew, manager::kDelete, manager::kClose});
    SetCaption(kOk, Q(texts.ok));
    SetCaption(kCancel, Q(texts.cancel));
    SetCaption(kNew, Q(texts.newButton));
    SetCaption(kDelete, Q(texts.deleteButton));
    SetCaptionFont(font_);
    if (!HasBackground()) {
        QTimer::singleShot(0, this, [this] {
            QMessageBox::information(this, "Macro Manager Dialog Load background image failed!!!",
                                     "error");
        });
        return;
    }
    MakeChildren();
    capture_ = makeCapture(*this);
    QLabel* shortcutsNote =
        MakeShortcutsNote(*this, ToQRect(manager::kShortcutsNoteRect), font_, languageCode_);
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

MacroManagerDialog::~MacroManagerDialog() {
    manager_.reset();
}

QRect MacroManagerDialog::RecordDelayBox() {
    return ToQRect(manager::kRecordDelayBox);
}

QRect MacroManagerDialog::LoopsBox() {
    return ToQRect(manager::kLoopsBox);
}

void MacroManagerDialog::MakeChildren() {
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
    macroList_ = makeList(ToQRect(manager::kMacroListRect));
    macroList_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    eventList_ = makeList(ToQRect(manager::kEventListRect));
    eventList_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    connect(macroList_, &QListWidget::currentRowChanged, this,
            [this](int row) { manager_->SelectMacro(row); });
    connect(macroList_, &QListWidget::itemDoubleClicked, this, [this](QListWidgetItem* item) {
        if (!editing_)
            BeginEdit(*macroList_, macroList_->row(item), ListEditMode::MacroName);
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
    loopField_->setGeometry(ToQRect(manager::kLoopFieldRect));
    loopField_->setFont(font_);
    loopField_->setFrame(false);
    loopField_->setAlignment(Qt::AlignCenter);
    loopField_->setValidator(
        new QRegularExpressionValidator(QRegularExpression("[0-9]*"), loopField_));
    UseColours(*loopField_, kFieldBackground);
    connect(loopField_, &QLineEdit::textEdited, this,
            [this](const QString& text) { manager_->SetLoopField(S(text)); });

    recordButton_ = new SkinButton(this);
    const QRect record = ToQRect(manager::kRecordButtonRect);
    recordButton_->setGeometry(record);
    const QImage normal = LoadSkin(ProgramFolder(), skin::kRecordNormal);
    const QImage over = LoadSkin(ProgramFolder(), skin::kRecordOver);
    recordButton_->LoadBitmaps(QRect(0, 0, manager::kRecordImageWidth, record.height()), normal,
                               over, over, normal);
    recordButton_->SetAlignment(SkinButton::Alignment::Centred);
    const DialogFont captionFont = MacroRecordButtonFont(languageCode_);
    recordButton_->SetFontFace(Q(captionFont.face));
    recordButton_->SetFontHeight(captionFont.height);
    recordButton_->SetText(Q(texts.startRecording));
    connect(recordButton_, &SkinButton::clicked, this, [this] {
        if (!ending_)
            manager_->RecordButton();
    });
}

void MacroManagerDialog::Show(ManagerChange change) {
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

void MacroManagerDialog::ShowNames() {
    ShowTexts(*macroList_, manager_->Names(), manager_->SelectedMacro());
}

void MacroManagerDialog::ShowEvents() {
    ShowTexts(*eventList_, manager_->Events(), manager_->SelectedEvent());
}

void MacroManagerDialog::ShowLoopField() {
    const QSignalBlocker block(loopField_);
    if (loopField_->text() != Q(manager_->LoopField()))
        loopField_->setText(Q(manager_->LoopField()));
    loopField_->setEnabled(manager_->LoopFieldEnabled());
}

void MacroManagerDialog::ShowRecording() {
    const MacroManagerTexts texts = MacroManagerTextsFor(languageCode_);
    const bool recording = manager_->Recording();
    recordButton_->SetText(Q(recording ? texts.stopRecording : texts.startRecording));
    recordButton_->SetChecked(recording);
    recordButton_->update();
}

void MacroManagerDialog::OnEventClicked(int row) {
    if (editing_ || !manager_->ClickEvent(row))
        return;
    BeginEdit(*eventList_, row, ListEditMode::Delay);
}

void MacroManagerDialog::BeginEdit(QListWidget& list, int row, ListEditMode mode) {
    ListEntryEditor* editor = ListEntryEditor::BeginEdit(list, row, mode);
    if (editor == nullptr)
        return;
    editing_ = true;
    connect(
        editor, &ListEntryEditor::EditEnded, this,
        [this, &list](int index) { OnEditEnded(&list, index); }, Qt::QueuedConnection);
}

void MacroManagerDialog::OnEditEnded(QListWidget* list, int index) {
    editing_ = false;
    const QListWidgetItem* item = list->item(index);
    const std::string text = item != nullptr ? S(item->text()) : std::string();
    if (list == macroList_)
        manager_->EndNameEdit(index, text);
    else
        manager_->EndDelayEdit(index, text);
}

void MacroManagerDialog::RunEventCommand(int command) {
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
void MacroManagerDialog::OpenEventMenu(const QPoint& globalPos) {
    if (manager_->SelectedEvent() < 0)
        return;
    manager_->StopRecording();
    const MacroManagerTexts texts = MacroManagerTextsFor(languageCode_);
    SkinMenu menu(font_, this);
    menu.AppendItem(kDeleteEvent, Q(texts.deleteButton));
    menu.AppendItem(kInsertLeft, Q(texts.insertLeftButton));
    menu.AppendItem(kInsertMiddle, Q(texts.insertMiddleButton));
    menu.AppendItem(kInsertRight, Q(texts.insertRightButton));
    menu.AppendItem(kInsertDelay, Q(texts.insertDelay));
    menu.SetWidth(manager::kMenuWidth);
    RunEventCommand(menu.Show(globalPos));
}

// OK finishes once the store's writes have ended; when the last one failed the store does not
// hold the list, and the dialog stays open with the reason.
void MacroManagerDialog::Ok() {
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

void MacroManagerDialog::ShowCutMacrosAndAccept() {
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
void MacroManagerDialog::Cancel() {
    ending_ = true;
    manager_->Cancel([this] {
        if (const std::error_code problem = manager_->StoreProblem())
            ShowStoreFailure(problem, StoreFailureMoment::Cancel);
        reject();
    });
}

// Told after the handler that made the write has returned (a write may fail at once).
void MacroManagerDialog::TellStoreFailure(std::error_code error) {
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
void MacroManagerDialog::ShowStoreFailure(std::error_code error, StoreFailureMoment moment) {
    const std::string text =
        MacroStoreFailureText(languageCode_, storePath_, error.message(), moment);
    QMessageBox box(QMessageBox::Warning, Q(MacroManagerTextsFor(languageCode_).limitCaption),
                    Q(text), QMessageBox::Ok, this);
    showingFailure_ = true;
    ShowInLanguage(box, languageCode_);
    showingFailure_ = false;
    failureDue_ = {};
}

void MacroManagerDialog::ShowLimitMessage() {
    const MacroManagerTexts texts = MacroManagerTextsFor(languageCode_);
    QMessageBox box(QMessageBox::NoIcon, Q(texts.limitCaption), Q(texts.limitMessage),
                    QMessageBox::Ok, this);
    ShowInLanguage(box, languageCode_);
}

void MacroManagerDialog::ShowCaptureFailure(int errorCode) {
    QMessageBox box(QMessageBox::NoIcon, QGuiApplication::applicationDisplayName(),
                    QString::asprintf("JournalRecordHook Install error code :%d\n", errorCode),
                    QMessageBox::Ok, this);
    ShowInLanguage(box, languageCode_);
}

void MacroManagerDialog::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    PaintBackground(painter);
    painter.setFont(font_);
    painter.setPen(Qt::white);
    PaintButtons(painter);
    if (manager_ != nullptr) {
        auto box = [&](bool on, const QRect& at) {
            DrawSkin(painter, ProgramFolder(), on ? skin::kCheckBoxOn : skin::kCheckBoxOff, at.x(),
                     at.y());
        };
        box(manager_->Loops(), LoopsBox());
        box(manager_->RecordDelays(), RecordDelayBox());
    }
    const MacroManagerTexts texts = MacroManagerTextsFor(languageCode_);
    auto text = [&](const PixelRect& rect, int flags, std::string_view shown) {
        painter.drawText(ToQRect(rect), flags, Q(shown));
    };
    text(manager::kTitleRect, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, texts.title);
    text(manager::kMacroHeading, Qt::AlignCenter | Qt::TextSingleLine, texts.macroColumn);
    text(manager::kEventHeading, Qt::AlignCenter | Qt::TextSingleLine, texts.eventColumn);
    text(manager::kOptionsHeading, Qt::AlignCenter | Qt::TextSingleLine, texts.optionsColumn);
    text(manager::kLoopsText, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextWordWrap,
         texts.loopsOption);
    text(manager::kRecordDelayText, Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap,
         texts.recordDelayOption);
}

// A press on a free spot may begin a move of the window, as by a caption.
bool MacroManagerDialog::Pressed(const QPoint& at, int button) {
    if (manager_ == nullptr) {
        if (button >= 0)
            reject();
        return true;
    }
    if (ending_)
        return true;
    eventList_->setFocus();
    switch (button) {
        case kOk:
            Ok();
            return true;
        case kCancel:
        case kClose:
            Cancel();
            return true;
        case kNew:
            if (!manager_->New())
                ShowLimitMessage();
            return true;
        case kDelete:
            manager_->Delete();
            return true;
        default:
            break;
    }
    if (RecordDelayBox().contains(at))
        manager_->ToggleRecordDelays();
    else if (LoopsBox().contains(at))
        manager_->ToggleLoops();
    else
        return false;
    return true;
}

bool MacroManagerDialog::eventFilter(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    if (manager_ != nullptr && eventList_ != nullptr && watched == eventList_->viewport() &&
        (type == QEvent::MouseButtonPress || type == QEvent::MouseButtonDblClick) &&
        static_cast<QMouseEvent*>(event)->button() == Qt::RightButton) {
        OpenEventMenu(static_cast<QMouseEvent*>(event)->globalPosition().toPoint());
        return true;
    }
    return SkinnedDialog::eventFilter(watched, event);
}

}  // namespace vorlak
