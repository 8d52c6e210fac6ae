// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/profile_file_dialog.h"

#include <QApplication>
#include <QFileDialog>
#include <QLibraryInfo>
#include <QTranslator>

#include <utility>

#include "text/ui_text.h"

namespace vorlak {
namespace {

QPalette DarkPalette() {
    QPalette p;
    p.setColor(QPalette::Window, QColor(45, 45, 48));
    p.setColor(QPalette::WindowText, QColor(240, 240, 240));
    p.setColor(QPalette::Base, QColor(30, 30, 32));
    p.setColor(QPalette::AlternateBase, QColor(40, 40, 44));
    p.setColor(QPalette::Text, QColor(240, 240, 240));
    p.setColor(QPalette::Button, QColor(60, 60, 64));
    p.setColor(QPalette::ButtonText, QColor(240, 240, 240));
    p.setColor(QPalette::Highlight, QColor(143, 32, 32));
    p.setColor(QPalette::HighlightedText, Qt::white);
    p.setColor(QPalette::ToolTipBase, QColor(45, 45, 48));
    p.setColor(QPalette::ToolTipText, QColor(240, 240, 240));
    p.setColor(QPalette::Disabled, QPalette::Text, QColor(120, 120, 120));
    p.setColor(QPalette::Disabled, QPalette::ButtonText, QColor(120, 120, 120));
    return p;
}

// Qt's own texts in the language of the code, once for the program; English needs none.
void InstallQtTranslation(std::string_view languageCode) {
    static bool installed = false;
    if (std::exchange(installed, true))
        return;
    const char* locale = languageCode == kLanguageSimplified    ? "zh_CN"
                         : languageCode == kLanguageTraditional ? "zh_TW"
                         : languageCode == kLanguageGerman      ? "de"
                                                                : nullptr;
    if (locale == nullptr)
        return;
    auto* translator = new QTranslator(qApp);
    if (translator->load(QString("qtbase_") + locale,
                         QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QApplication::installTranslator(translator);
    } else {
        delete translator;
    }
}

}  // namespace

std::optional<std::filesystem::path> ChooseProfileFile(QWidget* parent, ProfileFileAction action,
                                                       const std::filesystem::path& start,
                                                       std::string_view languageCode) {
    InstallQtTranslation(languageCode);
    QFileDialog dialog(parent);
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setPalette(DarkPalette());
    dialog.setNameFilter("Palvex Profile(*.bin)");
    dialog.setDirectory(QString::fromStdString(start.parent_path().string()));
    dialog.selectFile(QString::fromStdString(start.filename().string()));
    if (action == ProfileFileAction::Load) {
        dialog.setAcceptMode(QFileDialog::AcceptOpen);
        dialog.setFileMode(QFileDialog::ExistingFile);
    } else {
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setFileMode(QFileDialog::AnyFile);
    }
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return std::filesystem::path(dialog.selectedFiles().front().toStdString());
}

}  // namespace vorlak
