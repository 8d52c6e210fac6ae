// SPDX-License-Identifier: GPL-3.0-or-later
#include "device/feature_frame.h"

#include <gtest/gtest.h>

#include <vector>

#include "device/transfer_trace.h"

namespace vorlak {
namespace {

TEST(FeatureFrameTest, FramesCarryReportIdSevenBytesAndTheChecksum) {
    struct Case {
        CommandBytes command;
        FeatureFrame frame;
    };
    const std::vector<Case> cases = {
        {{0x80, 0, 0, 0, 0, 0, 0, 0}, {0x00, 0x80, 0, 0, 0, 0, 0, 0, 0x7F}},
        {{0x12, 0x00, 0x40, 0, 0, 0, 0, 0}, {0x00, 0x12, 0x00, 0x40, 0, 0, 0, 0, 0xAD}},
        // The eighth byte is never sent and does not count.
        {{0x12, 0x03, 0x40, 0, 0, 0, 0, 0x55}, {0x00, 0x12, 0x03, 0x40, 0, 0, 0, 0, 0xAA}},
        // The sum wraps at 256: 7 * 0xFF = 0x6F9 -> complement of 0xF9.
        {{0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0},
         {0, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x06}},
        {{0, 0, 0, 0, 0, 0, 0, 0}, {0, 0, 0, 0, 0, 0, 0, 0, 0xFF}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(BuildFeatureFrame(c.command), c.frame);
}

TEST(FeatureFrameTest, OutputReportsPadTheLastChunkWithZeros) {
    std::vector<Byte> data(40);
    for (std::size_t i = 0; i < data.size(); ++i)
        data[i] = static_cast<Byte>(i + 1);
    OutputReport second = BuildOutputReport(data, 1);
    EXPECT_EQ(second[0], 0);
    for (std::size_t i = 1; i < second.size(); ++i)
        EXPECT_EQ(second[i], i <= 8 ? 32 + i : 0) << i;
    EXPECT_EQ(BuildOutputReport(data, 5), OutputReport{});
    EXPECT_EQ(ChunkCount(0), 0U);
    EXPECT_EQ(ChunkCount(33), 2U);
}

TEST(TransferTraceTest, LinesUseUpperCaseHexSeparatedBySingleSpaces) {
    EXPECT_EQ(
        FormatTransfer({Transfer::Kind::SetFeature, {0x00, 0x80, 0, 0, 0, 0, 0, 0, 0x7F}, {}}),
        "set-feature 00 80 00 00 00 00 00 00 7F");
    EXPECT_EQ(FormatTransfer({Transfer::Kind::GetFeature, {0x00, 0xab, 0x0c}, {}}),
              "get-feature 00 AB 0C");
    EXPECT_EQ(FormatTransfer({Transfer::Kind::Output, {0x00, 0xFF}, {}}), "output 00 FF");
    EXPECT_EQ(FormatTransfer({Transfer::Kind::Pause, {}, std::chrono::milliseconds(100)}),
              "pause 100");
}

}  // namespace
}  // namespace vorlak
