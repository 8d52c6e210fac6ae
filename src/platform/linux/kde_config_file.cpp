// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/linux/kde_config_file.h"

#include <cstdio>
#include <system_error>

#include "common/atomic_file.h"

namespace vorlak {
namespace {

constexpr std::size_t kMaxConfigBytes = 4u << 20;

std::string_view Trim(std::string_view text) {
    const std::size_t first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos)
        return {};
    const std::size_t last = text.find_last_not_of(" \t\r");
    return text.substr(first, last - first + 1);
}

std::string Hex(unsigned char c) {
    char buffer[5];
    std::snprintf(buffer, sizeof buffer, "\\x%02x", c);
    return buffer;
}

int HexDigit(char c) {
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

// The [..] segments of a group header, unescaped, without the option segments ([$i]);
// locked when one of those is $i.
KdeGroupPath HeaderSegments(std::string_view text, bool& locked) {
    KdeGroupPath path;
    locked = false;
    while (!text.empty() && text.front() == '[') {
        // An escaped bracket is \x5d, so the first ']' ends the segment.
        const std::size_t end = text.find(']');
        if (end == std::string_view::npos)
            break;
        const std::string_view segment = text.substr(1, end - 1);
        if (!segment.empty() && segment.front() == '$') {
            locked = locked || segment.find('i') != std::string_view::npos;
        } else {
            path.push_back(UnescapeKde(segment));
        }
        text = text.substr(end + 1);
    }
    return path;
}

}  // namespace

std::string EscapeKdeGroupName(std::string_view name) {
    std::string out;
    for (const char ch : name) {
        const auto c = static_cast<unsigned char>(ch);
        if (ch == '\\')
            out += "\\\\";
        else if (ch == '[' || ch == ']' || c < 0x20 || c == 0x7f)
            out += Hex(c);
        else
            out += ch;
    }
    return out;
}

std::string EscapeKdeValue(std::string_view value) {
    std::string out;
    for (std::size_t i = 0; i < value.size(); ++i) {
        const char ch = value[i];
        const auto c = static_cast<unsigned char>(ch);
        const bool edge = i == 0 || i + 1 == value.size();
        if (ch == '\\')
            out += "\\\\";
        else if (ch == '\n')
            out += "\\n";
        else if (ch == '\t')
            out += "\\t";
        else if (ch == '\r')
            out += "\\r";
        else if (ch == ' ' && edge)
            out += "\\s";  // would be trimmed on reading
        else if (c < 0x20 || c == 0x7f)
            out += Hex(c);
        else
            out += ch;
    }
    return out;
}

std::string UnescapeKde(std::string_view text) {
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\\' || i + 1 == text.size()) {
            out += text[i];
            continue;
        }
        const char next = text[++i];
        switch (next) {
            case 's':
                out += ' ';
                break;
            case 't':
                out += '\t';
                break;
            case 'n':
                out += '\n';
                break;
            case 'r':
                out += '\r';
                break;
            case 'x':
                if (i + 2 < text.size() && HexDigit(text[i + 1]) >= 0 &&
                    HexDigit(text[i + 2]) >= 0) {
                    out += static_cast<char>(HexDigit(text[i + 1]) * 16 + HexDigit(text[i + 2]));
                    i += 2;
                } else {
                    out += "\\x";
                }
                break;
            default:
                out += next;
                break;  // \\ and the list separators \; \,
        }
    }
    return out;
}

KdeConfigFile::Line KdeConfigFile::Parse(std::string_view text, const KdeGroupPath& current) {
    Line line{std::string(text), current, false, false, {}};
    const std::string_view trimmed = Trim(text);
    if (trimmed.empty() || trimmed.front() == '#')
        return line;
    if (trimmed.front() == '[') {
        line.header = true;
        line.group = HeaderSegments(trimmed, line.locked);
        return line;
    }
    const std::size_t equals = trimmed.find('=');
    if (equals == std::string_view::npos)
        return line;
    const std::string_view name = Trim(trimmed.substr(0, equals));
    const std::size_t bracket = name.find('[');
    const std::string_view key = Trim(name.substr(0, bracket));
    // Suffixes: a locale ([de]) makes it another entry; options ([$i]) belong to this one.
    bool localized = false;
    for (std::size_t at = bracket; at != std::string_view::npos; at = name.find('[', at + 1)) {
        const std::size_t end = name.find(']', at);
        const std::string_view suffix = name.substr(at + 1, end - at - 1);
        if (!suffix.empty() && suffix.front() == '$')
            line.locked = line.locked || suffix.find('i') != std::string_view::npos;
        else
            localized = true;
    }
    if (!localized)
        line.key = UnescapeKde(key);
    return line;
}

KdeConfigFile KdeConfigFile::FromText(std::string_view text) {
    KdeConfigFile file;
    KdeGroupPath current;
    bool beforeFirstGroup = true;
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        const std::string_view raw = text.substr(0, end);
        text = end == std::string_view::npos ? std::string_view{} : text.substr(end + 1);
        Line line = Parse(raw, current);
        if (line.header) {
            // "[$i]" alone before any group locks the whole file.
            if (beforeFirstGroup && line.group.empty() && line.locked)
                file.fileLocked_ = true;
            beforeFirstGroup = false;
            current = line.group;
        }
        file.lines_.push_back(std::move(line));
    }
    return file;
}

std::optional<KdeConfigFile> KdeConfigFile::Load(const std::filesystem::path& path,
                                                 std::string& problem) {
    std::error_code error;
    if (!std::filesystem::exists(path, error) && !error)
        return KdeConfigFile{};
    std::optional<std::string> bytes = ReadFileBytes(path, kMaxConfigBytes + 1);
    if (!bytes) {
        problem = path.string() + " cannot be read";
        return std::nullopt;
    }
    if (bytes->size() > kMaxConfigBytes) {
        problem = path.string() + " is larger than a configuration file can be";
        return std::nullopt;
    }
    return FromText(*bytes);
}

std::optional<std::string> KdeConfigFile::Get(const KdeGroupPath& group,
                                              std::string_view key) const {
    std::optional<std::string> value;
    for (const Line& line : lines_) {
        if (line.header || line.group != group || line.key != key)
            continue;
        const std::size_t equals = line.text.find('=');
        value = UnescapeKde(Trim(std::string_view(line.text).substr(equals + 1)));
    }
    return value;  // the last one wins, as KDE reads it
}

bool KdeConfigFile::Set(const KdeGroupPath& group, std::string_view key, std::string_view value) {
    if (fileLocked_)
        return false;
    const std::string entry = std::string(key) + "=" + EscapeKdeValue(value);
    std::optional<std::size_t> lastInGroup;
    bool replaced = false;
    for (std::size_t i = 0; i < lines_.size(); ++i) {
        Line& line = lines_[i];
        if (line.group != group)
            continue;
        if (line.locked)
            return false;
        if (!line.header && line.key == key) {
            line.text = entry;
            replaced = true;
        }
        if (line.header || !Trim(line.text).empty())
            lastInGroup = i;
    }
    if (replaced)
        return true;
    Line added{entry, group, false, false, std::string(key)};
    if (lastInGroup) {
        lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(*lastInGroup + 1), added);
        return true;
    }
    std::string header;
    for (const std::string& name : group)
        header += "[" + EscapeKdeGroupName(name) + "]";
    if (!lines_.empty() && !Trim(lines_.back().text).empty())
        lines_.push_back(Line{"", lines_.back().group, false, false, {}});
    lines_.push_back(Line{header, group, true, false, {}});
    lines_.push_back(std::move(added));
    return true;
}

std::string KdeConfigFile::Text() const {
    std::string text;
    for (const Line& line : lines_)
        text.append(line.text).append("\n");
    return text;
}

bool KdeConfigFile::Save(const std::filesystem::path& path, std::string& problem) const {
    std::error_code error;
    // A file kept elsewhere and linked in stays where it is.
    std::filesystem::path target = path;
    if (std::filesystem::symlink_status(path, error).type() ==
        std::filesystem::file_type::symlink) {
        target = std::filesystem::canonical(path, error);
        if (error) {
            problem = path.string() + ": " + error.message();
            return false;
        }
    }
    const auto status = std::filesystem::status(target, error);
    const bool existed = !error && std::filesystem::exists(status);
    error.clear();
    if (!ReplaceFileAtomically(target, Text(), error)) {
        problem = target.string() + ": " + error.message();
        return false;
    }
    if (existed)
        std::filesystem::permissions(target, status.permissions(), error);
    return true;
}

std::optional<std::string> WriteKdeEntries(const std::filesystem::path& path,
                                           const std::vector<KdeEntry>& entries) {
    std::string problem;
    std::optional<KdeConfigFile> file = KdeConfigFile::Load(path, problem);
    if (!file)
        return problem;
    for (const KdeEntry& entry : entries) {
        if (!file->Set(entry.group, entry.key, entry.value))
            return path.string() + " locks " + entry.key + " ([$i])";
    }
    if (!file->Save(path, problem))
        return problem;
    return std::nullopt;
}

}  // namespace vorlak
