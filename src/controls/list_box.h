// SPDX-License-Identifier: GPL-3.0-or-later
// The list of the skinned dialogs: a QListWidget that tells when the keyboard moved its
// selection. A selection the keyboard moves counts as the user's, as a click does; one the
// program sets does not.
#pragma once

#include <QListWidget>

namespace vorlak {

class ListBox : public QListWidget {
    Q_OBJECT
public:
    using QListWidget::QListWidget;

signals:
    // The keyboard made `row` the current row (-1: none).
    void RowMovedByKey(int row);

protected:
    void keyPressEvent(QKeyEvent* event) override;
};

}  // namespace vorlak
