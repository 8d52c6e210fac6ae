// SPDX-License-Identifier: GPL-3.0-or-later
// Reads arbitrary bytes as a macro store and encodes every macro it lists.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "macro/macro_block.h"
#include "macro/macro_name.h"
#include "macro/macro_store.h"
#include "record/ini_file.h"

namespace {

void Check(bool condition) {
    if (!condition)
        std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace vorlak;
    const IniFile store =
        IniFile::Parse(std::string_view(reinterpret_cast<const char*>(data), size));
    const std::size_t listed = ReadMacroNames(store).size();
    // A list ends at a key that is in the file.
    Check(listed <= kMaxStoreEntries);
    Check(listed == 0 ||
          std::ranges::count(store.KeyNames(kMacroNameSection), std::to_string(listed - 1)) == 1);
    const std::vector<NamedMacro> macros = ReadMacros(store, kMacroSlots);
    Check(macros.size() == std::min<std::size_t>(listed, kMacroSlots));
    for (const NamedMacro& named : macros) {
        const StoredMacro& macro = named.macro;
        const EncodedMacro encoded = EncodeStoredMacro(macro);
        Check(encoded.block.size() == kMacroBlockSize);
        Check(encoded.dropped >= 0 &&
              static_cast<std::size_t>(encoded.dropped) <= macro.events.size());
        const int loops = encoded.block[0] << 8 | encoded.block[1];
        Check(macro.events.empty() || macro.statesEvents);
        Check(macro.statesEvents ? loops >= 1 : loops == 0);
    }
    return 0;
}
