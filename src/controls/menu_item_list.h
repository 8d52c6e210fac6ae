// SPDX-License-Identifier: GPL-3.0-or-later
// The items of a skinned popup menu in append order: text, sequence number and command id.
#pragma once

#include <QString>

#include <cstdint>
#include <vector>

namespace vorlak {

class MenuItemList {
public:
    // A command id, or for an item that opens a submenu the submenu's identity.
    using Id = std::uintptr_t;

    struct Entry {
        QString text;
        int sequence;  // 1 for the first appended item
        Id id;
    };

    void Append(Id id, const QString& text) {
        entries_.push_back({text, static_cast<int>(entries_.size()) + 1, id});
    }
    // The text of the first entry with this id; empty when there is none.
    QString TextOf(Id id) const {
        for (const Entry& entry : entries_)
            if (entry.id == id)
                return entry.text;
        return {};
    }
    const std::vector<Entry>& Entries() const { return entries_; }
    void Clear() { entries_.clear(); }

private:
    std::vector<Entry> entries_;
};

}  // namespace vorlak
