// SPDX-License-Identifier: GPL-3.0-or-later
// The UI text table in four languages and the choice of language.
#pragma once

#include <array>
#include <filesystem>
#include <span>
#include <string>
#include <string_view>

namespace vorlak {

// Language codes, compared exactly and case-sensitively.
inline constexpr std::string_view kLanguageEnglish = "EN";
inline constexpr std::string_view kLanguageGerman = "DE";
inline constexpr std::string_view kLanguageSimplified = "CHS";
inline constexpr std::string_view kLanguageTraditional = "CHT";

// Every text of the main window, panels, menus, tray and message boxes, in one language.
struct UiTextTable {
    std::string LabelSection;
    std::string ProductName;
    std::string TxtReset;
    std::string TxtCancel;
    std::string TxtApply;
    std::string TxtConfig;
    std::string TxtTopView;
    std::string TxtSideView;
    std::string TxtButtonAssignment;
    std::string TxtMacroManager;
    std::string TxtAxisSensitivity;
    std::string TxtDpiSetting;
    std::string TxtLighting;
    std::string TxtPollingRate;
    std::string TxtMouseSpeed;
    std::string TxtDoubleClickSpeed;
    std::string TxtScrollSpeed;
    std::string TxtXAxis;
    std::string TxtYAxis;
    std::string TxtButton1;
    std::string TxtButton2;
    std::string TxtButton3;
    std::string TxtButton4;
    std::string TxtButton5;
    std::string TxtButton6;
    std::string TxtButton7;
    std::string TxtDpiUp;
    std::string TxtDpiDown;
    std::string TxtDpiLoop;
    std::string TxtSlow;
    std::string TxtFast;
    std::string TxtNumberOfRows;
    std::string TxtScrollOneScreen;
    std::string TxtStandard;
    std::string TxtRespiration;
    std::string TxtNeon;
    std::string TxtFnClick;
    std::string TxtFnMenu;
    std::string TxtFnScroll;
    std::string TxtFnForward;
    std::string TxtFnBack;
    std::string TxtFnDoubleClick;
    std::string TxtMenuDpi;
    std::string TxtMenuMultimedia;
    std::string TxtMenuOffice;
    std::string TxtMenuWindows;
    std::string TxtFnKeyboardKey;
    std::string TxtFnMacro;
    std::string TxtFnDeactivated;
    std::string TxtFnLeftTilt;
    std::string TxtFnRightTilt;
    std::string TxtLastClickWarning;
    std::string TxtAttention;
    std::string TxtWebAddress;
    std::string TxtResetConfirm;
    std::string TxtDpiStage1;
    std::string TxtDpiStage2;
    std::string TxtDpiStage3;
    std::string TxtDpiStage4;
    std::string TxtDpiStage5;
    std::string TxtDpiStage6;
    std::string TxtDpiStage7;
    std::string TxtMacroKeyEvent;
    std::string TxtNotDetected;
    std::string TxtDetected;
    std::string TxtExit;
    std::string TxtColorNote;
};

// One text in the four languages.
struct Text4 {
    std::string_view en, de, chs, cht;
};

// The value of "Lan" in section "Skins" of a text-settings file ("" when absent).
std::string LoadLanguage(const std::filesystem::path& settingsFile);

// The table for a language code; any code other than the four gives English.
UiTextTable FillTextTable(std::string_view code);

// The variant that belongs to code: "CHS" Simplified, "CHT" Traditional, "DE" German,
// anything else English.
std::string_view PickByLanguage(std::string_view code, std::string_view english,
                                std::string_view german, std::string_view simplified,
                                std::string_view traditional);

// The same rule for a text held as a row of four variants.
std::string_view PickByLanguage(std::string_view code, const Text4& text);

// True for "CHS" and "CHT" (the Chinese font face is used).
bool IsChineseLanguage(std::string_view code);

// The font face for texts in the language: "黑体" for Chinese, "Arial" otherwise.
std::string_view FontFace(std::string_view code);

// The fixed function-name lists of the assignment catalogue, for a language code.
std::span<const std::string_view, 8> MultimediaFunctionNames(std::string_view code);
std::span<const std::string_view, 10> OfficeFunctionNames(std::string_view code);
std::span<const std::string_view, 7> WindowsShortcutNames(std::string_view code);

// The DPI function names (up, down, loop) before the language is known.
inline constexpr std::array<std::string_view, 3> kInitialDpiFunctionNames = {"DPI +", "DPI -",
                                                                             "DPI Loop"};
// The DPI function names after start-up: the table's TxtDpiUp, TxtDpiDown, TxtDpiLoop.
std::array<std::string, 3> DpiFunctionNames(const UiTextTable& table);

}  // namespace vorlak
