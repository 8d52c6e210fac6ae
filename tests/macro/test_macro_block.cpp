// SPDX-License-Identifier: GPL-3.0-or-later
#include "macro/macro_block.h"

#include <algorithm>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "macro/macro_store.h"
#include "test_folder.h"

namespace vorlak {
namespace {

using Bytes = std::vector<Byte>;

// The block as its leading bytes; every byte after them must be zero.
void ExpectBlock(const EncodedMacro& encoded, const Bytes& leading) {
    const Bytes block(encoded.block.begin(), encoded.block.end());
    Bytes expected = leading;
    expected.resize(kMacroBlockSize, 0);
    EXPECT_EQ(block, expected);
}

struct BlockCase {
    std::string what;
    std::string loop;
    std::vector<std::string> events;
    Bytes leading;
};

TEST(EncodeMacroBlock, EncodesEventsAsDelayAndKeyRecords) {
    const std::vector<BlockCase> cases = {
        {"press, delay, release",
         "2",
         {"A   Dn", "95 ms", "A   Up"},
         {0x00, 0x02, 0x09, 0x04, 0x81, 0x04}},
        {"long delay",
         "1",
         {"B   Dn", "1550 ms", "B   Up"},
         {0x00, 0x01, 0x32, 0x05, 0x00, 0x03, 0x00, 0x0F, 0x81, 0x05}},
        {"1270 ms is short", "1", {"A   Dn", "1270 ms"}, {0x00, 0x01, 0x7F, 0x04}},
        {"1271 ms is long",
         "1",
         {"A   Dn", "1271 ms"},
         {0x00, 0x01, 0x47, 0x04, 0x00, 0x03, 0x00, 0x0C}},
        {"delay beyond the long form is cut",
         "1",
         {"A   Dn", "7000000 ms"},
         {0x00, 0x01, 0x63, 0x04, 0x00, 0x03, 0xFF, 0xFF}},
        {"first text a delay", "1", {"50 ms", "A   Up"}, {0x00, 0x01, 0x81, 0x04}},
        {"first text a release",
         "1",
         {"A   Up", "30 ms", "A   Dn"},
         {0x00, 0x01, 0x83, 0x04, 0x01, 0x04}},
        {"only delays", "3", {"50 ms", "60 ms"}, {0x00, 0x03}},
        {"only ignored texts", "3", {"junk", ""}, {0x00, 0x03}},
        {"no events", "5", {}, {}},
        {"second delay in a row has no effect",
         "1",
         {"A   Dn", "200 ms", "300 ms", "A   Up"},
         {0x00, 0x01, 0x14, 0x04, 0x81, 0x04}},
        {"an ignored text is not a delay",
         "1",
         {"A   Dn", "junk", "500 ms"},
         {0x00, 0x01, 0x01, 0x04}},
        {"short delays become 10 ms",
         "1",
         {"A   Dn", "5 ms", "A   Up", "-40 ms", "B   Dn", "0 ms"},
         {0x00, 0x01, 0x01, 0x04, 0x81, 0x04, 0x01, 0x05}},
        {"a key event is never a delay",
         "1",
         {"A   Dn", "ms   Up"},
         {0x00, 0x01, 0x01, 0x04, 0x81, 0x00}},
        {"App and mouse buttons",
         "1",
         {"App   Dn", "L-Button   Dn", "R-Button   Up", "M-Button   Dn"},
         {0x00, 0x01, 0x01, 0x65, 0x01, 0xF0, 0x81, 0xF1, 0x01, 0xF2}},
        {"unknown key and bare suffix give code 0",
         "1",
         {"NoSuchKey   Dn", "   Up"},
         {0x00, 0x01, 0x01, 0x00, 0x81, 0x00}},
        {"loop 65535", "65535", {"A   Dn"}, {0xFF, 0xFF, 0x01, 0x04}},
        {"loop 300", "300 ", {"A   Dn"}, {0x01, 0x2C, 0x01, 0x04}},
        {"loop 0", "0", {"A   Dn"}, {0x00, 0x01, 0x01, 0x04}},
        {"loop empty", "", {"A   Dn"}, {0x00, 0x01, 0x01, 0x04}},
        {"loop 70000", "70000", {"A   Dn"}, {0x00, 0x01, 0x01, 0x04}},
        {"loop abc", "abc", {"A   Dn"}, {0x00, 0x01, 0x01, 0x04}},
        {"loop negative", "-3", {"A   Dn"}, {0x00, 0x01, 0x01, 0x04}},
    };
    for (const BlockCase& c : cases) {
        SCOPED_TRACE(c.what);
        const EncodedMacro encoded = EncodeMacroBlock(c.loop, c.events);
        ExpectBlock(encoded, c.leading);
        EXPECT_EQ(encoded.dropped, 0);
    }
}

struct OverflowCase {
    std::string what;
    std::vector<std::string> events;
    std::size_t encodedBytes;  // event bytes written from offset 2
    int dropped;
};

std::vector<std::string> Presses(int count) {
    return std::vector<std::string>(count, "A   Dn");
}

std::vector<std::string> Then(std::vector<std::string> events, std::vector<std::string> more) {
    events.insert(events.end(), more.begin(), more.end());
    return events;
}

TEST(EncodeMacroBlock, StopsAtTheFirstRecordThatDoesNotFit) {
    const std::vector<OverflowCase> cases = {
        {"63 short records fill the area", Presses(63), 126, 0},
        {"70 short records", Presses(70), 126, 7},
        {"delays do not count as dropped", Then(Presses(64), {"50 ms", "60 ms"}), 126, 1},
        {"a long record fits exactly", Then(Presses(60), {"A   Up", "2000 ms"}), 126, 0},
        {"a long record that does not fit stops the rest",
         Then(Presses(61), {"A   Up", "2000 ms", "B   Dn"}), 122, 2},
    };
    for (const OverflowCase& c : cases) {
        SCOPED_TRACE(c.what);
        const EncodedMacro encoded = EncodeMacroBlock("1", c.events);
        EXPECT_EQ(encoded.dropped, c.dropped);
        const auto events = std::span(encoded.block).subspan(2);
        EXPECT_TRUE(std::all_of(events.begin() + static_cast<std::ptrdiff_t>(c.encodedBytes),
                                events.end(), [](Byte b) { return b == 0; }));
        EXPECT_NE(events[c.encodedBytes - 1], 0);
    }
}

// A store file with the given macros: name i lists events, loop count i + 1.
std::string StoreText(const std::vector<std::vector<std::string>>& macros) {
    std::string text = "[MacroName]\nMacroCount=" + std::to_string(macros.size()) + "\n";
    for (std::size_t i = 0; i < macros.size(); ++i) {
        text += std::to_string(i) + "=M" + std::to_string(i) + "\n";
    }
    for (std::size_t i = 0; i < macros.size(); ++i) {
        text += "[M" + std::to_string(i) + "]\nMacroLoopTimes=" + std::to_string(i + 1) +
                "\nItemCount=" + std::to_string(macros[i].size()) + "\n";
        for (std::size_t j = 0; j < macros[i].size(); ++j) {
            text += "Item" + std::to_string(j) + "=" + macros[i][j] + "\n";
        }
    }
    return text;
}

class MacroRowsTest : public testing::Test {
protected:
    MacroStore StoreWith(const std::vector<std::vector<std::string>>& macros) {
        return MacroStore(folder_.Write("record.ini", StoreText(macros)));
    }
    MacroStore MissingStore() { return MacroStore(folder_.Path("record.ini")); }

    TestFolder folder_;
};

MacroRows Filled(Byte value) {
    MacroRows rows;
    for (auto& row : rows)
        row.fill(value);
    return rows;
}

TEST_F(MacroRowsTest, RebuildWritesOnlyTheBlocksOfStoredMacros) {
    MouseConfig record{};
    record.macroSlot = Filled(0xEE);
    const MacroDropCounts dropped =
        RebuildMacroSlots(StoreWith({{"App   Dn", "App   Up"}, Presses(70)}), record);
    EXPECT_EQ(dropped, (MacroDropCounts{0, 7}));
    EXPECT_EQ(record.macroSlot[0][0], 0x00);
    EXPECT_EQ(record.macroSlot[0][1], 0x01);
    EXPECT_EQ(record.macroSlot[0][2], 0x01);
    EXPECT_EQ(record.macroSlot[0][3], 0x65);
    EXPECT_EQ(record.macroSlot[0][6], 0x00);
    EXPECT_EQ(record.macroSlot[1][1], 0x02);
    EXPECT_EQ(record.macroSlot[1][127], 0x04);
    for (int slot = 0; slot < 2; ++slot) {
        EXPECT_EQ(record.macroSlot[slot][128], 0xEE);
        EXPECT_EQ(record.macroSlot[slot][129], 0xEE);
    }
    EXPECT_EQ(record.macroSlot[2], Filled(0xEE)[2]);
}

// A damaged store encodes entry by entry: a missing name is an empty macro, and a stated
// event count without events still gives the loop count.
TEST_F(MacroRowsTest, RebuildEncodesADamagedStoreEntryByEntry) {
    MouseConfig record{};
    record.macroSlot = Filled(0xEE);
    folder_.Write("record.ini",
                  "[MacroName]\nMacroCount=4\n0=a\n3=d\n"
                  "[a]\nMacroLoopTimes=3\nItemCount=2\n"
                  "[d]\nMacroLoopTimes=1\nItemCount=1\nItem0=A   Dn\n");
    RebuildMacroSlots(MacroStore(folder_.Path("record.ini")), record);
    std::array<Byte, kMacroBlockSize> loopsOnly{};
    loopsOnly[1] = 0x03;
    EXPECT_TRUE(std::equal(loopsOnly.begin(), loopsOnly.end(), record.macroSlot[0].begin()));
    for (int slot : {1, 2}) {
        EXPECT_TRUE(std::all_of(record.macroSlot[slot].begin(),
                                record.macroSlot[slot].begin() + kMacroBlockSize,
                                [](Byte b) { return b == 0; }))
            << "slot " << slot;
    }
    EXPECT_EQ(record.macroSlot[3][1], 0x01);
    EXPECT_EQ(record.macroSlot[3][3], 0x04);
    EXPECT_EQ(record.macroSlot[4], Filled(0xEE)[4]);
}

TEST_F(MacroRowsTest, RebuildFillsTwelveSlotsAndIgnoresTheThirteenth) {
    MouseConfig record{};
    const std::vector<std::vector<std::string>> macros(13, {"A   Dn"});
    RebuildMacroSlots(StoreWith(macros), record);
    for (int slot = 0; slot < kMacroSlots; ++slot) {
        EXPECT_EQ(record.macroSlot[slot][1], slot + 1);
        EXPECT_EQ(record.macroSlot[slot][3], 0x04);
    }
}

TEST_F(MacroRowsTest, MissingStoreChangesNothing) {
    MouseConfig record{};
    record.macroSlot = Filled(0xEE);
    MacroRows rows = Filled(0xEE);
    EXPECT_EQ(RebuildMacroSlots(MissingStore(), record), MacroDropCounts{});
    EXPECT_EQ(EncodeStagingRows(MissingStore().ReadMacros(kMacroSlots), rows), MacroDropCounts{});
    EXPECT_EQ(record.macroSlot, Filled(0xEE));
    EXPECT_EQ(rows, Filled(0xEE));
}

TEST_F(MacroRowsTest, StagingRowsAreClearedThenEncoded) {
    MacroRows rows = Filled(0xEE);
    EncodeStagingRows(StoreWith({{"A   Dn"}, {"50 ms"}, {}}).ReadMacros(kMacroSlots), rows);
    EXPECT_EQ(rows[0][1], 0x01);
    EXPECT_EQ(rows[0][3], 0x04);
    EXPECT_EQ(rows[1][1], 0x02);
    std::array<Byte, kMacroSlotSize> zero{};
    EXPECT_EQ(rows[0][128], 0x00);
    EXPECT_EQ(rows[0][129], 0x00);
    for (int row = 2; row < kMacroSlots; ++row)
        EXPECT_EQ(rows[row], zero);
}

TEST_F(MacroRowsTest, StagingRowsStayWithoutListedMacros) {
    MacroRows rows = Filled(0xEE);
    EncodeStagingRows(StoreWith({}).ReadMacros(kMacroSlots), rows);
    EXPECT_EQ(rows, Filled(0xEE));
}

}  // namespace
}  // namespace vorlak
