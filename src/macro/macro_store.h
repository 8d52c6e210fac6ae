// The macro store "record.ini": the list of macro names and one section per macro.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "common/sleeper.h"

namespace vorlak {

// A macro as the store holds it: every field is text.
struct StoredMacro {
    std::string delayFlag;            // "DelayTimeSelStatus": "0" or "1"
    std::string loopText;             // "MacroLoopTimes"
    std::vector<std::string> events;  // "Item0" ... in play order
};

class MacroStore {
public:
    explicit MacroStore(std::filesystem::path path, Sleeper sleeper = RealSleeper());

    const std::filesystem::path& Path() const { return path_; }
    bool Exists() const;

    std::vector<std::string> ReadNames() const;
    StoredMacro ReadMacro(std::string_view name) const;
    int ReadItemCount(std::string_view name) const;

    // Writes return false when the file could not be written (the old file then stays).
    bool WriteNames(const std::vector<std::string>& names);
    bool WriteMacro(std::string_view name, int delayFlag, std::string_view loopText,
                    const std::vector<std::string>& events);
    bool WriteLoopCount(std::string_view name, int loopCount);
    bool DeleteMacro(std::string_view name);

private:
    std::filesystem::path path_;
    Sleeper sleeper_;
};

}  // namespace vorlak
