// SPDX-License-Identifier: GPL-3.0-or-later
// Texts with places for values: "%1", "%2" … each replaced once by the values in order.
#pragma once

#include <initializer_list>
#include <string>
#include <string_view>

namespace vorlak {

std::string Fill(std::string_view text, std::initializer_list<std::string_view> values);

}  // namespace vorlak
