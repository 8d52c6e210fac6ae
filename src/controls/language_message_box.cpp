// SPDX-License-Identifier: GPL-3.0-or-later
#include "controls/language_message_box.h"

#include <QAbstractButton>
#include <QMessageBox>

#include "text/dialog_texts.h"

namespace vorlak {
namespace {

void NameButtons(QMessageBox& box, std::string_view languageCode) {
    const KeyCaptureTexts words = KeyCaptureTextsFor(languageCode);
    if (QAbstractButton* ok = box.button(QMessageBox::Ok))
        ok->setText(QString::fromUtf8(words.ok.data(), static_cast<qsizetype>(words.ok.size())));
    if (QAbstractButton* cancel = box.button(QMessageBox::Cancel)) {
        cancel->setText(
            QString::fromUtf8(words.cancel.data(), static_cast<qsizetype>(words.cancel.size())));
    }
}

}  // namespace

int ShowInLanguage(QMessageBox& box, std::string_view languageCode) {
    NameButtons(box, languageCode);
    return box.exec();
}

void OpenInLanguage(QMessageBox& box, std::string_view languageCode) {
    NameButtons(box, languageCode);
    box.open();
}

}  // namespace vorlak
