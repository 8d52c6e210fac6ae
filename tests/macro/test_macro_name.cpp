// SPDX-License-Identifier: GPL-3.0-or-later
#include "macro/macro_name.h"

#include <string>
#include <vector>

#include <gtest/gtest.h>

namespace vorlak {
namespace {

TEST(MacroName, RefusesNamesThatWouldCorruptTheStore) {
    const std::vector<std::pair<std::string, bool>> cases = {
        {"Macro_1", true},
        {"My macro", true},
        {"Makro \xC3\xA4", true},
        {"a\"b", true},
        {"\"quoted", true},
        {"", false},
        {" Macro", false},
        {"Macro ", false},
        {"\tMacro", false},
        {"Mac\nro", false},
        {"Mac\rro", false},
        {"[Macro", false},
        {"Macro]", false},
        {"a=b", false},
        {"MacroName", false},
        {"macroname", false},
        {"MACRONAME", false},
        {"MacroNames", true},
        {"\"quoted\"", false},
        {std::string(1023, 'x'), true},
        {std::string(1024, 'x'), false},
    };
    for (const auto& [name, storable] : cases) {
        SCOPED_TRACE(name);
        EXPECT_EQ(IsStorableMacroName(name), storable);
    }
}

TEST(MacroName, RefusesDuplicatesIgnoringCase) {
    const std::vector<std::string> others = {"Macro_1", "Fire"};
    EXPECT_TRUE(IsValidMacroName("Macro_2", others));
    EXPECT_FALSE(IsValidMacroName("Macro_1", others));
    EXPECT_FALSE(IsValidMacroName("macro_1", others));
    EXPECT_FALSE(IsValidMacroName("FIRE", others));
    EXPECT_FALSE(IsValidMacroName("a]", others));
    EXPECT_TRUE(IsValidMacroName("Fire", std::vector<std::string>{}));
}

TEST(MacroName, NewNamesCountOnFromTheLastName) {
    using Names = std::vector<std::string>;
    struct Case {
        Names names;
        const char* prefix;
        const char* expected;
    };
    const Case cases[] = {
        {{}, "Macro", "Macro_1"},
        {{"Macro_9"}, "Macro", "Macro_10"},
        {{"Fire", "Jump"}, "Makro", "Makro_3"},        // no "_": the count
        {{"Macro_1", "x_7y"}, "宏", "宏_8"},           // the leading number after the first "_"
        {{"Macro_2", "Macro_1"}, "Macro", "Macro_3"},  // Macro_2 is taken: passed over
        {{"a_2147483647"}, "Macro", "Macro_2147483648"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.expected);
        EXPECT_EQ(NewMacroName(c.names, c.prefix), c.expected);
    }
}

}  // namespace
}  // namespace vorlak
