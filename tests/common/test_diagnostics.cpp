// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/diagnostics.h"

#include <gtest/gtest.h>

#include <thread>

namespace vorlak {
namespace {

TEST(DiagnosticsTest, FormatsLikePrintfAndCapturesFromEveryThread) {
    DiagnosticCapture capture;
    Diagnostic("Program First Run Flag:%d\nRead Size is: %d", 1, 1888);
    Diagnostic("Config file is not exist.\n");
    std::thread([] { Diagnostic("FW version:%02x-%02x\n", 1, 0xab); }).join();
    EXPECT_EQ(capture.Lines(),
              (std::vector<std::string>{"Program First Run Flag:1\nRead Size is: 1888",
                                        "Config file is not exist.\n", "FW version:01-ab\n"}));
}

TEST(DiagnosticsTest, CaptureRestoresThePreviousSink) {
    DiagnosticCapture outer;
    {
        DiagnosticCapture inner;
        Diagnostic("inner");
        EXPECT_TRUE(inner.Contains("inner"));
    }
    Diagnostic("outer");
    EXPECT_EQ(outer.Lines(), std::vector<std::string>{"outer"});
}

TEST(DiagnosticsTest, PercentSignsInATextWithoutArgumentsStayAsTheyAre) {
    DiagnosticCapture capture;
    Diagnostic("100% %d");
    EXPECT_TRUE(capture.Contains("100% %d"));
}

}  // namespace
}  // namespace vorlak
