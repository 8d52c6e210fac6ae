// SPDX-License-Identifier: GPL-3.0-or-later
// The name a captured key shows: the key table's name of its virtual key, where the Enter
// key of the keypad (Enter with the extended flag) is "Num Enter". A key without a name
// gives the empty name.
#pragma once

#include <string_view>

#include "keys/key_capture.h"

namespace vorlak {

std::string_view CapturedKeyName(const CapturedKey& key);

}  // namespace vorlak
