// SPDX-License-Identifier: GPL-3.0-or-later
#include "text/apply_step_text.h"

#include <gtest/gtest.h>

#include "text/ui_text.h"

namespace vorlak {
namespace {

TEST(ApplyStepTextTest, NumberedStepsInEachLanguage) {
    EXPECT_EQ(ApplyStepText("EN", ApplyStepKind::Macro, 4), "macro 4 of 12");
    EXPECT_EQ(ApplyStepText("DE", ApplyStepKind::Macro, 4), "Makro 4 von 12");
    EXPECT_EQ(ApplyStepText("CHS", ApplyStepKind::KeyMatrix, 3), "按键矩阵 3");
    EXPECT_EQ(ApplyStepText("xx", ApplyStepKind::KeyMatrix, 0), "key matrix 0");
}

// Every step has its own text in each of the other three languages.
TEST(ApplyStepTextTest, NoStepStaysEnglish) {
    for (int k = 0; k <= static_cast<int>(ApplyStepKind::ProfileFiles); ++k) {
        const auto kind = static_cast<ApplyStepKind>(k);
        const std::string english = ApplyStepText(kLanguageEnglish, kind, 1);
        for (std::string_view code : {kLanguageGerman, kLanguageSimplified, kLanguageTraditional})
            EXPECT_NE(ApplyStepText(code, kind, 1), english) << code << " step " << k;
    }
}

}  // namespace
}  // namespace vorlak
