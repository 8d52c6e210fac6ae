// SPDX-License-Identifier: GPL-3.0-or-later
#include "controller/autostart_entry.h"

#include <gtest/gtest.h>

#include "test_folder.h"

namespace vorlak {
namespace {

std::string ExecLine(const std::string& text) {
    const std::size_t start = text.find("\nExec=") + 6;
    return text.substr(start, text.find('\n', start) - start);
}

TEST(AutostartEntryTest, ExecLineQuotesAndEscapesThePath) {
    struct Case {
        const char* executable;
        const char* exec;
    };
    const Case cases[] = {
        {"/usr/bin/vorlak", "/usr/bin/vorlak"},
        {"/home/a b/vorlak", "\"/home/a b/vorlak\""},
        {"/opt/100%/vorlak", "/opt/100%%/vorlak"},
        {"/o/$x\"y/vorlak", R"("/o/\\$x\\"y/vorlak")"},
        {R"(/o/back\slash/vorlak)", R"("/o/back\\\\slash/vorlak")"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ExecLine(*AutostartEntryText(c.executable)), c.exec) << c.executable;
    EXPECT_EQ(AutostartEntryText("/a\nb/vorlak"), std::nullopt);
}

TEST(AutostartEntryTest, EntryLivesInTheConfigurationFolder) {
    EXPECT_EQ(AutostartEntryPath("/x/cfg", "/home/u").string(),
              "/x/cfg/autostart/org.vorlak.Vorlak.desktop");
    EXPECT_EQ(AutostartEntryPath(nullptr, "/home/u").string(),
              "/home/u/.config/autostart/org.vorlak.Vorlak.desktop");
    EXPECT_TRUE(AutostartEntryPath(nullptr, nullptr).empty());
}

TEST(AutostartEntryTest, OnWritesTheEntryAndOffRemovesIt) {
    TestFolder folder;
    const auto entry = AutostartEntryPath(folder.Root().c_str(), nullptr);
    std::error_code error;
    ASSERT_TRUE(SetAutostart(entry, true, "/usr/bin/vorlak", error)) << error.message();
    EXPECT_EQ(folder.Read("autostart/org.vorlak.Vorlak.desktop"),
              *AutostartEntryText("/usr/bin/vorlak"));
    EXPECT_TRUE(SetAutostart(entry, false, "/usr/bin/vorlak", error));
    EXPECT_FALSE(std::filesystem::exists(entry));
    EXPECT_TRUE(SetAutostart(entry, false, "/usr/bin/vorlak", error)) << "already off";
    folder.Write("file", "");
    EXPECT_FALSE(SetAutostart(folder.Path("file/autostart/x.desktop"), true, "/v", error));
    EXPECT_TRUE(error);
}

}  // namespace
}  // namespace vorlak
