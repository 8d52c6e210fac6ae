// SPDX-License-Identifier: GPL-3.0-or-later
// KDE's configuration files (kcminputrc, kdeglobals) edited the way KDE's own configuration
// code writes them: groups and nested groups ([Libinput][1241][41320][Name]), keys with
// their locale and option suffixes left alone, escapes in group names and values, an entry
// or group locked with [$i] never overwritten, and the file replaced whole and atomically.
// KDE's own library is not a dependency of this program; this is the part of its rules
// the pointer settings need.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vorlak {

using KdeGroupPath = std::vector<std::string>;

class KdeConfigFile {
public:
    // The file's text; an empty file when it does not exist. Nothing, with the reason in
    // problem, when it exists but cannot be read whole (it is then never written).
    static std::optional<KdeConfigFile> Load(const std::filesystem::path& path,
                                             std::string& problem);
    static KdeConfigFile FromText(std::string_view text);

    // The value of key in group, unescaped; nothing when absent.
    std::optional<std::string> Get(const KdeGroupPath& group, std::string_view key) const;
    // Sets key in group (adding the group at the end when it is new), keeping every other
    // line as it was. False when the file, the group or the entry is locked ([$i]).
    [[nodiscard]] bool Set(const KdeGroupPath& group, std::string_view key, std::string_view value);
    std::string Text() const;

    // Replaces the file at path (the target of a link) atomically, keeping its permissions.
    // False with the reason in problem when it could not.
    [[nodiscard]] bool Save(const std::filesystem::path& path, std::string& problem) const;

private:
    struct Line {
        std::string text;
        KdeGroupPath group;  // the group the line belongs to (for a header: the one it opens)
        bool header = false;
        bool locked = false;  // a header or entry marked [$i]
        std::string key;      // the plain key of an entry without a locale; else empty
    };
    static Line Parse(std::string_view text, const KdeGroupPath& current);

    std::vector<Line> lines_;
    bool fileLocked_ = false;
};

struct KdeEntry {
    KdeGroupPath group;
    std::string key;
    std::string value;
};

// Sets the entries in the file at path, keeping everything else, in one atomic replace.
// The reason when it could not (the file is then as it was).
std::optional<std::string> WriteKdeEntries(const std::filesystem::path& path,
                                           const std::vector<KdeEntry>& entries);

// The group name and value escapes KDE's files use.
std::string EscapeKdeGroupName(std::string_view name);
std::string EscapeKdeValue(std::string_view value);
std::string UnescapeKde(std::string_view text);

}  // namespace vorlak
