// SPDX-License-Identifier: GPL-3.0-or-later
// Skin image names from every caller resolve to one path per file.
#include <gtest/gtest.h>

#include "controls/skin_path.h"

namespace vorlak {
namespace {

struct PathCase {
    const char* folder;
    const char* name;
    const char* expected;
};

void PrintTo(const PathCase& c, std::ostream* out) {
    *out << '"' << c.folder << "\" + \"" << c.name << '"';
}

class SkinPathTest : public testing::TestWithParam<PathCase> {};

TEST_P(SkinPathTest, ResolvesAgainstTheProgramFolder) {
    const PathCase& c = GetParam();
    EXPECT_EQ(SkinPath(c.folder, c.name).toStdString(), c.expected) << c.name;
}

INSTANTIATE_TEST_SUITE_P(
    Names, SkinPathTest,
    testing::Values(
        PathCase{"/opt/vorlak/", "Skins\\Mouse\\Front\\MouseFront.png",
                 "/opt/vorlak/Skins/Mouse/Front/MouseFront.png"},
        PathCase{"/opt/vorlak/", "Skins/Mouse/Front/F-1-over.png",
                 "/opt/vorlak/Skins/Mouse/Front/F-1-over.png"},
        PathCase{"/opt/vorlak/", "\\skins\\DPISetting\\DPIStage\\0.png",
                 "/opt/vorlak/Skins/DPISetting/DPIStage/0.png"},
        PathCase{"/opt/vorlak/", "/skins/main.png", "/opt/vorlak/Skins/main.png"},
        PathCase{"/opt/vorlak/", "\\skins/MacroManagement/Record-normal.png",
                 "/opt/vorlak/Skins/MacroManagement/Record-normal.png"},
        PathCase{"/opt/vorlak/", "Skins\\/USBReportRate/1000HZ.png",
                 "/opt/vorlak/Skins/USBReportRate/1000HZ.png"},
        PathCase{"/opt/vorlak/", "SKINS//\\ItemBK.png", "/opt/vorlak/Skins/ItemBK.png"},
        // Only the skin folder itself is matched without regard to case.
        PathCase{"/opt/vorlak/", "skins/dpisetting/X.png", "/opt/vorlak/Skins/dpisetting/X.png"},
        PathCase{"/opt/vorlak/", "Other/skins/a.png", "/opt/vorlak/Other/skins/a.png"},
        PathCase{"/opt/vorlak", "Skins\\Logo.png", "/opt/vorlak/Skins/Logo.png"},
        PathCase{"/opt//vorlak//", "Skins\\Logo.png", "/opt/vorlak/Skins/Logo.png"},
        PathCase{"", "\\skins\\Logo.png", "Skins/Logo.png"},
        PathCase{"/", "Skins\\Logo.png", "/Skins/Logo.png"},
        PathCase{"/opt/Vorlak Ü/", "Skins\\Enable.png", "/opt/Vorlak Ü/Skins/Enable.png"}));

}  // namespace
}  // namespace vorlak
