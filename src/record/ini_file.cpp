// SPDX-License-Identifier: GPL-3.0-or-later
#include "record/ini_file.h"

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <optional>
#include <system_error>
#include <utility>

#include "common/atomic_file.h"
#include "common/diagnostics.h"
#include "common/utf_codecs.h"
#include "record/ini_lines.h"
#include "record/name_table.h"

// The lines are read as ini_lines.h says. Only the first section of a name is read and
// written to; the first of duplicate keys in it wins. RemoveSection removes every section of
// the name. Every line keeps its bytes and its line end until an edit replaces it.

namespace vorlak {
namespace {

using ini::Enclosed;
using ini::HeaderName;
using ini::KeyName;
using ini::LineEnd;
using ini::LineEndLength;
using ini::NameHash;
using ini::SameName;
using ini::Trim;

constexpr std::string_view kBomUtf8 = "\xEF\xBB\xBF";
constexpr std::string_view kBomUtf16Le = "\xFF\xFE";

enum class Encoding { kUtf8, kUtf8Bom, kUtf16Le };

// The text as the file can hold it: a UTF-16 file stores invalid UTF-8 as U+FFFD, and
// the document holds the same already, so reads give the same before and after a save.
std::string Storable(std::string_view text, Encoding encoding) {
    if (encoding != Encoding::kUtf16Le)
        return std::string(text);
    std::string rest;
    return Utf16LeToUtf8(Utf8ToUtf16Le(text), rest);
}

}  // namespace

// The file's text is held once, as read (decoded to UTF-8 for UTF-16 files); an edit
// changes it in place and moves the marks after it. A mark is where a header or key line
// starts; other lines have none, so blank and comment lines cost nothing more. Names are
// found through two hash tables over the marks (NameTable): a few bytes a line.
struct IniFile::Document {
    // Edits that would take the text past the reach of a mark are refused.
    static constexpr std::size_t kMaxTextBytes = std::size_t{1} << 31;

    std::filesystem::path path;
    bool existed = false;
    // Why Save() must not replace the file: a save of what was read would lose what was not.
    std::string refusal;
    std::error_code readError;
    Encoding encoding = Encoding::kUtf8;
    std::string newline = "\n";  // line end of lines we add
    std::string rest;            // an odd last byte of a UTF-16 file
    std::string text;
    std::vector<std::uint32_t> marks;    // starts of the header and key lines, in file order
    std::vector<std::uint32_t> headers;  // the marks of the headers, in file order
    NameTable sections;                  // sections (positions in headers) by name
    NameTable keys;                      // key marks by section and name

    std::string_view LineText(std::uint32_t mark) const {
        const std::size_t at = marks[mark];
        return std::string_view(text).substr(at, LineEnd(text, at) - at);
    }
    std::string_view SectionName(std::uint32_t section) const {
        return *HeaderName(LineText(headers[section]));
    }
    std::string_view KeyNameOf(std::uint32_t mark) const { return *KeyName(LineText(mark)); }
    // The key marks of a section: [first, last).
    std::pair<std::uint32_t, std::uint32_t> Keys(std::uint32_t section) const {
        const std::uint32_t last = section + 1 < headers.size()
                                       ? headers[section + 1]
                                       : static_cast<std::uint32_t>(marks.size());
        return {headers[section] + 1, last};
    }

    // The section (position in headers) that reads and writes go to.
    std::optional<std::uint32_t> FindSection(std::string_view name) const {
        name = Trim(name);
        return sections.Find(NameHash(name, 0),
                             [&](std::uint32_t s) { return SameName(SectionName(s), name); });
    }
    // The mark of the key that reads and writes go to.
    std::optional<std::uint32_t> FindKey(std::uint32_t section, std::string_view name) const {
        name = Trim(name);
        const auto range = Keys(section);
        return keys.Find(NameHash(name, section + 1), [&](std::uint32_t mark) {
            return mark >= range.first && mark < range.second && SameName(KeyNameOf(mark), name);
        });
    }

    // Calls mark(at, header) for the start of each header and key line of the text.
    template <typename Mark>
    void ForEachMarked(Mark mark) const {
        bool inSection = false;
        for (std::size_t at = 0; at < text.size();) {
            const std::size_t end = LineEnd(text, at);
            const std::string_view line = std::string_view(text).substr(at, end - at);
            const bool header = HeaderName(line).has_value();
            inSection = inSection || header;
            if (header || (inSection && KeyName(line)))
                mark(static_cast<std::uint32_t>(at), header);
            at = end + LineEndLength(text, end);
        }
    }

    // Finds the header and key lines of the text and indexes the first of each name. The
    // lines are counted first, so that each vector takes just what it holds.
    void Index() {
        std::size_t count = 0;
        std::size_t headerCount = 0;
        ForEachMarked([&](std::uint32_t, bool header) {
            ++count;
            headerCount += header ? 1 : 0;
        });
        marks.clear();
        marks.reserve(count);
        headers.clear();
        headers.reserve(headerCount);
        ForEachMarked([&](std::uint32_t at, bool header) {
            if (header)
                headers.push_back(static_cast<std::uint32_t>(marks.size()));
            marks.push_back(at);
        });
        sections.Reset(headerCount);
        keys.Reset(count - headerCount);
        for (std::uint32_t s = 0; s < headers.size(); ++s) {
            if (!FindSection(SectionName(s)))
                sections.Insert(NameHash(SectionName(s), 0), s);
            const auto [first, last] = Keys(s);
            for (std::uint32_t mark = first; mark < last; ++mark) {
                if (!FindKey(s, KeyNameOf(mark)))
                    keys.Insert(NameHash(KeyNameOf(mark), s + 1), mark);
            }
        }
    }

    // Replaces count bytes of the text at `at`; the marks from `from` on move with the text.
    void Splice(std::size_t at, std::size_t count, std::string_view with, std::size_t from) {
        text.replace(at, count, with);
        for (std::size_t i = from; i < marks.size(); ++i)
            marks[i] = static_cast<std::uint32_t>(marks[i] + with.size() - count);
    }

    // Inserts a key line after the section's last key line (after its header when it has
    // none), so that the lines after it keep their places.
    void AddKey(std::uint32_t section, std::string_view line) {
        const std::uint32_t last = Keys(section).second;
        const std::size_t lineEnd = marks[last - 1] + LineText(last - 1).size();
        const std::size_t at = lineEnd + LineEndLength(text, lineEnd);
        const std::string added = Enclosed(at == lineEnd ? newline : "", line, newline);
        Splice(at, 0, added, last);
        const std::size_t lineAt = at + added.size() - line.size() - newline.size();
        marks.insert(marks.begin() + last, static_cast<std::uint32_t>(lineAt));
        for (std::uint32_t& header : headers)
            header += header >= last ? 1 : 0;
        keys.MoveUp(last);
        if (!keys.Insert(NameHash(*KeyName(line), section + 1), last))
            Index();
    }

    // Appends a section header at the end of the text; returns its section.
    std::uint32_t AddSection(std::string_view name) {
        if (!text.empty() && text.back() != '\n' && text.back() != '\r')
            text += newline;
        const auto section = static_cast<std::uint32_t>(headers.size());
        headers.push_back(static_cast<std::uint32_t>(marks.size()));
        marks.push_back(static_cast<std::uint32_t>(text.size()));
        text.append(Enclosed("[", name, "]")).append(newline);
        if (!sections.Insert(NameHash(name, 0), section))
            Index();
        return section;
    }
};

IniFile::IniFile() : doc_(std::make_unique<Document>()) {}
IniFile::~IniFile() = default;
IniFile::IniFile(IniFile&&) noexcept = default;
IniFile& IniFile::operator=(IniFile&&) noexcept = default;
IniFile::IniFile(const IniFile& other) : doc_(std::make_unique<Document>(*other.doc_)) {}
IniFile& IniFile::operator=(const IniFile& other) {
    if (this != &other)
        doc_ = std::make_unique<Document>(*other.doc_);
    return *this;
}

IniFile IniFile::Parse(std::string_view bytes) {
    IniFile file;
    Document& doc = *file.doc_;
    if (bytes.starts_with(kBomUtf16Le)) {
        doc.encoding = Encoding::kUtf16Le;
        doc.text = Utf16LeToUtf8(bytes.substr(kBomUtf16Le.size()), doc.rest);
    } else if (bytes.starts_with(kBomUtf8)) {
        doc.encoding = Encoding::kUtf8Bom;
        doc.text = bytes.substr(kBomUtf8.size());
    } else {
        doc.text = bytes;
    }
    const std::size_t end = doc.text.find_first_of("\r\n");
    if (end != std::string::npos)
        doc.newline = doc.text.substr(end, LineEndLength(doc.text, end));
    doc.Index();
    return file;
}

namespace {

// True when something is at path (a dangling link is nothing: a save creates its target)
// or when asking fails for another reason than its absence.
bool SomethingAt(const std::filesystem::path& path) {
    std::error_code error;
    const std::filesystem::file_status status = std::filesystem::status(path, error);
    return std::filesystem::exists(status) ||
           (error && error != std::errc::no_such_file_or_directory);
}

// Why a file that is there could not be read. Only a regular file is opened to learn the
// system's reason (opening a pipe would wait for a writer).
std::error_code UnreadableReason(const std::filesystem::path& path) {
    std::error_code error;
    const std::filesystem::file_status status = std::filesystem::status(path, error);
    if (error)
        return error;
    if (std::filesystem::is_directory(status))
        return std::make_error_code(std::errc::is_a_directory);
    if (!std::filesystem::is_regular_file(status))
        return std::make_error_code(std::errc::operation_not_supported);
    errno = 0;
    if (std::FILE* file = std::fopen(path.c_str(), "rb")) {
        std::fclose(file);
        return std::make_error_code(std::errc::io_error);
    }
    return {errno != 0 ? errno : EIO, std::generic_category()};
}

}  // namespace

IniFile IniFile::Open(const std::filesystem::path& path) {
    std::optional<std::string> bytes = ReadFileBytes(path, kMaxFileBytes + 1);
    IniFile file = bytes && bytes->size() <= kMaxFileBytes ? Parse(*bytes) : IniFile();
    Document& doc = *file.doc_;
    doc.path = path;
    doc.existed = bytes.has_value();
    if (bytes && bytes->size() > kMaxFileBytes) {
        doc.refusal = "file too large to edit";
        doc.readError = std::make_error_code(std::errc::file_too_large);
    } else if (!bytes && SomethingAt(path)) {
        doc.refusal = "it exists but cannot be read";
        doc.readError = UnreadableReason(path);
    }
    return file;
}

const std::filesystem::path& IniFile::Path() const {
    return doc_->path;
}
bool IniFile::FileExisted() const {
    return doc_->existed;
}
std::error_code IniFile::ReadError() const {
    return doc_->readError;
}


std::string IniFile::Get(std::string_view section, std::string_view key) const {
    const auto found = doc_->FindSection(section);
    const auto line = found ? doc_->FindKey(*found, key) : std::nullopt;
    return line ? std::string(CutUtf8(ini::Value(doc_->LineText(*line)), kMaxValueLength)) : "";
}

bool IniFile::HasSection(std::string_view section) const {
    return doc_->FindSection(section).has_value();
}

std::vector<std::string> IniFile::SectionNames() const {
    std::vector<std::string> names;
    for (std::uint32_t s = 0; s < doc_->headers.size(); ++s) {
        const std::string_view name = doc_->SectionName(s);
        if (doc_->FindSection(name) == s)
            names.emplace_back(name);
    }
    return names;
}

std::vector<std::string> IniFile::KeyNames(std::string_view section) const {
    std::vector<std::string> names;
    const auto found = doc_->FindSection(section);
    if (!found)
        return names;
    const auto [first, last] = doc_->Keys(*found);
    for (std::uint32_t mark = first; mark < last; ++mark) {
        const std::string_view name = doc_->KeyNameOf(mark);
        if (doc_->FindKey(*found, name) == mark)
            names.emplace_back(name);
    }
    return names;
}

// A value is written up to its first line break: the rest would become a line of its own.
// Names that would not read back as themselves are refused (see ini::WritableNames).
void IniFile::Set(std::string_view sectionName, std::string_view keyName,
                  std::string_view valueText) {
    const Encoding encoding = doc_->encoding;
    const std::string section = Storable(Trim(sectionName), encoding);
    const std::string key = Storable(Trim(keyName), encoding);
    const std::string value =
        Storable(ini::WrittenValue(valueText.substr(
                     0, std::min(valueText.find_first_of("\r\n"), valueText.size()))),
                 encoding);
    Document& doc = *doc_;
    const std::size_t growth = section.size() + key.size() + value.size() + 8;
    if (!ini::WritableNames(section, key) || doc.text.size() + growth > Document::kMaxTextBytes)
        return;
    const auto existing = doc.FindSection(section);
    const std::uint32_t found = existing ? *existing : doc.AddSection(section);
    if (const auto line = doc.FindKey(found, key)) {
        const std::string_view text = doc.LineText(*line);
        const std::size_t valueAt = text.find('=') + 1;
        doc.Splice(doc.marks[*line] + valueAt, text.size() - valueAt, value, *line + 1);
        return;
    }
    doc.AddKey(found, Enclosed(key, "=", value));
}

void IniFile::RemoveSection(std::string_view section) {
    Document& doc = *doc_;
    if (!doc.FindSection(section))
        return;
    for (auto s = static_cast<std::uint32_t>(doc.headers.size()); s-- > 0;) {
        if (!SameName(doc.SectionName(s), Trim(section)))
            continue;
        const std::size_t at = doc.marks[doc.headers[s]];
        const std::size_t end =
            s + 1 < doc.headers.size() ? doc.marks[doc.headers[s + 1]] : doc.text.size();
        doc.text.erase(at, end - at);
    }
    doc.Index();
}

std::string IniFile::Serialize() const {
    switch (doc_->encoding) {
        case Encoding::kUtf8:
            return doc_->text;
        case Encoding::kUtf8Bom:
            return std::string(kBomUtf8) + doc_->text;
        case Encoding::kUtf16Le:
            return std::string(kBomUtf16Le) + Utf8ToUtf16Le(doc_->text) + doc_->rest;
    }
    return doc_->text;
}

bool IniFile::Save() const {
    const std::string name = doc_->path.string();
    if (doc_->path.empty() || !doc_->refusal.empty()) {
        Diagnostic("Cannot write %s: %s\n", name.c_str(),
                   doc_->path.empty() ? "no file path" : doc_->refusal.c_str());
        return false;
    }
    std::error_code error;
    if (!ReplaceFileAtomically(doc_->path, Serialize(), error)) {
        Diagnostic("Cannot write %s: %s\n", name.c_str(), error.message().c_str());
        return false;
    }
    return true;
}

std::string ReadIniString(const std::filesystem::path& path, std::string_view section,
                          std::string_view key) {
    return IniFile::Open(path).Get(section, key);
}

bool WriteIniString(const std::filesystem::path& path, std::string_view section,
                    std::string_view key, std::string_view value) {
    if (!ini::WritableNames(section, key))
        return false;
    IniFile file = IniFile::Open(path);
    file.Set(section, key, value);
    return file.Save();
}

bool DeleteIniSection(const std::filesystem::path& path, std::string_view section) {
    IniFile file = IniFile::Open(path);
    if (!file.HasSection(section))
        return true;
    file.RemoveSection(section);
    return file.Save();
}

}  // namespace vorlak
