// SPDX-License-Identifier: GPL-3.0-or-later
#include "controller/autostart_entry.h"

#include "common/atomic_file.h"
#include "profiles/install_folders.h"
#include "text/ui_text.h"

namespace fs = std::filesystem;

namespace vorlak {
namespace {

// An Exec argument as the desktop entry format wants it: plain when it holds no reserved
// character, else in double quotes with '"', '`', '$' and '\' escaped; then the string rule
// doubles every backslash, and '%' is doubled for the field codes.
std::string ExecArgument(std::string_view argument) {
    const bool plain = argument.find_first_of(" \t\"'\\><~|&;$*?#()`") == std::string_view::npos;
    std::string quoted = plain ? "" : "\"";
    for (const char c : argument) {
        if (!plain && (c == '"' || c == '`' || c == '$' || c == '\\'))
            quoted += '\\';
        quoted += c;
    }
    if (!plain)
        quoted += '"';
    std::string escaped;
    for (const char c : quoted) {
        if (c == '\\' || c == '%')
            escaped += c;
        escaped += c;
    }
    return escaped;
}

}  // namespace

fs::path AutostartEntryPath(const char* xdgConfigHome, const char* home) {
    const fs::path config = UserConfigHome(xdgConfigHome, home);
    if (config.empty())
        return config;
    return config / "autostart" / (std::string(kDesktopId) + ".desktop");
}

std::optional<std::string> AutostartEntryText(const fs::path& executable) {
    const std::string path = executable.string();
    if (path.find_first_of("\r\n") != std::string::npos)
        return std::nullopt;
    return "[Desktop Entry]\n"
           "Type=Application\n"
           "Name=Vorlak\n"
           "Comment=Configure the Vorlak gaming mouse\n"
           "Exec=" +
           ExecArgument(path) +
           "\n"
           "Icon=" +
           std::string(kDesktopId) +
           "\n"
           "Terminal=false\n"
           "X-GNOME-Autostart-enabled=true\n";
}

bool SetAutostart(const fs::path& entry, bool on, const fs::path& executable,
                  std::error_code& error) {
    error.clear();
    if (entry.empty()) {
        error = std::make_error_code(std::errc::no_such_file_or_directory);
        return false;
    }
    if (!on) {
        fs::remove(entry, error);
        return !error;
    }
    const std::optional<std::string> text = AutostartEntryText(executable);
    if (!text) {
        error = std::make_error_code(std::errc::invalid_argument);
        return false;
    }
    fs::create_directories(entry.parent_path(), error);
    return !error && ReplaceFileAtomically(entry, *text, error);
}

std::string_view AutostartItemText(std::string_view code) {
    return PickByLanguage(code, "Start with the desktop", "Mit dem Desktop starten", "随桌面启动",
                          "隨桌面啟動");
}

}  // namespace vorlak
