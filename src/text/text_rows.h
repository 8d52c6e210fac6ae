// SPDX-License-Identifier: GPL-3.0-or-later
// Text tables held as rows: one row per item with its four language variants, and the
// member of the target struct that receives the chosen variant.
#pragma once

#include <cstddef>
#include <string_view>

#include "text/ui_text.h"

namespace vorlak {

template <class Table, class Item>
struct TextRow {
    Item Table::*item;
    Text4 text;
};

// Sets every item named by rows to its variant for code.
template <class Table, class Item, std::size_t N>
void FillFromRows(Table& table, std::string_view code, const TextRow<Table, Item> (&rows)[N]) {
    for (const auto& row : rows) {
        table.*row.item = Item(PickByLanguage(code, row.text));
    }
}

}  // namespace vorlak
