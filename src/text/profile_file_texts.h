// SPDX-License-Identifier: GPL-3.0-or-later
// What the user is told about the profile files in four languages: a renumbering left
// unfinished, a save that wrote only a part, an import refused for a field and a stored record
// brought into range, with the names of the record's fields. "%1", "%2" … are filled in order.
#pragma once

#include <string_view>

namespace vorlak {

struct ProfileFileTexts {
    // A renumbering of the profile files could not be finished (%1: which file and why).
    std::string_view journalUnfinished;
    // A commit stopped halfway through its renames (%1: which file and why).
    std::string_view commitUnfinished;
    // A save: nothing written, the record alone, the labels alone (%1: which file and why).
    std::string_view savedNothing;
    std::string_view savedRecordOnly;
    std::string_view savedLabelsOnly;
    // An import holding a value no profile holds (%1: the field, %2: the value).
    std::string_view importField;
    // A stored record brought into range (%1: the file, %2: "field old → new" for each).
    std::string_view fieldsRepaired;

    // The record's fields; %1 is the DPI stage or the button.
    std::string_view profileSlot;
    std::string_view pollingRate;
    std::string_view dpiLevel;
    std::string_view dpiEnabled;
    std::string_view lightMode;
    std::string_view lightBrightness;
    std::string_view lightBreathRate;
    std::string_view lightNeonRate;
    std::string_view pointerSpeed;
    std::string_view wheelLines;
    std::string_view doubleClickStep;
    std::string_view sensitivityX;
    std::string_view sensitivityY;
    std::string_view entryFunction;
    std::string_view entryDpiAction;
    std::string_view entryMediaKey;
    std::string_view entryWindowsShortcut;
    std::string_view entryOfficeKey;
    std::string_view entryKey;
    std::string_view entryMacro;
    std::string_view entryMacroMode;
};

ProfileFileTexts ProfileFileTextsFor(std::string_view code);

}  // namespace vorlak
