// SPDX-License-Identifier: GPL-3.0-or-later
#include "record/data_folder.h"

#include <gtest/gtest.h>

namespace vorlak {
namespace {

TEST(DataFolderTest, ProgramFolderKeepsItsTrailingSeparator) {
    EXPECT_EQ(ComputeProgramFolder("/opt/vorlak/bin/vorlak").string(), "/opt/vorlak/bin/");
    EXPECT_EQ(ComputeProgramFolder("/vorlak").string(), "/");
}

TEST(DataFolderTest, DataFileIsTheFolderPlusTheName) {
    // Only the file name is added: a folder that holds the program's name stays as it is.
    DataFolder folder(ComputeProgramFolder("/tools/vorlak/vorlak"));
    EXPECT_EQ(folder.ResolveDataPath("str.ini").string(), "/tools/vorlak/str.ini");
    DataFolder twice(ComputeProgramFolder("/Vorlak.exe/Vorlak.exe"));
    EXPECT_EQ(twice.ResolveDataPath("record.ini").string(), "/Vorlak.exe/record.ini");
}

TEST(DataFolderTest, CommandLineBeatsEnvironmentBeatsFallback) {
    struct Case {
        std::optional<std::filesystem::path> commandLine;
        const char* environment;
        const char* expected;
    };
    const Case cases[] = {
        {"/data/cli", "/data/env", "/data/cli/config0.bin"},
        {std::nullopt, "/data/env", "/data/env/config0.bin"},
        {std::nullopt, "", "/usr/lib/vorlak/config0.bin"},
        {std::nullopt, nullptr, "/usr/lib/vorlak/config0.bin"},
        {std::filesystem::path(), "/data/env/", "/data/env/config0.bin"},
    };
    for (const auto& c : cases) {
        auto folder = DataFolder::Select(c.commandLine, c.environment, "/usr/lib/vorlak/");
        EXPECT_EQ(folder.ResolveDataPath("config0.bin").string(), c.expected);
    }
}

}  // namespace
}  // namespace vorlak
