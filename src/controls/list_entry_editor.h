// SPDX-License-Identifier: GPL-3.0-or-later
// The in-place list editor: a one-line edit laid over one entry of a list, whose text
// replaces the entry when the edit ends (list_entry_edit.h gives the rules of each mode).
// Enter, Tab, a left click outside it and the loss of the keyboard focus commit; Escape
// cancels. However it ends, it says so by EditEnded, so that the owning dialog can store the
// change.
#pragma once

#include <QLineEdit>
#include <QString>

#include "macro/list_entry_edit.h"

class QListWidget;

namespace vorlak {

class ListEntryEditor : public QLineEdit {
    Q_OBJECT
public:
    // Lays an editor over entry `index` of `list` (one pixel larger on every side) with the
    // entry's text selected, takes the pointer and the keyboard focus, and returns it. For an
    // index that is not an entry nothing is created (nullptr). The delay mode takes digits
    // only. The editor deletes itself when the edit ends.
    static ListEntryEditor* BeginEdit(QListWidget& list, int index, ListEditMode mode);

    int Index() const { return index_; }
    const QString& TextBefore() const { return before_; }

signals:
    // The edit of entry index has ended, its text written back or not. The owner connects
    // queued, so that it hears of the end once the editor has finished its part.
    void EditEnded(int index);

protected:
    bool event(QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    ListEntryEditor(QListWidget& list, int index, ListEditMode mode);
    // Ends the edit once: commits or cancels, says so, goes.
    void EndEdit(bool commit);

    QListWidget& list_;
    int index_;
    ListEditMode mode_;
    QString before_;
    bool ending_ = false;
};

}  // namespace vorlak
