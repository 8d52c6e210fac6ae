// SPDX-License-Identifier: GPL-3.0-or-later
// Where a skin image lies: the program folder followed by the image's name.
#pragma once

#include <QString>

#include <filesystem>
#include <string_view>

#include "skin/skin_names.h"

namespace vorlak {

// The path of a skin image named like "Skins\\Mouse\\Front\\MouseFront.png",
// "\\skins\\DPISetting\\DPIStage\\0.png" or "Skins/Mouse/Front/F-1-over.png": '\\' and '/'
// both separate, empty components are dropped and a leading skin folder component is matched
// without regard to case. The result uses '/' throughout.
QString SkinPath(const std::filesystem::path& programFolder, std::string_view name);

}  // namespace vorlak
