// SPDX-License-Identifier: GPL-3.0-or-later
#include "controller/pointer_notice.h"

#include <gtest/gtest.h>

namespace vorlak {
namespace {

PointerReport Report(std::string desktop, std::array<PointerResult, 4> results) {
    return {std::move(desktop), std::move(results)};
}

const PointerResult kTaken = PointerResult::Taken();

TEST(PointerNoticeTest, AllTakenSaysNothing) {
    EXPECT_FALSE(PointerNoticeFor(Report("GNOME", {kTaken, kTaken, kTaken, kTaken}), "EN"));
}

// Settings kept for one reason share a line, so the notice stays short enough for a tray
// balloon even when nothing could be set.
TEST(PointerNoticeTest, NamesEachKeptSettingWithItsReasonGroupedByReason) {
    const PointerResult none = PointerResult::Kept(PointerRefusal::NoBackend);
    const auto notice = PointerNoticeFor(Report("Hyprland", {none, none, none, none}), "EN");
    ASSERT_TRUE(notice);
    EXPECT_EQ(notice->title, "Pointer settings");
    EXPECT_EQ(notice->Text("\n"),
              "The desktop kept these settings as they were:\n"
              "Pointer acceleration, Pointer speed, Wheel scroll lines, Double-click speed: "
              "Vorlak has no way to set this on Hyprland.");
    EXPECT_LE(notice->Text("\n").size(), 255u);

    const auto kde = PointerNoticeFor(
        Report("KDE Plasma", {PointerResult::Kept(PointerRefusal::Refused, "No such interface"),
                              kTaken, PointerResult::Kept(PointerRefusal::NoPageScroll), kTaken}),
        "EN");
    ASSERT_TRUE(kde);
    EXPECT_EQ(kde->lines, (std::vector<std::string>{
                              "Pointer acceleration: KDE Plasma refused: No such interface.",
                              "Wheel scroll lines: KDE Plasma scrolls by lines only, not one "
                              "screen per notch."}));
}

TEST(PointerNoticeTest, ComesInTheUsersLanguage) {
    const auto report = Report(
        "GNOME", {kTaken, kTaken, PointerResult::Kept(PointerRefusal::NoSuchSetting), kTaken});
    const std::pair<const char*, const char*> cases[] = {
        {"EN", "Wheel scroll lines: GNOME has no such setting."},
        {"DE", "Zeilen pro Mausradraste: GNOME hat keine solche Einstellung."},
        {"CHS", "滚轮滚动行数：GNOME 没有此设置。"},
        {"CHT", "滾輪捲動行數：GNOME 沒有此設定。"},
        {"FR", "Wheel scroll lines: GNOME has no such setting."},
    };
    for (const auto& [code, line] : cases) {
        const auto notice = PointerNoticeFor(report, code);
        ASSERT_TRUE(notice) << code;
        EXPECT_EQ(notice->lines, std::vector<std::string>{line}) << code;
    }
}

// Each refusal is told once a session: the same one after every Apply would nag; a new one
// (another setting, or another reason) is news, and the notice then names all.
TEST(PointerNoticeTest, EachRefusalIsToldOncePerSession) {
    PointerNoticeMemory memory;
    const PointerResult noWheel = PointerResult::Kept(PointerRefusal::NoSuchSetting);
    const auto gnome = Report("GNOME", {kTaken, kTaken, noWheel, kTaken});
    EXPECT_TRUE(memory.Untold(gnome, "EN"));
    EXPECT_FALSE(memory.Untold(gnome, "EN"));
    EXPECT_FALSE(memory.Untold(Report("GNOME", {kTaken, kTaken, kTaken, kTaken}), "EN"));

    const auto refused = Report(
        "GNOME", {kTaken, kTaken, noWheel, PointerResult::Kept(PointerRefusal::Refused, "locked")});
    const auto notice = memory.Untold(refused, "EN");
    ASSERT_TRUE(notice);
    EXPECT_EQ(notice->lines.size(), 2u);
    EXPECT_FALSE(memory.Untold(refused, "EN"));
}

}  // namespace
}  // namespace vorlak
