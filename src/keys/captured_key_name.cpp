// SPDX-License-Identifier: GPL-3.0-or-later
#include "keys/captured_key_name.h"

#include "keys/key_table.h"

namespace vorlak {
namespace {

constexpr int kEnterKey = 13;
constexpr int kKeypadEnterKey = 108;

}  // namespace

std::string_view CapturedKeyName(const CapturedKey& key) {
    const bool keypadEnter = key.virtualKey == kEnterKey && (key.flags & KeyFlagExtended) != 0;
    return VirtualKeyToKeyName(keypadEnter ? kKeypadEnterKey : key.virtualKey);
}

}  // namespace vorlak
