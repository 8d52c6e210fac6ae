// SPDX-License-Identifier: GPL-3.0-or-later
#include "text/macro_cut_text.h"

#include <gtest/gtest.h>

namespace vorlak {
namespace {

TEST(MacroCutText, NamesTheMacroAsTypedAndCountsTheDroppedEvents) {
    EXPECT_EQ(MacroCutText("EN", "50%d_%s", 19),
              "The macro \"50%d_%s\" is too long for the mouse: its last 19 events were left out.");
    EXPECT_EQ(MacroCutText("XX", "M", 1), MacroCutText("EN", "M", 1));
    EXPECT_NE(MacroCutText("DE", "M", 1).find("Makro \"M\""), std::string::npos);
}

}  // namespace
}  // namespace vorlak
