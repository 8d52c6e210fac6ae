// SPDX-License-Identifier: GPL-3.0-or-later
#include "controls/list_entry_editor.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QListWidget>
#include <QRegularExpressionValidator>

#include <string>
#include <vector>

namespace vorlak {
namespace {

bool IsCommitKey(int key) {
    return key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Tab ||
           key == Qt::Key_Backtab;
}

}  // namespace

ListEntryEditor::ListEntryEditor(QListWidget& list, int index, ListEditMode mode)
    : QLineEdit(list.viewport()),
      list_(list),
      index_(index),
      mode_(mode),
      before_(list.item(index)->text()) {}

ListEntryEditor* ListEntryEditor::BeginEdit(QListWidget& list, int index, ListEditMode mode) {
    if (index < 0 || index >= list.count())
        return nullptr;
    auto* editor = new ListEntryEditor(list, index, mode);
    editor->setGeometry(list.visualItemRect(list.item(index)).adjusted(-1, -1, 1, 1));
    if (mode == ListEditMode::Delay) {
        editor->setValidator(new QRegularExpressionValidator(QRegularExpression("[0-9]*"), editor));
    }
    editor->setFont(list.font());
    editor->setText(editor->before_);
    editor->show();
    editor->grabMouse();
    editor->setFocus(Qt::OtherFocusReason);
    editor->selectAll();
    return editor;
}

// Every key comes here first: Tab and Enter never move the focus or press a default button.
bool ListEntryEditor::event(QEvent* event) {
    if (event->type() == QEvent::ShortcutOverride || event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (IsCommitKey(key) || key == Qt::Key_Escape) {
            if (event->type() == QEvent::KeyPress)
                EndEdit(key != Qt::Key_Escape);
            event->accept();
            return true;
        }
    }
    return QLineEdit::event(event);
}

// The editor holds the pointer: a press anywhere else ends the edit.
void ListEntryEditor::mousePressEvent(QMouseEvent* event) {
    if (!rect().contains(event->position().toPoint()) && event->button() == Qt::LeftButton) {
        EndEdit(true);
        return;
    }
    QLineEdit::mousePressEvent(event);
}

void ListEntryEditor::focusOutEvent(QFocusEvent* event) {
    QLineEdit::focusOutEvent(event);
    EndEdit(true);
}

void ListEntryEditor::EndEdit(bool commit) {
    if (ending_)
        return;
    ending_ = true;
    releaseMouse();
    if (commit) {
        std::vector<std::string> entries;
        for (int i = 0; i < list_.count(); ++i)
            entries.push_back(list_.item(i)->text().toStdString());
        const std::string replaced = CommittedEntryText(mode_, text().toStdString(), entries,
                                                        static_cast<std::size_t>(index_));
        list_.item(index_)->setText(QString::fromStdString(replaced));
        list_.setCurrentRow(index_);
    }
    QCoreApplication::removePostedEvents(this);
    emit EditEnded(index_);
    hide();
    deleteLater();
}

}  // namespace vorlak
