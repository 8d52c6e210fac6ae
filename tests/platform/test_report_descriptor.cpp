// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/linux/report_descriptor.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <random>
#include <string>

#include "mouse_descriptors.h"

namespace vorlak {
namespace {

// One line per collection ("page/usage in N out N feature N"), or "malformed".
std::string Describe(const std::optional<std::vector<HidCaps>>& collections) {
    if (!collections)
        return "malformed";
    std::string text;
    for (const HidCaps& c : *collections) {
        char line[80];
        std::snprintf(line, sizeof line, "%04X/%04X in %u out %u feature %u\n", c.usagePage,
                      c.usage, c.inputReportLength, c.outputReportLength, c.featureReportLength);
        text += line;
    }
    return text;
}

struct Case {
    const char* name;
    Descriptor bytes;
    const char* expected;
};

// An application collection of page 0xFF00 around the given items.
Descriptor Vendor(const Descriptor& items) {
    return Concat({{0x06, 0x00, 0xFF, 0x09, 0x01, 0xA1, 0x01}, items, {0xC0}});
}

const Case kCases[] = {
    {"command collection", kCommandDescriptor, "FF00/FF00 in 0 out 33 feature 9\n"},
    {"event collection", kEventDescriptor, "FF01/FF01 in 8 out 0 feature 0\n"},
    {"both collections in one descriptor, in order", Concat({kEventDescriptor, kCommandDescriptor}),
     "FF01/FF01 in 8 out 0 feature 0\nFF00/FF00 in 0 out 33 feature 9\n"},
    {"nested physical collection counts for its top-level one", kBootMouseDescriptor,
     "0001/0002 in 4 out 0 feature 0\n"},
    {"three top-level collections",
     Concat({kBootMouseDescriptor, kCommandDescriptor, kEventDescriptor}),
     "0001/0002 in 4 out 0 feature 0\nFF00/FF00 in 0 out 33 feature 9\n"
     "FF01/FF01 in 8 out 0 feature 0\n"},
    {"bits round up to bytes, the id byte is added without report ids",
     Vendor({0x75, 0x01, 0x95, 0x09, 0x81, 0x02}), "FF00/0001 in 3 out 0 feature 0\n"},
    {"the longest report of each kind counts, the items of one id add up",
     Vendor({0x75, 0x08, 0x85, 0x01, 0x95, 0x02, 0x81, 0x02,              // input 1: 2 bytes
             0x85, 0x02, 0x95, 0x03, 0x81, 0x02, 0x95, 0x02, 0x81, 0x02,  // input 2: 5 bytes
             0x85, 0x03, 0x95, 0x08, 0xB1, 0x02}),                        // feature 3: 8 bytes
     "FF00/0001 in 6 out 0 feature 9\n"},
    {"report ids are counted per collection",
     Concat({Vendor({0x85, 0x01, 0x75, 0x08, 0x95, 0x10, 0x81, 0x02}),
             Vendor({0x85, 0x01, 0x75, 0x08, 0x95, 0x02, 0x81, 0x02})}),
     "FF00/0001 in 17 out 0 feature 0\nFF00/0001 in 3 out 0 feature 0\n"},
    {"pop restores report size, count and usage page",
     Concat({{0x05, 0x01, 0x75, 0x08, 0x95, 0x01, 0xA4, 0x06, 0x00, 0xFF, 0x75,
              0x10, 0x95, 0x04, 0xB4, 0x09, 0x06, 0xA1, 0x01, 0x81, 0x02, 0xC0}}),
     "0001/0006 in 2 out 0 feature 0\n"},
    {"push keeps the state for use before the pop",
     Vendor({0x75, 0x08, 0x95, 0x01, 0xA4, 0x75, 0x10, 0x95, 0x04, 0x81, 0x02, 0xB4, 0x81, 0x02}),
     "FF00/0001 in 10 out 0 feature 0\n"},
    {"an extended usage brings its own page",
     {0x05, 0x01, 0x0B, 0x01, 0x00, 0x0C, 0x00, 0xA1, 0x01, 0xC0},
     "000C/0001 in 0 out 0 feature 0\n"},
    {"the usage page in force at the collection applies",
     {0x09, 0x02, 0x05, 0x01, 0xA1, 0x01, 0xC0},
     "0001/0002 in 0 out 0 feature 0\n"},
    {"the first usage names the collection",
     {0x05, 0x01, 0x09, 0x02, 0x09, 0x06, 0xA1, 0x01, 0xC0},
     "0001/0002 in 0 out 0 feature 0\n"},
    {"a usage before an earlier main item does not carry over",
     {0x05, 0x01, 0x09, 0x02, 0x81, 0x02, 0xA1, 0x01, 0xC0},
     "0001/0000 in 0 out 0 feature 0\n"},
    {"long items and reserved items are skipped",
     Vendor({0xFE, 0x02, 0x10, 0xAA, 0xBB, 0x2F, 0x01, 0x02, 0x03, 0x04, 0x75, 0x08, 0x95, 0x01,
             0x91, 0x02}),
     "FF00/0001 in 0 out 2 feature 0\n"},
    {"reports outside an application collection are not counted",
     {0x75, 0x08, 0x95, 0x04, 0x81, 0x02, 0x05, 0x01, 0x09, 0x01, 0xA1, 0x00, 0x81, 0x02, 0xC0},
     ""},
    {"empty descriptor", {}, ""},
    {"item cut off by the end", {0x05, 0x01, 0x09, 0x02, 0xA1, 0x01, 0x26, 0xFF}, "malformed"},
    {"long item cut off by the end", Concat({{0xA1, 0x01, 0xC0}, {0xFE, 0x05, 0x10, 0x01}}),
     "malformed"},
    {"four-byte item cut off by the end", {0xA1, 0x01, 0xC0, 0xFF, 0xFF, 0xFF}, "malformed"},
    {"end collection without collection", {0xC0}, "malformed"},
    {"collection left open", {0x05, 0x01, 0x09, 0x02, 0xA1, 0x01, 0xA1, 0x00, 0xC0}, "malformed"},
    {"pop without push", Vendor({0xB4}), "malformed"},
    {"report id 0", Vendor({0x85, 0x00}), "malformed"},
    {"report id above 255", Vendor({0x86, 0x00, 0x01}), "malformed"},
    {"report longer than a 16-bit length", Vendor({0x75, 0xFF, 0x96, 0xFF, 0xFF, 0x81, 0x02}),
     "malformed"},
    {"largest report size and count",
     Vendor({0x77, 0xFF, 0xFF, 0xFF, 0xFF, 0x97, 0xFF, 0xFF, 0xFF, 0xFF, 0xB1, 0x02}), "malformed"},
    {"largest report that a 16-bit length counts",
     Vendor({0x75, 0x08, 0x96, 0xFE, 0xFF, 0xB1, 0x02}), "FF00/0001 in 0 out 0 feature 65535\n"},
    {"garbage", {0xFF, 0x13, 0x37, 0x00, 0x42, 0xFE, 0x01}, "malformed"},
};

TEST(ReportDescriptorTest, CapabilitiesPerTopLevelCollection) {
    for (const Case& c : kCases)
        EXPECT_EQ(Describe(ParseReportDescriptor(c.bytes)), c.expected) << c.name;
}

TEST(ReportDescriptorTest, PushesNestUpToTheStackDepth) {
    Descriptor pushes(kGlobalStackDepth, 0xA4);
    Descriptor pops(kGlobalStackDepth, 0xB4);
    EXPECT_EQ(Describe(ParseReportDescriptor(Vendor(Concat({pushes, pops})))),
              "FF00/0001 in 0 out 0 feature 0\n");
    pushes.push_back(0xA4);
    EXPECT_EQ(Describe(ParseReportDescriptor(Vendor(pushes))), "malformed");
}

TEST(ReportDescriptorTest, EveryTruncationInsideTheMouseCollectionsIsRejected) {
    const std::size_t collectionStart = 6;  // after usage page and usage
    for (const Descriptor& full : {kCommandDescriptor, kEventDescriptor}) {
        for (std::size_t length = collectionStart + 1; length < full.size(); ++length) {
            Descriptor cut(full.begin(), full.begin() + static_cast<long>(length));
            EXPECT_EQ(Describe(ParseReportDescriptor(cut)), "malformed") << length;
        }
    }
}

// Exactly sized buffers, so that the sanitizer builds catch any read past the end.
TEST(ReportDescriptorTest, RandomBytesAreParsedWithinTheBuffer) {
    std::mt19937 random(20240611);
    std::uniform_int_distribution<int> byte(0, 255);
    for (std::size_t length = 0; length < 2000; ++length) {
        Descriptor bytes(length % 300);
        for (std::uint8_t& b : bytes)
            b = static_cast<std::uint8_t>(byte(random));
        if (auto collections = ParseReportDescriptor(bytes)) {
            EXPECT_LE(collections->size(), bytes.size() / 2);  // a collection takes 2 bytes
        }
    }
}

}  // namespace
}  // namespace vorlak
