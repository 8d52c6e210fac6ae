// SPDX-License-Identifier: GPL-3.0-or-later
#include "text/dialog_texts.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <string_view>

namespace vorlak {
namespace {

const char* const kLanguages[] = {"EN", "DE", "CHS", "CHT"};
const char* const kUnknownCodes[] = {"", "chs", "cht", "de", "en", "XX", "CHS "};

// The members of a texts struct, listed independently of the implementation; the size check
// makes the list complete.
template <class Texts>
using Members = std::initializer_list<std::string_view Texts::*>;

const Members<KeyCaptureTexts> kKeyCaptureMembers = {&KeyCaptureTexts::ok, &KeyCaptureTexts::cancel,
                                                     &KeyCaptureTexts::prompt};
static_assert(sizeof(KeyCaptureTexts) == 3 * sizeof(std::string_view));

const Members<MacroManagerTexts> kMacroManagerMembers = {
    &MacroManagerTexts::ok,
    &MacroManagerTexts::cancel,
    &MacroManagerTexts::startRecording,
    &MacroManagerTexts::stopRecording,
    &MacroManagerTexts::insertLeftButton,
    &MacroManagerTexts::insertMiddleButton,
    &MacroManagerTexts::insertRightButton,
    &MacroManagerTexts::insertDelay,
    &MacroManagerTexts::limitCaption,
    &MacroManagerTexts::limitMessage,
    &MacroManagerTexts::title,
    &MacroManagerTexts::macroColumn,
    &MacroManagerTexts::eventColumn,
    &MacroManagerTexts::optionsColumn,
    &MacroManagerTexts::recordDelayOption,
    &MacroManagerTexts::loopsOption,
    &MacroManagerTexts::newButton,
    &MacroManagerTexts::deleteButton,
    &MacroManagerTexts::namePrefix,
};
static_assert(sizeof(MacroManagerTexts) == 19 * sizeof(std::string_view));

const Members<MacroPickerTexts> kMacroPickerMembers = {
    &MacroPickerTexts::ok, &MacroPickerTexts::cancel, &MacroPickerTexts::prompt};
static_assert(sizeof(MacroPickerTexts) == 6 * sizeof(std::string_view));  // with the 3 modes

const Members<ProfileManagerTexts> kProfileManagerMembers = {&ProfileManagerTexts::title,
                                                             &ProfileManagerTexts::baseName,
                                                             &ProfileManagerTexts::newButton,
                                                             &ProfileManagerTexts::deleteButton,
                                                             &ProfileManagerTexts::menuEdit,
                                                             &ProfileManagerTexts::menuCopy,
                                                             &ProfileManagerTexts::menuLoad,
                                                             &ProfileManagerTexts::menuSave,
                                                             &ProfileManagerTexts::limitCaption,
                                                             &ProfileManagerTexts::limitMessage,
                                                             &ProfileManagerTexts::importRefused,
                                                             &ProfileManagerTexts::importNoBinName,
                                                             &ProfileManagerTexts::importMissing,
                                                             &ProfileManagerTexts::importNotAFile,
                                                             &ProfileManagerTexts::importUnreadable,
                                                             &ProfileManagerTexts::importWrongSize,
                                                             &ProfileManagerTexts::exportFailed,
                                                             &ProfileManagerTexts::commitFailed};
static_assert(sizeof(ProfileManagerTexts) == 18 * sizeof(std::string_view));

// Every text is filled in each language, and any other code gives the English texts.
template <class Texts>
void ExpectFilledAndEnglishByDefault(Texts (*textsFor)(std::string_view), Members<Texts> members) {
    for (const char* code : kLanguages) {
        const Texts texts = textsFor(code);
        for (auto member : members) {
            EXPECT_FALSE((texts.*member).empty()) << code;
        }
    }
    const Texts english = textsFor("EN");
    for (const char* code : kUnknownCodes) {
        const Texts texts = textsFor(code);
        for (auto member : members) {
            EXPECT_EQ(texts.*member, english.*member) << "'" << code << "'";
        }
    }
}

TEST(DialogTextsTest, EveryDialogTextIsFilledAndDefaultsToEnglish) {
    ExpectFilledAndEnglishByDefault(&KeyCaptureTextsFor, kKeyCaptureMembers);
    ExpectFilledAndEnglishByDefault(&MacroManagerTextsFor, kMacroManagerMembers);
    ExpectFilledAndEnglishByDefault(&MacroPickerTextsFor, kMacroPickerMembers);
    ExpectFilledAndEnglishByDefault(&ProfileManagerTextsFor, kProfileManagerMembers);
    for (const char* code : kLanguages) {
        for (auto mode : MacroPickerTextsFor(code).modes) {
            EXPECT_FALSE(mode.empty()) << code;
        }
    }
    for (const char* code : kUnknownCodes) {
        EXPECT_EQ(MacroPickerTextsFor(code).modes, MacroPickerTextsFor("EN").modes) << code;
    }
}

TEST(DialogTextsTest, KeyCaptureTextsPerLanguage) {
    struct Case {
        const char* code;
        std::string_view ok, cancel, prompt;
    };
    const Case cases[] = {
        {"EN", "Ok", "Cancel", "Please assign a key"},
        {"DE", "OK", "Abbrechen", "Bitte wählen Sie eine Taste aus."},
        {"CHS", "确定", "取消", "请输入一个按键"},
        {"CHT", "確定", "取消", "請指派一個鍵盤按鍵"},
    };
    for (const auto& c : cases) {
        const auto texts = KeyCaptureTextsFor(c.code);
        EXPECT_EQ(texts.ok, c.ok) << c.code;
        EXPECT_EQ(texts.cancel, c.cancel) << c.code;
        EXPECT_EQ(texts.prompt, c.prompt) << c.code;
    }
}

TEST(DialogTextsTest, MacroManagerTexts) {
    struct Case {
        const char* code;
        std::string_view MacroManagerTexts::*member;
        std::string_view expected;
    };
    const Case cases[] = {
        {"EN", &MacroManagerTexts::insertRightButton, "Inset Right Button"},
        {"EN", &MacroManagerTexts::insertDelay, "Inset Delay"},
        {"EN", &MacroManagerTexts::namePrefix, "Macro"},
        {"EN", &MacroManagerTexts::limitCaption, "ATTENTION!"},
        {"DE", &MacroManagerTexts::namePrefix, "Makro"},
        {"DE", &MacroManagerTexts::recordDelayOption,
         "Verzögerungen zwischen Tastenbefehlen aufzeichnen"},
        {"CHS", &MacroManagerTexts::deleteButton, "刪除"},
        {"CHS", &MacroManagerTexts::eventColumn, "按鍵序列"},
        {"CHT", &MacroManagerTexts::limitMessage, "支援最多12 組巨集"},
        {"CHT", &MacroManagerTexts::title, "巨集編輯器"},
        {"CHT", &MacroManagerTexts::namePrefix, "巨集"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(MacroManagerTextsFor(c.code).*c.member, c.expected) << c.code;
    }
}

TEST(DialogTextsTest, MacroPickerTexts) {
    const auto english = MacroPickerTextsFor("EN");
    EXPECT_EQ(english.modes[0], "Macro runs one-time after pressing the button.");
    EXPECT_EQ(english.modes[1], "Macro runs endless loop until any button is pressed. ");
    EXPECT_EQ(english.modes[2], "Macro runs endless loop until button is released. ");
    EXPECT_EQ(english.prompt, "Please select a macro!");
    EXPECT_EQ(MacroPickerTextsFor("DE").modes[2],
              "Makro bei dauerhaft gedrückter Taste endlos ausführen.");
    EXPECT_EQ(MacroPickerTextsFor("CHS").modes[1], "重复直到按任意键结束");
    EXPECT_EQ(MacroPickerTextsFor("CHT").prompt, "請先選擇巨集");
    EXPECT_EQ(MacroPickerTextsFor("CHT").ok, "確定");
}

TEST(DialogTextsTest, ProfileManagerTexts) {
    struct Case {
        const char* code;
        std::string_view ProfileManagerTexts::*member;
        std::string_view expected;
    };
    const Case cases[] = {
        {"EN", &ProfileManagerTexts::baseName, "Profile"},
        {"EN", &ProfileManagerTexts::menuCopy, "Copy"},
        {"EN", &ProfileManagerTexts::limitMessage, "Up to 6 Profiles Possible."},
        {"DE", &ProfileManagerTexts::title, "Game Profil"},
        {"DE", &ProfileManagerTexts::baseName, "Profil"},
        {"CHS", &ProfileManagerTexts::baseName, "Profile"},
        {"CHS", &ProfileManagerTexts::deleteButton, "删除"},
        {"CHT", &ProfileManagerTexts::baseName, "設定檔"},
        {"CHT", &ProfileManagerTexts::limitCaption, "注意!"},
        {"CHT", &ProfileManagerTexts::limitMessage, "支援最多六組設定檔。"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ProfileManagerTextsFor(c.code).*c.member, c.expected) << c.code;
    }
}

TEST(DialogTextsTest, FontsPerLanguage) {
    struct Case {
        const char* code;
        bool systemVersion62;
        std::string_view keyCaptureFace;
        int keyCaptureHeight;
        std::string_view profileFace;
    };
    const Case cases[] = {
        {"CHS", false, "宋体", 13, "宋体"},   {"CHS", true, "黑体", 13, "黑体"},
        {"CHT", false, "黑体", 13, "黑体"},   {"CHT", true, "黑体", 13, "黑体"},
        {"EN", false, "Arial", 14, "Arial"},  {"DE", true, "Arial", 14, "Arial"},
        {"chs", false, "Arial", 14, "Arial"},
    };
    for (const auto& c : cases) {
        const auto keyCapture = KeyCaptureFont(c.code, c.systemVersion62);
        const auto profile = ProfileManagerFont(c.code, c.systemVersion62);
        EXPECT_EQ(keyCapture.face, c.keyCaptureFace) << c.code << c.systemVersion62;
        EXPECT_EQ(keyCapture.height, c.keyCaptureHeight) << c.code << c.systemVersion62;
        EXPECT_EQ(profile.face, c.profileFace) << c.code << c.systemVersion62;
        EXPECT_EQ(profile.height, 13);
    }
    struct MacroCase {
        const char* code;
        std::string_view face;
        int recordButtonHeight;
    };
    const MacroCase macroCases[] = {
        {"CHS", "黑体", 12}, {"CHT", "黑体", 12}, {"EN", "Arial", 14}, {"", "Arial", 14}};
    for (const auto& c : macroCases) {
        EXPECT_EQ(MacroManagerFont(c.code).face, c.face) << c.code;
        EXPECT_EQ(MacroManagerFont(c.code).height, 12) << c.code;
        EXPECT_EQ(MacroRecordButtonFont(c.code).face, c.face) << c.code;
        EXPECT_EQ(MacroRecordButtonFont(c.code).height, c.recordButtonHeight) << c.code;
        EXPECT_EQ(MacroPickerFont(c.code).face, c.face) << c.code;
        EXPECT_EQ(MacroPickerFont(c.code).height, 13) << c.code;
    }
}

}  // namespace
}  // namespace vorlak
