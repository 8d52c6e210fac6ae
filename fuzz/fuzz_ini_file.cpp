// SPDX-License-Identifier: GPL-3.0-or-later
// Parses the input as an INI file, edits it as the input's first bytes say, and checks
// that an untouched document serializes to its bytes, that written keys read back, and
// that the serialized text parses to the same document.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <iterator>
#include <string>
#include <string_view>
#include <vector>

#include "record/ini_file.h"

namespace {

constexpr std::size_t kControlBytes = 12;

// Names: plain ones that every write accepts first, then names that may be refused.
constexpr std::string_view kNames[] = {"a",   "B",  "Item0", "\xC3\xA9",
                                       " a ", "",   "[x",    "c]",
                                       "k=v", ";c", "a\nb",  std::string_view("\0", 1)};
constexpr std::size_t kPlainNames = 4;

struct Value {
    std::string_view written;
    std::string_view read;
};
constexpr Value kValues[] = {
    {"v", "v"},   {" x\t", " x\t"},   {"'q'", "'q'"},
    {"\"", "\""}, {"a\r\nb", "a"},    {"", ""},
    {"=]", "=]"}, {"\"'\"", "\"'\""}, {"\xC3\xA9", "\xC3\xA9"},
};

void Check(bool condition) {
    if (!condition)
        __builtin_trap();
}

void CheckSameDocument(const vorlak::IniFile& a, const vorlak::IniFile& b) {
    Check(a.SectionNames() == b.SectionNames());
    for (const std::string& section : a.SectionNames()) {
        Check(a.KeyNames(section) == b.KeyNames(section));
        for (const std::string& key : a.KeyNames(section)) {
            Check(a.Get(section, key) == b.Get(section, key));
        }
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::size_t control = size < kControlBytes ? size : kControlBytes;
    const std::string_view bytes(reinterpret_cast<const char*>(data) + control, size - control);
    vorlak::IniFile doc = vorlak::IniFile::Parse(bytes);
    Check(doc.Serialize() == bytes);
    for (const std::string& section : doc.SectionNames()) {
        for (const std::string& key : doc.KeyNames(section)) {
            Check(doc.Get(section, key).size() <= 4 * vorlak::IniFile::kMaxValueLength);
        }
    }

    for (std::size_t i = 0; i + 1 < control; i += 2) {
        const std::uint8_t op = data[i];
        const std::uint8_t arg = data[i + 1];
        const std::string_view section = kNames[(op >> 2) % std::size(kNames)];
        const std::string_view key = kNames[arg % std::size(kNames)];
        const Value& value = kValues[(arg >> 4) % std::size(kValues)];
        if (op % 4 == 0) {
            doc.RemoveSection(section);
            Check(!doc.HasSection(section));
        } else if (op % 4 == 1) {
            // A file-sized value taken from the input itself.
            doc.Set(section, key, bytes.substr(std::min<std::size_t>(arg, bytes.size())));
        } else {
            doc.Set(section, key, value.written);
            const bool plain = (op >> 2) % std::size(kNames) < kPlainNames &&
                               arg % std::size(kNames) < kPlainNames;
            if (plain)
                Check(doc.Get(section, key) == value.read);
        }
    }

    const std::string text = doc.Serialize();
    const vorlak::IniFile reparsed = vorlak::IniFile::Parse(text);
    Check(reparsed.Serialize() == text);
    CheckSameDocument(doc, reparsed);
    return 0;
}
