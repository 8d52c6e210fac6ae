// SPDX-License-Identifier: GPL-3.0-or-later
#include "profiles/ui/profile_manager_dialog.h"

#include <QCoreApplication>
#include <QCursor>
#include <QKeyEvent>
#include <QListWidget>
#include <QMessageBox>
#include <QPainter>

#include "controls/dialog_keys.h"
#include "controls/language_message_box.h"
#include "controls/list_box.h"
#include "controls/list_entry_editor.h"
#include "controls/skin_image.h"
#include "controls/skin_menu.h"
#include "record/ini_file.h"

namespace vorlak {
namespace {

namespace manager = layout::profile_manager;

constexpr int kTextFlags = Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine;

QString Q(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace

ProfileManagerDialog::ProfileManagerDialog(const std::filesystem::path& programFolder,
                                           const std::filesystem::path& listFile,
                                           std::string_view languageCode, const QFont& font,
                                           int current, QWidget* parent)
    : Skinned(programFolder, {skin::kProfileManager, manager::kSize, QColor(40, 40, 40), false},
              parent),
      languageCode_(languageCode),
      texts_(ProfileManagerTextsFor(languageCode)),
      font_(font),
      tracked_(current) {
    new DialogKeyFilter(*this, {});
    SetButtons({manager::kClose});
    if (!HasBackground()) {
        QMessageBox::warning(parent, "Config Dialog Load background image failed!!!", "error");
        return;
    }
    MakeList();
    const IniFile file = IniFile::Open(listFile);
    if (file.FileExisted()) {
        profiles_ = ProfileList::Read(file);
        listRead_ = true;
    }
    for (const ProfileEntry& entry : profiles_.Entries())
        AddEntry(entry.name);
    if (profiles_.Contains(current))
        list_->setCurrentRow(current);
}

ProfileManagerDialog::~ProfileManagerDialog() = default;

void ProfileManagerDialog::MakeList() {
    list_ = new ListBox(this);
    list_->setObjectName("profileList");
    list_->setGeometry(kListRect);
    list_->setFrameShape(QFrame::NoFrame);
    list_->setFont(font_);
    list_->setSelectionMode(QAbstractItemView::SingleSelection);
    list_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    QPalette colours = list_->palette();
    colours.setColor(QPalette::Base, QColor(40, 40, 40));
    colours.setColor(QPalette::Text, QColor(250, 250, 250));
    colours.setColor(QPalette::Highlight, QColor(143, 32, 32));
    colours.setColor(QPalette::HighlightedText, QColor(250, 250, 250));
    list_->setPalette(colours);
    list_->installEventFilter(this);
    list_->viewport()->installEventFilter(this);
    connect(list_, &QListWidget::itemClicked, this,
            [this](QListWidgetItem* item) { OnEntryClicked(list_->row(item)); });
    connect(list_, &QListWidget::itemDoubleClicked, this,
            [this](QListWidgetItem* item) { OnEntryClicked(list_->row(item)); });
    // The keyboard's selection is tracked as a first click's is; it renames nothing.
    connect(list_, &ListBox::RowMovedByKey, this, [this](int row) {
        if (row >= 0)
            tracked_ = row;
    });
}

void ProfileManagerDialog::AddEntry(const std::string& name) {
    auto* item = new QListWidgetItem(QString::fromStdString(name));
    item->setSizeHint(QSize(0, manager::kRowHeight));
    list_->addItem(item);
}

int ProfileManagerDialog::Selected() const {
    if (list_ == nullptr || list_->selectedItems().isEmpty())
        return -1;
    return list_->row(list_->selectedItems().front());
}

void ProfileManagerDialog::New() {
    if (list_ == nullptr)
        return;
    const int index = profiles_.AddNew(texts_.baseName);
    if (index < 0) {
        QMessageBox box(QMessageBox::Warning, Q(texts_.limitCaption), Q(texts_.limitMessage),
                        QMessageBox::Ok, this);
        ShowInLanguage(box, languageCode_);
        return;
    }
    AddEntry(profiles_.Name(index));
    list_->setCurrentRow(index);
}

void ProfileManagerDialog::Delete() {
    const int selected = Selected();
    if (!profiles_.Delete(selected))
        return;
    delete list_->takeItem(selected);
    list_->clearSelection();
    list_->setCurrentRow(-1);
    // No entry is tracked any more: the first click on the entry that moved up selects it
    // rather than renaming it.
    tracked_ = -1;
}

void ProfileManagerDialog::Copy() {
    if (profiles_.Copy(Selected(), texts_.menuCopy))
        AddEntry(profiles_.Entries().back().name);
}

void ProfileManagerDialog::Edit() {
    OnEntryClicked(Selected());
}

// The first click on an entry tracks it; a click on the tracked entry renames it.
void ProfileManagerDialog::OnEntryClicked(int row) {
    if (row < 0)
        return;
    if (row == tracked_) {
        if (ListEntryEditor* editor =
                ListEntryEditor::BeginEdit(*list_, row, ListEditMode::ProfileName))
            connect(editor, &ListEntryEditor::EditEnded, this, &ProfileManagerDialog::OnEditEnded,
                    Qt::QueuedConnection);
    } else {
        tracked_ = row;
    }
}

// The editor has put the new text into the entry; the list takes it, or the old name goes
// back when the list file could not hold it.
void ProfileManagerDialog::OnEditEnded(int index) {
    QListWidgetItem* item = list_->item(index);
    if (item != nullptr && !profiles_.Rename(index, item->text().toStdString()))
        item->setText(QString::fromStdString(profiles_.Name(index)));
}

void ProfileManagerDialog::Load() {
    if (profiles_.Contains(Selected()))
        emit LoadRequested(Selected());
}

void ProfileManagerDialog::Save() {
    if (profiles_.Contains(Selected()))
        emit SaveRequested(Selected());
}

void ProfileManagerDialog::Close() {
    if (closed_)
        return;
    closed_ = true;
    const int selected = Selected();
    const int current = profiles_.Contains(selected) ? selected : (profiles_.Count() > 0 ? 0 : -1);
    emit Closed(current, listRead_ ? std::optional<ProfileList>(profiles_) : std::nullopt);
    hide();
}

void ProfileManagerDialog::ShowMenu(const QPoint& screenPoint) {
    SkinMenu menu(font_, this);
    menu.SetWidth(manager::kMenuWidth);
    menu.AppendItem(kDeleteCommand, Q(texts_.deleteButton));
    menu.AppendItem(kEditCommand, Q(texts_.menuEdit));
    menu.AppendItem(kCopyCommand, Q(texts_.menuCopy));
    menu.AppendItem(kLoadCommand, Q(texts_.menuLoad));
    menu.AppendItem(kSaveCommand, Q(texts_.menuSave));
    switch (menu.Show(screenPoint)) {
        case kDeleteCommand:
            return Delete();
        case kEditCommand:
            return Edit();
        case kCopyCommand:
            return Copy();
        case kLoadCommand:
            return Load();
        case kSaveCommand:
            return Save();
        default:
            return;
    }
}

bool ProfileManagerDialog::eventFilter(QObject* watched, QEvent* event) {
    const bool press =
        event->type() == QEvent::MouseButtonPress || event->type() == QEvent::MouseButtonDblClick;
    if (list_ != nullptr && watched == list_->viewport() && press &&
        static_cast<QMouseEvent*>(event)->button() == Qt::RightButton) {
        ShowMenu(static_cast<QMouseEvent*>(event)->globalPosition().toPoint());
        return true;
    }
    return Skinned::eventFilter(watched, event);
}

bool ProfileManagerDialog::Pressed(const QPoint& at, int button) {
    if (button == kClose) {
        Close();
    } else if (kNewHit.contains(at)) {
        New();
    } else if (kDeleteHit.contains(at)) {
        Delete();
    }
    return true;
}

void ProfileManagerDialog::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    PaintBackground(painter);
    PaintButtons(painter);
    painter.setFont(font_);
    painter.setPen(Qt::white);
    painter.drawText(ToQRect(manager::kTitleRect), kTextFlags, Q(texts_.title));
    for (const auto& [button, caption] :
         {std::pair{manager::kNew, texts_.newButton}, {manager::kDelete, texts_.deleteButton}}) {
        DrawSkin(painter, ProgramFolder(), button.icon, button.iconAt.x, button.iconAt.y);
        painter.drawText(ToQRect(button.caption), kTextFlags, Q(caption));
    }
}

}  // namespace vorlak
