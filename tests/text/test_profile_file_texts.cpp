// SPDX-License-Identifier: GPL-3.0-or-later
#include "text/profile_file_texts.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <string>
#include <string_view>

namespace vorlak {
namespace {

using T = ProfileFileTexts;
const std::initializer_list<std::string_view T::*> kMembers = {
    &T::journalUnfinished, &T::commitUnfinished, &T::savedNothing,   &T::savedRecordOnly,
    &T::savedLabelsOnly,   &T::importField,      &T::fieldsRepaired, &T::profileSlot,
    &T::pollingRate,       &T::dpiLevel,         &T::dpiEnabled,     &T::lightMode,
    &T::lightBrightness,   &T::lightBreathRate,  &T::lightNeonRate,  &T::pointerSpeed,
    &T::wheelLines,        &T::doubleClickStep,  &T::sensitivityX,   &T::sensitivityY,
    &T::entryFunction,     &T::entryDpiAction,   &T::entryMediaKey,  &T::entryWindowsShortcut,
    &T::entryOfficeKey,    &T::entryKey,         &T::entryMacro,     &T::entryMacroMode};
static_assert(sizeof(ProfileFileTexts) == 28 * sizeof(std::string_view));

// The places a text fills ("%1", "%2"), so that no language drops or adds one.
std::string Marks(std::string_view text) {
    std::string marks;
    for (std::size_t at = text.find('%'); at != std::string_view::npos && at + 1 < text.size();
         at = text.find('%', at + 1))
        marks += text.substr(at, 2);
    return marks;
}

TEST(ProfileFileTextsTest, EveryTextIsFilledInEachLanguageWithTheSamePlaces) {
    const ProfileFileTexts english = ProfileFileTextsFor("EN");
    for (const char* code : {"DE", "CHS", "CHT"}) {
        const ProfileFileTexts texts = ProfileFileTextsFor(code);
        for (auto member : kMembers) {
            EXPECT_FALSE((texts.*member).empty()) << code;
            EXPECT_EQ(Marks(texts.*member), Marks(english.*member))
                << code << ": " << texts.*member;
        }
    }
    EXPECT_EQ(ProfileFileTextsFor("XX").savedNothing, english.savedNothing);
}

}  // namespace
}  // namespace vorlak
