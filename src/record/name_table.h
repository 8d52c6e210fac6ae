// SPDX-License-Identifier: GPL-3.0-or-later
// Positions (of lines, of sections) found by the hash of their name: open addressing with
// linear probing over one vector of four-byte slots, where a slot holds position + 1 (0 is
// free). It holds the first of equal names only, and stays at most three quarters full:
// Insert refuses beyond that, and the owner then builds it anew.
// (Written by hand: the standard's node-based hash tables take about forty bytes a name, and
// a sorted vector doubles the time of a read; this table takes six to twelve bytes.)
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

namespace vorlak {

class NameTable {
public:
    // An empty table sized for count names.
    void Reset(std::size_t count);

    // The first position along the hash's probe sequence that matches(position).
    template <typename Matches>
    std::optional<std::uint32_t> Find(std::size_t hash, Matches matches) const {
        const std::size_t mask = slots_.size() - 1;
        for (std::size_t i = hash & mask; slots_[i] != 0; i = (i + 1) & mask) {
            if (matches(slots_[i] - 1))
                return slots_[i] - 1;
        }
        return std::nullopt;
    }

    // Adds the position of a name not in the table yet; false when the table is full.
    bool Insert(std::size_t hash, std::uint32_t position);
    // A position was inserted before `from`: those at or after it move up by one.
    void MoveUp(std::uint32_t from);

private:
    std::vector<std::uint32_t> slots_ = std::vector<std::uint32_t>(1, 0);  // one free slot
    std::size_t used_ = 0;
};

}  // namespace vorlak
