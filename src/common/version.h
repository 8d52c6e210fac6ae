// SPDX-License-Identifier: GPL-3.0-or-later
// The program's version: the build defines VORLAK_VERSION for the two programs.
#pragma once

#include <string_view>

namespace vorlak {

inline constexpr std::string_view kVorlakVersion = VORLAK_VERSION;

}  // namespace vorlak
