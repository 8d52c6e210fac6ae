// SPDX-License-Identifier: GPL-3.0-or-later
// INI text files with the observable behaviour of the Windows private-profile
// functions: case-insensitive section and key names, a missing key reads as "",
// values trimmed, one pair of surrounding quotes removed, cut at 1023 characters;
// edits touch only the lines they change and keep the file's encoding and line ends.
#pragma once

#include <cstddef>
#include <filesystem>
#include <memory>
#include <string>
#include <string_view>
#include <system_error>
#include <vector>

namespace vorlak {

class IniFile {
public:
    // Longest value a read returns; longer values are cut.
    static constexpr std::size_t kMaxValueLength = 1023;
    // Files above this size are not loaded: such a document reads as empty and Save()
    // refuses to write it, so a large file is never cut down to a part of it. The largest
    // file the program writes is the macro store: twelve macros of 62 recorded events are
    // about 20 KB, so 4 MiB leaves a margin of two hundred times while a read stays far
    // below a second and a few times the file's size in memory.
    static constexpr std::size_t kMaxFileBytes = std::size_t{4} << 20;

    // An empty document, not bound to a file.
    IniFile();
    ~IniFile();
    IniFile(IniFile&&) noexcept;
    IniFile& operator=(IniFile&&) noexcept;
    IniFile(const IniFile&);
    IniFile& operator=(const IniFile&);

    // Reads the file; a missing file gives an empty document that Save() creates. One that
    // exists but cannot be read (no permission, not a regular file) or is too large gives
    // an empty document that Save() refuses to write, so its content is never lost.
    static IniFile Open(const std::filesystem::path& path);
    // Parses file bytes (UTF-8 with or without BOM, UTF-16LE with BOM; CRLF, LF or mixed).
    static IniFile Parse(std::string_view bytes);

    const std::filesystem::path& Path() const;
    // Whether Open found the file.
    bool FileExisted() const;
    // Why Open could not read the file that is there (too large: file_too_large; otherwise
    // the system's reason); none when it was read or is missing. Save() refuses such a file.
    std::error_code ReadError() const;

    // The value of key in section (UTF-8), "" when either is missing. The first of
    // duplicate sections and keys wins.
    std::string Get(std::string_view section, std::string_view key) const;
    bool HasSection(std::string_view section) const;
    // Names of the sections in file order (first spelling of duplicates once).
    std::vector<std::string> SectionNames() const;
    // Names of the keys of a section in file order (first of duplicates once); empty when
    // the section is missing. Readers use it to bound counts that a file states.
    std::vector<std::string> KeyNames(std::string_view section) const;

    // Updates the key's line in place, or appends the key at the end of its section,
    // or appends the section at the end of the document. The value is written up to its
    // first line break, in double quotes when a read would trim or unquote it, so that it
    // reads back as written. A section name with "]" or a line break, or a key with "=",
    // a line break, or a leading ";" or "[", is refused: nothing changes.
    void Set(std::string_view section, std::string_view key, std::string_view value);
    // Removes the section's header and its keys (every section of that name).
    void RemoveSection(std::string_view section);

    // The bytes Save() would write: the encoding and line ends found, UTF-8 + LF when new.
    std::string Serialize() const;
    // Replaces the file atomically. False (with a diagnostic line) when it cannot be written
    // or when Open could not read the file that is there.
    bool Save() const;

private:
    struct Document;
    std::unique_ptr<Document> doc_;
};

// One-shot operations on a file, as the private-profile functions do them:
// each reads the file; writes read, edit and save it.
std::string ReadIniString(const std::filesystem::path& path, std::string_view section,
                          std::string_view key);
bool WriteIniString(const std::filesystem::path& path, std::string_view section,
                    std::string_view key, std::string_view value);
// A file without the section (or no file) is left untouched.
bool DeleteIniSection(const std::filesystem::path& path, std::string_view section);

}  // namespace vorlak
