// SPDX-License-Identifier: GPL-3.0-or-later
#include "record/name_table.h"

#include <bit>

namespace vorlak {

void NameTable::Reset(std::size_t count) {
    slots_.assign(std::bit_ceil(count + count / 2 + 1), 0);
    used_ = 0;
}

bool NameTable::Insert(std::size_t hash, std::uint32_t position) {
    if (4 * (used_ + 1) > 3 * slots_.size())
        return false;
    const std::size_t mask = slots_.size() - 1;
    std::size_t i = hash & mask;
    while (slots_[i] != 0)
        i = (i + 1) & mask;
    slots_[i] = position + 1;
    ++used_;
    return true;
}

void NameTable::MoveUp(std::uint32_t from) {
    for (std::uint32_t& slot : slots_)
        slot += slot > from ? 1 : 0;
}

}  // namespace vorlak
