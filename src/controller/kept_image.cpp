// SPDX-License-Identifier: GPL-3.0-or-later
#include "controller/kept_image.h"

#include <algorithm>
#include <fstream>
#include <sstream>

#include "common/atomic_file.h"
#include "common/diagnostics.h"

namespace vorlak {
namespace {

constexpr const char* kFileName = "vorlak-kept-image";
constexpr std::string_view kHeader = "vorlak-kept-image 1";
constexpr std::size_t kMaxFileBytes = 64 * 1024;

std::string Hex(const std::vector<Byte>& bytes) {
    constexpr const char* kDigits = "0123456789ABCDEF";
    std::string text;
    for (Byte b : bytes) {
        text += kDigits[b >> 4];
        text += kDigits[b & 0x0F];
    }
    return text;
}

int Digit(char c) {
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

std::optional<std::vector<Byte>> FromHex(std::string_view text) {
    if (text.size() % 2 != 0)
        return std::nullopt;
    std::vector<Byte> bytes;
    for (std::size_t i = 0; i < text.size(); i += 2) {
        const int high = Digit(text[i]), low = Digit(text[i + 1]);
        if (high < 0 || low < 0)
            return std::nullopt;
        bytes.push_back(static_cast<Byte>(high * 16 + low));
    }
    return bytes;
}

// A whole new file in place of the old one, renamed over it, so a reader never sees a part.
// Not flushed to the disk: the runtime folder does not outlive a reboot, and the mouse is
// plugged in anew after one.
bool Replace(const std::filesystem::path& path, const std::string& text) {
    std::filesystem::path staged = path;
    staged += ".new";
    {
        std::ofstream out(staged, std::ios::binary | std::ios::trunc);
        if (!out.write(text.data(), static_cast<std::streamsize>(text.size())).flush())
            return false;
    }
    std::error_code error;
    std::filesystem::rename(staged, path, error);
    return !error;
}

}  // namespace

std::optional<std::filesystem::path> KeptImageFileIn(const char* runtimeDir, bool simulated) {
    if (simulated || runtimeDir == nullptr || *runtimeDir == '\0')
        return std::nullopt;
    return std::filesystem::path(runtimeDir) / kFileName;
}

KeptImage::KeptImage(std::optional<std::filesystem::path> file) : file_(std::move(file)) {}

void KeptImage::Forget() {
    key_.clear();
    steps_.clear();
    RemoveFile();
}

void KeptImage::RemoveFile() {
    std::error_code ignored;
    if (file_)
        std::filesystem::remove(*file_, ignored);
}

std::vector<ApplyStep> KeptImage::ToSend(const std::string& key,
                                         const std::vector<ApplyStep>& steps) {
    Reload();
    const bool whole = !key.empty() && key == key_ &&
                       std::all_of(steps.begin(), steps.end(), [this](const ApplyStep& step) {
                           return steps_.contains(step.Name());
                       });
    if (!whole)
        return steps;
    std::vector<ApplyStep> differing;
    std::copy_if(steps.begin(), steps.end(), std::back_inserter(differing),
                 [this](const ApplyStep& step) { return steps_.at(step.Name()) != step.Bytes(); });
    return differing;
}

// A run that ends while steps go out leaves no file: the next Apply, of any run, sends all.
void KeptImage::Sending(const std::string& key, std::span<const ApplyStep> steps) {
    if (key != key_) {
        key_ = key;
        steps_.clear();
    }
    for (const ApplyStep& step : steps)
        steps_.erase(step.Name());
    if (!steps.empty())
        RemoveFile();
}

void KeptImage::Received(const std::string& key, const ApplyStep& step) {
    if (key == key_)  // Sending came first, for the same mouse
        steps_[step.Name()] = step.Bytes();
}

void KeptImage::Sent(const std::string& key) {
    if (key == key_)
        Save();
}

// What another run wrote since is the truth: the window and vorlakctl share the mouse.
void KeptImage::Reload() {
    if (!file_)
        return;
    key_.clear();
    steps_.clear();
    const std::optional<std::string> bytes = ReadFileBytes(*file_, kMaxFileBytes);
    if (!bytes)
        return;
    std::istringstream lines(*bytes);
    std::string line, key;
    if (!std::getline(lines, line) || line != kHeader || !std::getline(lines, line) ||
        !line.starts_with("key ") || (key = line.substr(4)).empty())
        return;
    std::map<std::string, std::vector<Byte>> steps;
    while (std::getline(lines, line)) {
        const std::size_t blank = line.find(' ');
        std::optional<std::vector<Byte>> stepBytes;
        if (blank != std::string::npos)
            stepBytes = FromHex(std::string_view(line).substr(blank + 1));
        if (!stepBytes)
            return;  // a damaged file keeps nothing
        steps[line.substr(0, blank)] = std::move(*stepBytes);
    }
    key_ = std::move(key);
    steps_ = std::move(steps);
}

// A file that cannot be written must not be read later with what it held before: it goes.
void KeptImage::Save() {
    if (!file_)
        return;
    if (key_.empty()) {
        Forget();
        return;
    }
    std::string text = std::string(kHeader) + "\nkey " + key_ + "\n";
    for (const auto& [name, bytes] : steps_)
        text += name + " " + Hex(bytes) + "\n";
    if (!Replace(*file_, text)) {
        Diagnostic("The kept image %s cannot be written\n", file_->c_str());
        Forget();
    }
}

}  // namespace vorlak
