// SPDX-License-Identifier: GPL-3.0-or-later
#include "controller/apply_report.h"

#include <gtest/gtest.h>

#include "text/ui_text.h"

namespace vorlak {
namespace {

constexpr std::string_view kOtherLanguages[] = {kLanguageGerman, kLanguageSimplified,
                                                kLanguageTraditional};

TEST(ApplyReportTest, NumberedStepsInEachLanguage) {
    EXPECT_EQ(ApplyStepText("EN", ApplyStepKind::Macro, 4), "macro 4 of 12");
    EXPECT_EQ(ApplyStepText("DE", ApplyStepKind::Macro, 4), "Makro 4 von 12");
    EXPECT_EQ(ApplyStepText("CHS", ApplyStepKind::KeyMatrix, 3), "按键矩阵 3");
    EXPECT_EQ(ApplyStepText("xx", ApplyStepKind::KeyMatrix, 0), "key matrix 0");
}

// Every step and every outcome has its own text in each of the other three languages; the
// warning that the files could not be saved was English in all four.
TEST(ApplyReportTest, NothingStaysEnglish) {
    std::vector<std::function<std::string(std::string_view)>> texts = {
        [](std::string_view code) { return ProfileFilesStepText(code); },
        [](std::string_view code) { return TransferReasonText(code, EIO); },
        [](std::string_view code) { return TransferReasonText(code, EBUSY); },
    };
    for (int k = 0; k <= static_cast<int>(ApplyStepKind::Lighting); ++k) {
        texts.push_back([k](std::string_view code) {
            return ApplyStepText(code, static_cast<ApplyStepKind>(k), 1);
        });
    }
    const StepFailure failure{ApplyStepKind::Macro, 4, EPIPE};
    for (const ApplyOutcome& outcome :
         {ApplyOutcome{19, 19, {}, true, "/data"}, ApplyOutcome{19, 9, failure, true, "/data"},
          ApplyOutcome{19, 19, {}, false, "/data"}, ApplyOutcome{19, 9, failure, false, "/data"},
          ApplyOutcome{0, 0, {}, true, "/data"}, ApplyOutcome{0, 0, {}, false, "/data"}}) {
        texts.push_back(
            [outcome](std::string_view code) { return ApplyOutcomeReport(outcome, code).text; });
    }
    for (std::size_t t = 0; t < texts.size(); ++t) {
        const std::string english = texts[t](kLanguageEnglish);
        for (std::string_view code : kOtherLanguages)
            EXPECT_NE(texts[t](code), english) << code << " text " << t << ": " << english;
    }
}

// A problem names the step, the reason and the folder in the user's language.
TEST(ApplyReportTest, AProblemSaysWhatAndWhy) {
    const ApplyOutcome outcome{19, 3, StepFailure{ApplyStepKind::Macro, 4, EIO}, false, "/data"};
    struct Case {
        std::string_view code;
        std::string step;
        std::string reason;
    };
    const Case cases[] = {
        {kLanguageEnglish, "macro 4 of 12", "input/output error (EIO)"},
        {kLanguageGerman, "Makro 4 von 12", "Ein-/Ausgabefehler (EIO)"},
        {kLanguageSimplified, "宏 4 / 12", "输入/输出错误 (EIO)"},
        {kLanguageTraditional, "巨集 4 / 12", "輸入/輸出錯誤 (EIO)"},
    };
    for (const Case& c : cases) {
        const ApplyReport report = ApplyOutcomeReport(outcome, c.code);
        EXPECT_TRUE(report.problem);
        for (const std::string& part : {c.step, c.reason, std::string("/data")})
            EXPECT_NE(report.text.find(part), std::string::npos) << c.code << ": " << report.text;
    }
    EXPECT_FALSE(ApplyOutcomeReport({19, 19, {}, true, "/data"}, kLanguageGerman).problem);
    EXPECT_EQ(TransferReasonText(kLanguageEnglish, 12345), "system error 12345");
}

}  // namespace
}  // namespace vorlak
