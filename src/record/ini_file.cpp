#include "record/ini_file.h"

#include <algorithm>
#include <array>
#include <optional>
#include <system_error>
#include <unordered_map>
#include <utility>

#include "common/atomic_file.h"
#include "common/diagnostics.h"

// Reading rules, as the private-profile functions apply them:
// - Lines end at CRLF, LF or a lone CR. A lone CR counts as a line end so that no
//   value can ever carry a line break (written values are cut at the first CR or LF).
// - After leading blanks, ";" starts a comment line. "[" starts a section header
//   when the line holds a "]": the name is what lies between "[" and the first "]",
//   blanks trimmed; the rest of the line is ignored. A "[" line without "]" is not a
//   header (the private-profile reader skips such a header as invalid): it stays in the
//   section above, as a key when it holds "=", otherwise as an untouched text line.
// - Inside a section a line with "=" is a key: the name is the text before the first
//   "=", the value the text after it, both trimmed of blanks. Lines before the first
//   header belong to no section and are never read.
// - Only the first section of a name is read and written to; the first of duplicate
//   keys in it wins. RemoveSection removes every section of the name.
// Every line keeps its bytes and its line end until an edit replaces it.

namespace vorlak {
namespace {

constexpr std::string_view kBomUtf8 = "\xEF\xBB\xBF";
constexpr std::string_view kBomUtf16Le = "\xFF\xFE";

enum class Encoding { kUtf8, kUtf8Bom, kUtf16Le };

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

std::string_view Trim(std::string_view text) {
    while (!text.empty() && IsBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && IsBlank(text.back()))
        text.remove_suffix(1);
    return text;
}

std::string Lower(std::string_view text) {
    std::string lower(text);
    for (char& c : lower) {
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    }
    return lower;
}

// open + text + close. Appended into one reserved string: GCC 12 flags the
// operator+ chain with a literal as an overlapping copy (a false -Wrestrict) when optimising.
std::string Enclosed(std::string_view open, std::string_view text, std::string_view close) {
    std::string out;
    out.reserve(open.size() + text.size() + close.size());
    out.append(open).append(text).append(close);
    return out;
}

// --- UTF-8 -------------------------------------------------------------------------------

struct CodePoint {
    char32_t value;
    std::size_t length;  // bytes taken; 1 for a byte that starts no valid sequence
    bool valid;
};

// Decodes the sequence at text[at]. Encoded surrogates (ED A0..BF xx) are accepted so
// that unpaired UTF-16 surrogates survive a round trip through UTF-8.
CodePoint DecodeUtf8(std::string_view text, std::size_t at) {
    struct Form {
        unsigned char mask, lead;
        std::size_t length;
        char32_t minimum;
    };
    static constexpr std::array<Form, 4> kForms{{
        {0x80, 0x00, 1, 0},
        {0xE0, 0xC0, 2, 0x80},
        {0xF0, 0xE0, 3, 0x800},
        {0xF8, 0xF0, 4, 0x10000},
    }};
    const auto first = static_cast<unsigned char>(text[at]);
    for (const Form& form : kForms) {
        if ((first & form.mask) != form.lead)
            continue;
        if (text.size() - at < form.length)
            break;
        char32_t value = first & static_cast<unsigned char>(~form.mask);
        for (std::size_t i = 1; i < form.length; ++i) {
            const auto next = static_cast<unsigned char>(text[at + i]);
            if ((next & 0xC0) != 0x80)
                return {first, 1, false};
            value = (value << 6) | (next & 0x3F);
        }
        if (value < form.minimum || value > 0x10FFFF)
            break;
        return {value, form.length, true};
    }
    return {first, 1, false};
}

void AppendUtf8(std::string& out, char32_t value) {
    if (value < 0x80) {
        out += static_cast<char>(value);
    } else if (value < 0x800) {
        out += static_cast<char>(0xC0 | (value >> 6));
        out += static_cast<char>(0x80 | (value & 0x3F));
    } else if (value < 0x10000) {
        out += static_cast<char>(0xE0 | (value >> 12));
        out += static_cast<char>(0x80 | ((value >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (value & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (value >> 18));
        out += static_cast<char>(0x80 | ((value >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((value >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (value & 0x3F));
    }
}

// Cuts text after maxChars characters; an invalid byte counts as one character.
std::string_view CutChars(std::string_view text, std::size_t maxChars) {
    std::size_t at = 0;
    for (std::size_t chars = 0; at < text.size() && chars < maxChars; ++chars) {
        at += DecodeUtf8(text, at).length;
    }
    return text.substr(0, at);
}

// --- UTF-16LE ----------------------------------------------------------------------------

// Decodes code units to UTF-8; an unpaired surrogate becomes its 3-byte form, so that
// EncodeUtf16Le gives back the same units. An odd last byte is left in rest.
std::string DecodeUtf16Le(std::string_view bytes, std::string& rest) {
    auto unit = [&](std::size_t i) {
        return static_cast<char16_t>(static_cast<unsigned char>(bytes[2 * i]) |
                                     (static_cast<unsigned char>(bytes[2 * i + 1]) << 8));
    };
    const std::size_t units = bytes.size() / 2;
    rest = bytes.substr(2 * units);
    std::string text;
    text.reserve(bytes.size());
    for (std::size_t i = 0; i < units; ++i) {
        char32_t value = unit(i);
        if (value >= 0xD800 && value < 0xDC00 && i + 1 < units && unit(i + 1) >= 0xDC00 &&
            unit(i + 1) < 0xE000) {
            value = 0x10000 + ((value - 0xD800) << 10) + (unit(++i) - 0xDC00);
        }
        AppendUtf8(text, value);
    }
    return text;
}

// Encodes UTF-8 text; a byte that starts no valid sequence becomes U+FFFD.
std::string EncodeUtf16Le(std::string_view text) {
    std::string bytes;
    bytes.reserve(text.size() * 2);
    auto put = [&](char32_t unit) {
        bytes += static_cast<char>(unit & 0xFF);
        bytes += static_cast<char>(unit >> 8);
    };
    for (std::size_t at = 0; at < text.size();) {
        const CodePoint point = DecodeUtf8(text, at);
        at += point.length;
        const char32_t value = point.valid ? point.value : 0xFFFD;
        if (value < 0x10000) {
            put(value);
        } else {
            put(0xD800 + ((value - 0x10000) >> 10));
            put(0xDC00 + ((value - 0x10000) & 0x3FF));
        }
    }
    return bytes;
}

// The text as the file can hold it: a UTF-16 file stores invalid UTF-8 as U+FFFD, and
// the document holds the same already, so reads give the same before and after a save.
std::string Storable(std::string_view text, Encoding encoding) {
    if (encoding != Encoding::kUtf16Le)
        return std::string(text);
    std::string rest;
    return DecodeUtf16Le(EncodeUtf16Le(text), rest);
}

// --- Lines -------------------------------------------------------------------------------

struct Line {
    std::string text;
    std::string end;  // "\r\n", "\n", "\r", or "" for a last line without line end
};

// The section name of a header line, nothing for other lines.
std::optional<std::string_view> HeaderName(std::string_view text) {
    text = Trim(text);
    if (text.empty() || text.front() != '[')
        return std::nullopt;
    const std::size_t close = text.find(']');
    if (close == std::string_view::npos)
        return std::nullopt;
    return Trim(text.substr(1, close - 1));
}

// The key name of a line inside a section, nothing for comments and lines without "=".
std::optional<std::string_view> KeyName(std::string_view text) {
    const std::size_t equals = text.find('=');
    if (equals == std::string_view::npos)
        return std::nullopt;
    const std::string_view name = Trim(text.substr(0, equals));
    if (!name.empty() && name.front() == ';')
        return std::nullopt;
    return name;
}

bool IsQuotedPair(std::string_view value) {
    return value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
           value.back() == value.front();
}

// The value of a key line as a read returns it: trimmed, one pair of quotes removed, cut.
std::string ReadValue(std::string_view text) {
    std::string_view value = Trim(text.substr(text.find('=') + 1));
    if (IsQuotedPair(value))
        value = value.substr(1, value.size() - 2);
    return std::string(CutChars(value, IniFile::kMaxValueLength));
}

// A value that a read would change (blanks around it trimmed, a pair of surrounding quotes
// removed) is written inside double quotes, which the read removes again: "Scroll " stays
// "Scroll ". Other values are written as they are.
std::string WrittenValue(std::string_view value) {
    bool readChangesIt =
        !value.empty() && (IsBlank(value.front()) || IsBlank(value.back()) || IsQuotedPair(value));
    return readChangesIt ? Enclosed("\"", value, "\"") : std::string(value);
}

bool HasLineBreak(std::string_view text) {
    return text.find_first_of("\r\n") != text.npos;
}

// Whether the names can be written so that they read back as themselves. A key may not
// start with "[": its line could read as a header once the value holds a "]".
bool WritableNames(std::string_view section, std::string_view key) {
    section = Trim(section);
    key = Trim(key);
    if (HasLineBreak(section) || HasLineBreak(key))
        return false;
    const std::string header = Enclosed("[", section, "]");
    const std::string keyLine = Enclosed("", key, "=");
    return HeaderName(header) == section && KeyName(keyLine) == key && !key.starts_with('[');
}

struct Section {
    Line header;
    std::string name;
    std::vector<Line> lines;
    std::unordered_map<std::string, std::size_t> keys;  // lower-cased name -> first line
    std::size_t keyEnd = 0;                             // index after the last key line

    void AddKey(std::string_view keyName, std::size_t line) {
        keys.try_emplace(Lower(keyName), line);
        keyEnd = std::max(keyEnd, line + 1);
    }
};

}  // namespace

// --- The document ------------------------------------------------------------------------

struct IniFile::Document {
    std::filesystem::path path;
    bool existed = false;
    // Why Save() must not replace the file: a save of what was read would lose what was not.
    std::string refusal;
    Encoding encoding = Encoding::kUtf8;
    std::string newline = "\n";  // line end of lines we add
    std::string rest;            // an odd last byte of a UTF-16 file
    std::vector<Line> preamble;  // lines before the first section
    std::vector<Section> sections;
    std::unordered_map<std::string, std::size_t> index;  // lower-cased name -> first section

    const Section* Find(std::string_view name) const {
        auto found = index.find(Lower(Trim(name)));
        return found == index.end() ? nullptr : &sections[found->second];
    }
    Section* Find(std::string_view name) {
        return const_cast<Section*>(std::as_const(*this).Find(name));
    }

    void AddSection(Line header, std::string_view name) {
        index.try_emplace(Lower(name), sections.size());
        sections.push_back({std::move(header), std::string(name), {}, {}, 0});
    }

    void AddLine(Line line) {
        if (auto header = HeaderName(line.text)) {
            const std::string name(*header);
            AddSection(std::move(line), name);
        } else if (sections.empty()) {
            preamble.push_back(std::move(line));
        } else {
            Section& section = sections.back();
            if (auto key = KeyName(line.text))
                section.AddKey(*key, section.lines.size());
            section.lines.push_back(std::move(line));
        }
    }

    Line* LastLine() {
        if (sections.empty())
            return preamble.empty() ? nullptr : &preamble.back();
        Section& last = sections.back();
        return last.lines.empty() ? &last.header : &last.lines.back();
    }

    // A line that gets a successor needs a line end.
    void EndLine(Line* line) const {
        if (line != nullptr && line->end.empty())
            line->end = newline;
    }

    void SplitLines(std::string_view text) {
        bool styleSeen = false;
        while (!text.empty()) {
            const std::size_t cut = std::min(text.find_first_of("\r\n"), text.size());
            std::size_t endLength = cut == text.size() ? 0 : 1;
            if (text.substr(cut, 2) == "\r\n")
                endLength = 2;
            Line line{std::string(text.substr(0, cut)), std::string(text.substr(cut, endLength))};
            if (!styleSeen && endLength > 0) {
                newline = line.end;
                styleSeen = true;
            }
            AddLine(std::move(line));
            text.remove_prefix(cut + endLength);
        }
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
        doc.SplitLines(DecodeUtf16Le(bytes.substr(kBomUtf16Le.size()), doc.rest));
    } else if (bytes.starts_with(kBomUtf8)) {
        doc.encoding = Encoding::kUtf8Bom;
        doc.SplitLines(bytes.substr(kBomUtf8.size()));
    } else {
        doc.SplitLines(bytes);
    }
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

}  // namespace

IniFile IniFile::Open(const std::filesystem::path& path) {
    std::optional<std::string> bytes = ReadFileBytes(path, kMaxFileBytes + 1);
    IniFile file = bytes && bytes->size() <= kMaxFileBytes ? Parse(*bytes) : IniFile();
    Document& doc = *file.doc_;
    doc.path = path;
    doc.existed = bytes.has_value();
    if (bytes && bytes->size() > kMaxFileBytes) {
        doc.refusal = "file too large to edit";
    } else if (!bytes && SomethingAt(path)) {
        doc.refusal = "it exists but cannot be read";
    }
    return file;
}

const std::filesystem::path& IniFile::Path() const {
    return doc_->path;
}
bool IniFile::FileExisted() const {
    return doc_->existed;
}

std::string IniFile::Get(std::string_view section, std::string_view key) const {
    const Section* found = doc_->Find(section);
    if (found == nullptr)
        return "";
    auto line = found->keys.find(Lower(Trim(key)));
    return line == found->keys.end() ? "" : ReadValue(found->lines[line->second].text);
}

bool IniFile::HasSection(std::string_view section) const {
    return doc_->Find(section) != nullptr;
}

std::vector<std::string> IniFile::SectionNames() const {
    std::vector<std::string> names;
    for (std::size_t i = 0; i < doc_->sections.size(); ++i) {
        const std::string& name = doc_->sections[i].name;
        if (doc_->index.at(Lower(name)) == i)
            names.push_back(name);
    }
    return names;
}

std::vector<std::string> IniFile::KeyNames(std::string_view section) const {
    std::vector<std::string> names;
    const Section* found = doc_->Find(section);
    if (found == nullptr)
        return names;
    for (std::size_t i = 0; i < found->lines.size(); ++i) {
        auto key = KeyName(found->lines[i].text);
        if (key && found->keys.at(Lower(*key)) == i)
            names.emplace_back(*key);
    }
    return names;
}

// A value is written up to its first line break: the rest would become a line of its own.
// Names that would not read back as themselves are refused (see WritableNames).
void IniFile::Set(std::string_view sectionName, std::string_view keyName,
                  std::string_view valueText) {
    const Encoding encoding = doc_->encoding;
    const std::string section = Storable(Trim(sectionName), encoding);
    const std::string key = Storable(Trim(keyName), encoding);
    const std::string value =
        Storable(WrittenValue(valueText.substr(
                     0, std::min(valueText.find_first_of("\r\n"), valueText.size()))),
                 encoding);
    if (!WritableNames(section, key))
        return;
    Document& doc = *doc_;
    Section* found = doc.Find(section);
    if (found == nullptr) {
        doc.EndLine(doc.LastLine());
        doc.AddSection({Enclosed("[", section, "]"), doc.newline}, section);
        found = &doc.sections.back();
    }
    auto existing = found->keys.find(Lower(key));
    if (existing != found->keys.end()) {
        std::string& text = found->lines[existing->second].text;
        text.replace(text.find('=') + 1, std::string::npos, value);
        return;
    }
    // After the last key line: the lines that follow it are not keys, so no index moves.
    const std::size_t at = found->keyEnd;
    doc.EndLine(at == 0 ? &found->header : &found->lines[at - 1]);
    Line line{Enclosed(key, "=", value), doc.newline};
    found->lines.insert(found->lines.begin() + static_cast<std::ptrdiff_t>(at), std::move(line));
    found->AddKey(key, at);
}

void IniFile::RemoveSection(std::string_view section) {
    Document& doc = *doc_;
    const std::string lower = Lower(Trim(section));
    if (!doc.index.contains(lower))
        return;
    std::erase_if(doc.sections, [&](const Section& s) { return Lower(s.name) == lower; });
    doc.index.clear();
    for (std::size_t i = 0; i < doc.sections.size(); ++i) {
        doc.index.try_emplace(Lower(doc.sections[i].name), i);
    }
}

std::string IniFile::Serialize() const {
    std::string text;
    auto append = [&text](const Line& line) { text.append(line.text).append(line.end); };
    std::for_each(doc_->preamble.begin(), doc_->preamble.end(), append);
    for (const Section& section : doc_->sections) {
        append(section.header);
        std::for_each(section.lines.begin(), section.lines.end(), append);
    }
    switch (doc_->encoding) {
        case Encoding::kUtf8:
            return text;
        case Encoding::kUtf8Bom:
            return std::string(kBomUtf8) + text;
        case Encoding::kUtf16Le:
            return std::string(kBomUtf16Le) + EncodeUtf16Le(text) + doc_->rest;
    }
    return text;
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
    if (!WritableNames(section, key))
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
