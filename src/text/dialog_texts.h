// SPDX-License-Identifier: GPL-3.0-or-later
// The dialogs' own texts and fonts, chosen by the language code like the UI text table:
// "CHS" Simplified, "CHT" Traditional, "DE" German, any other code English.
#pragma once

#include <array>
#include <string_view>

namespace vorlak {

// Key capture dialog.
struct KeyCaptureTexts {
    std::string_view ok;      // OK button
    std::string_view cancel;  // Cancel button
    std::string_view prompt;  // line above the key name
};
KeyCaptureTexts KeyCaptureTextsFor(std::string_view code);

// Macro manager dialog.
struct MacroManagerTexts {
    std::string_view ok;
    std::string_view cancel;
    std::string_view startRecording;    // record button caption while idle
    std::string_view stopRecording;     // record button caption while recording
    std::string_view insertLeftButton;  // event menu items
    std::string_view insertMiddleButton;
    std::string_view insertRightButton;
    std::string_view insertDelay;
    std::string_view limitCaption;  // caption of the macro limit message box
    std::string_view limitMessage;  // text of the macro limit message box
    std::string_view title;
    std::string_view macroColumn;  // column headings
    std::string_view eventColumn;
    std::string_view optionsColumn;
    std::string_view recordDelayOption;  // beside the record-delay box
    std::string_view loopsOption;        // beside the loops box
    std::string_view newButton;
    std::string_view deleteButton;  // also the event menu's Delete item
    std::string_view namePrefix;    // new macros are named prefix + "_" + number
};
MacroManagerTexts MacroManagerTextsFor(std::string_view code);

// Macro picker dialog.
struct MacroPickerTexts {
    std::string_view ok;
    std::string_view cancel;
    std::string_view prompt;                // above the drop-down
    std::array<std::string_view, 3> modes;  // play modes 0, 1, 2
};
MacroPickerTexts MacroPickerTextsFor(std::string_view code);

// Profile manager dialog.
struct ProfileManagerTexts {
    std::string_view title;
    std::string_view baseName;  // new profiles are named base + " " + number
    std::string_view newButton;
    std::string_view deleteButton;  // also the menu's Delete item
    std::string_view menuEdit;
    std::string_view menuCopy;  // also the prefix of copied names
    std::string_view menuLoad;
    std::string_view menuSave;
    std::string_view limitCaption;  // caption of the profile limit message box
    std::string_view limitMessage;  // text of the profile limit message box
    // Why an import changed nothing: the first line names the file (%1), the second says why.
    std::string_view importRefused;
    std::string_view importNoBinName;
    std::string_view importMissing;
    std::string_view importNotAFile;
    std::string_view importUnreadable;
    std::string_view importWrongSize;  // %2: the file's size in bytes
    std::string_view exportFailed;     // %1: the file, %2: why
    std::string_view commitFailed;     // %1: which file and why
};
ProfileManagerTexts ProfileManagerTextsFor(std::string_view code);

// The data folder's problems: which file could not be read and why, what the program does
// instead, and why Apply sent nothing.
struct DataProblemTexts {
    std::string_view missing;        // the file or folder does not exist
    std::string_view noAccess;       // it exists but may not be opened
    std::string_view shortRecord;    // a record file shorter than a record
    std::string_view noProfile;      // the profile list names no profile
    std::string_view defaultsShown;  // the line after the reason
    std::string_view notSent;        // Apply refused a record that was never read
};
DataProblemTexts DataProblemTextsFor(std::string_view code);

// A mouse is present, but this user may not open its device nodes: the notice names them
// and the fix, the udev rule.
struct MouseAccessTexts {
    std::string_view title;
    std::string_view nodes;  // followed by the node names
    std::string_view fix;    // the line after them
};
MouseAccessTexts MouseAccessTextsFor(std::string_view code);

// A font face with its cell height in pixels.
struct DialogFont {
    std::string_view face;
    int height;
};

// The key capture dialog and the profile manager draw Simplified Chinese in "宋体" unless
// the system reports version 6.2; every other case uses FontFace.
DialogFont KeyCaptureFont(std::string_view code, bool systemVersion62);
DialogFont ProfileManagerFont(std::string_view code, bool systemVersion62);
DialogFont MacroManagerFont(std::string_view code);
// The caption of the macro manager's record button.
DialogFont MacroRecordButtonFont(std::string_view code);
DialogFont MacroPickerFont(std::string_view code);

}  // namespace vorlak
