// SPDX-License-Identifier: GPL-3.0-or-later
#include "device/command_receiver.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstddef>
#include <string>
#include <vector>

#include "device/protocol.h"

namespace vorlak {
namespace {

using Chunk = std::array<Byte, kChunkSize>;
constexpr auto kChunkBytes = static_cast<std::ptrdiff_t>(kChunkSize);
constexpr auto kColourBytes = static_cast<std::ptrdiff_t>(kDpiColorBytes);

// How many bytes of all the blocks the mouse holds have the value.
std::ptrdiff_t CountInBlocks(const MouseMemory& m, Byte value) {
    std::ptrdiff_t n =
        std::ranges::count(m.dpiLevels, value) + std::ranges::count(m.dpiColors, value) +
        std::ranges::count(m.keyMatrixBase, value) + std::ranges::count(m.keyMatrixShift, value);
    for (const auto& macro : m.macros)
        n += std::ranges::count(macro, value);
    return n;
}

Chunk Filled(Byte value) {
    Chunk chunk;
    chunk.fill(value);
    return chunk;
}

class CommandReceiverTest : public testing::Test {
protected:
    MouseMemory memory;
    CommandReceiver receiver{memory, {1, 7}};
};

// A header opens a block only when its command, object and length are those of a block the
// program sends; a header that names no other block, or a frame of no known command, closes
// the open block, and the data after it goes nowhere.
TEST_F(CommandReceiverTest, DataAfterAFrameThatNamesNoBlockIsDropped) {
    struct Case {
        std::string name;
        CommandBytes frame;
    };
    const std::vector<Case> cases = {
        {"levels of another length", {kCmdDpiLevels, kDpiLevelsObject, 7}},
        {"colours of another object", {kCmdDpiColors, kDpiLevelsObject, kDpiColorBytes}},
        {"key matrix 1", {kCmdKeyMatrix, 1, kMatrixSize}},
        {"macro 0", {kCmdMacro, 0, kMacroBlockSize}},
        {"macro 13", {kCmdMacro, 13, kMacroBlockSize}},
        {"macro of a matrix's length", {kCmdMacro, 1, kMatrixSize}},
        {"unknown command", {0x42, kShiftMatrixObject, kMatrixSize}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        memory = {};
        receiver.Reset();
        ASSERT_FALSE(receiver.TakeCommand({kCmdKeyMatrix, kShiftMatrixObject, kMatrixSize}));
        receiver.TakeData(Filled(0x11));
        receiver.TakeCommand(c.frame);
        for (int i = 0; i < 4; ++i)
            receiver.TakeData(Filled(0x5A));
        EXPECT_EQ(CountInBlocks(memory, 0x5A), 0);
        EXPECT_EQ(std::ranges::count(memory.keyMatrixShift, 0x11), kChunkBytes);
    }
}

TEST_F(CommandReceiverTest, ABlockCutOffByAResetTakesNoMoreData) {
    receiver.TakeCommand({kCmdMacro, 2, kMacroBlockSize});
    receiver.TakeData(Filled(0x11));
    receiver.Reset();
    receiver.TakeData(Filled(0x22));
    EXPECT_EQ(std::ranges::count(memory.macros[1], 0x11), kChunkBytes);
    EXPECT_EQ(CountInBlocks(memory, 0x22), 0);
}

TEST_F(CommandReceiverTest, ABlockTakesItsLengthAndNothingBeyond) {
    receiver.TakeCommand({kCmdDpiColors, kDpiColorsObject, kDpiColorBytes});
    receiver.TakeData(Filled(0x33));
    receiver.TakeData(Filled(0x44));
    EXPECT_EQ(std::ranges::count(memory.dpiColors, 0x33), kColourBytes);
    EXPECT_EQ(CountInBlocks(memory, 0x33), kColourBytes);
    EXPECT_EQ(CountInBlocks(memory, 0x44), 0);
}

}  // namespace
}  // namespace vorlak
