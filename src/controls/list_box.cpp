// SPDX-License-Identifier: GPL-3.0-or-later
#include "controls/list_box.h"

namespace vorlak {

void ListBox::keyPressEvent(QKeyEvent* event) {
    const int before = currentRow();
    QListWidget::keyPressEvent(event);
    if (currentRow() != before)
        emit RowMovedByKey(currentRow());
}

}  // namespace vorlak
