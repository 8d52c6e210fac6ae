// SPDX-License-Identifier: GPL-3.0-or-later
#include "device/protocol.h"

#include <gtest/gtest.h>

#include <cctype>
#include <cstdio>
#include <fstream>
#include <regex>
#include <set>
#include <string>
#include <utility>

namespace vorlak {
namespace {

using Identity = std::pair<std::uint16_t, std::uint16_t>;

const std::set<Identity> kIdentities = {{kPrimaryVendorId, kPrimaryProductId},
                                        {kSecondaryVendorId, kSecondaryProductId}};

std::string NoticeSpelling(Identity id) {
    char text[32];
    std::snprintf(text, sizeof text, "VID_%04X&PID_%04X", id.first, id.second);
    return text;
}

// The udev rule is a data file, so it cannot include the protocol's facts: it must name
// exactly the two identities, or the mouse stays closed to the user (or another device opens).
TEST(ProtocolTest, UdevRuleGrantsExactlyTheTwoIdentities) {
    std::ifstream rules(VORLAK_SOURCE_DIR "/data/70-vorlak.rules");
    ASSERT_TRUE(rules.is_open());
    const std::regex rule(
        R"re(^SUBSYSTEM=="hidraw", ATTRS\{idVendor\}=="([0-9a-f]{4})", ATTRS\{idProduct\}=="([0-9a-f]{4})", TAG\+="uaccess"$)re");
    std::set<Identity> granted;
    std::string line;
    while (std::getline(rules, line)) {
        std::smatch m;
        if (std::regex_match(line, m, rule))
            granted.insert({static_cast<std::uint16_t>(std::stoi(m[1], nullptr, 16)),
                            static_cast<std::uint16_t>(std::stoi(m[2], nullptr, 16))});
    }
    EXPECT_EQ(granted, kIdentities);
}

// The notice spellings are written out (their case differs per notice); each must still
// name one of the two identities.
TEST(ProtocolTest, NoticeNamesSpellTheIdentities) {
    const std::string primary = NoticeSpelling({kPrimaryVendorId, kPrimaryProductId});
    const std::string secondary = NoticeSpelling({kSecondaryVendorId, kSecondaryProductId});
    auto upper = [](std::string_view name) {
        std::string text(name);
        for (char& c : text)
            c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
        return text;
    };
    EXPECT_EQ(kPrimaryNoticeName, primary);
    for (std::string_view name : kPrimaryArrivalNames)
        EXPECT_EQ(upper(name), primary);
    for (std::string_view name : kSecondaryArrivalNames)
        EXPECT_EQ(upper(name), secondary);
    std::set<std::string> removed;
    for (std::string_view name : kRemovalNames)
        removed.insert(upper(name));
    EXPECT_EQ(removed, (std::set<std::string>{primary, secondary}));
}

}  // namespace
}  // namespace vorlak
