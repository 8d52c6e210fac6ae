// SPDX-License-Identifier: GPL-3.0-or-later
#include "controls/skin_path.h"

#include <QDir>
#include <QStringList>

namespace vorlak {

namespace {

QString FromUtf8(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace

QString SkinPath(const std::filesystem::path& programFolder, std::string_view name) {
    const QString skinFolder = FromUtf8(kSkinFolderName);
    QStringList parts = FromUtf8(name)
                            .replace(QLatin1Char('\\'), QLatin1Char('/'))
                            .split(QLatin1Char('/'), Qt::SkipEmptyParts);
    if (!parts.isEmpty() && parts.front().compare(skinFolder, Qt::CaseInsensitive) == 0)
        parts.front() = skinFolder;
    if (!programFolder.empty())
        parts.prepend(QString::fromStdString(programFolder.string()));
    // One spelling per file, so that the image cache holds each file once.
    return QDir::cleanPath(parts.join(QLatin1Char('/')));
}

}  // namespace vorlak
