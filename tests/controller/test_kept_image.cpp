// SPDX-License-Identifier: GPL-3.0-or-later
#include "controller/kept_image.h"

#include <gtest/gtest.h>

#include <functional>

#include "test_folder.h"

namespace vorlak {
namespace {

std::vector<std::string> Names(const std::vector<ApplyStep>& steps) {
    std::vector<std::string> names;
    for (const ApplyStep& step : steps)
        names.push_back(step.Name());
    return names;
}

MouseConfig Defaults() {
    MouseConfig record{};
    ResetToDefaults(record);
    return record;
}

// Every step of record received whole by the mouse with key.
void SendAll(KeptImage& image, const std::string& key, const MouseConfig& record) {
    const std::vector<ApplyStep> steps = image.ToSend(key, BuildApplySteps(record));
    image.Sending(key, steps);
    for (const ApplyStep& step : steps)
        image.Received(key, step);
    image.Sent(key);
}

class KeptImageTest : public ::testing::Test {
protected:
    TestFolder folder;
    const std::filesystem::path file = folder.Path("vorlak-kept-image");
    KeptImage image{file};
    MouseConfig record = Defaults();
};

TEST_F(KeptImageTest, OnlyTheStepsThatDifferGoOutOnceTheMouseHoldsAll) {
    EXPECT_EQ(image.ToSend("plug-1", BuildApplySteps(record)).size(), 19U);
    SendAll(image, "plug-1", record);
    EXPECT_TRUE(image.ToSend("plug-1", BuildApplySteps(record)).empty());

    record.dpiLevel[2] = 7;
    record.KeyFunction[9] = 0;  // a Shift-layer entry
    record.macroSlot[10][5] = 0x44;
    EXPECT_EQ(Names(image.ToSend("plug-1", BuildApplySteps(record))),
              (std::vector<std::string>{"dpi-levels", "key-matrix-3", "macro-11"}));
    // Another plug of the mouse holds nothing that is known.
    EXPECT_EQ(image.ToSend("plug-2", BuildApplySteps(record)).size(), 19U);
    EXPECT_EQ(image.ToSend("", BuildApplySteps(record)).size(), 19U);
}

// A write that stopped (a failure, a kill) leaves its steps out of the image: in doubt, so
// everything goes out again, also from another run reading the file.
TEST_F(KeptImageTest, AStepNotReceivedWholePutsTheImageInDoubt) {
    SendAll(image, "plug-1", record);
    record.sensitivityX = 3;
    record.lightMode = 2;
    const std::vector<ApplyStep> steps = image.ToSend("plug-1", BuildApplySteps(record));
    ASSERT_EQ(Names(steps), (std::vector<std::string>{"sensitivity", "lighting"}));
    image.Sending("plug-1", steps);
    image.Received("plug-1", steps[0]);
    KeptImage another(file);
    EXPECT_EQ(another.ToSend("plug-1", BuildApplySteps(record)).size(), 19U);
    SendAll(image, "plug-1", record);  // the next Apply: every step
    EXPECT_TRUE(another.ToSend("plug-1", BuildApplySteps(record)).empty());
}

TEST_F(KeptImageTest, TheFileIsSharedAndForgettingRemovesIt) {
    SendAll(image, "plug-1", record);
    ASSERT_TRUE(std::filesystem::exists(file));
    KeptImage another(file);
    EXPECT_TRUE(another.ToSend("plug-1", BuildApplySteps(record)).empty());
    another.Forget();
    EXPECT_FALSE(std::filesystem::exists(file));
    EXPECT_EQ(image.ToSend("plug-1", BuildApplySteps(record)).size(), 19U);
}

TEST_F(KeptImageTest, ADamagedFileKeepsNothing) {
    SendAll(image, "plug-1", record);
    const std::string whole = folder.Read("vorlak-kept-image");
    const std::vector<std::pair<const char*, std::function<std::string(std::string)>>> damages = {
        {"another header", [](std::string t) { return "x" + t; }},
        {"no key", [](std::string t) { return t.replace(t.find("key plug-1"), 10, "kez plug-1"); }},
        {"odd hex", [](std::string t) { return t.insert(t.find("lighting ") + 9, "0"); }},
        {"not hex", [](std::string t) { return t.replace(t.find("lighting ") + 9, 1, "G"); }},
        {"a line without bytes", [](std::string t) { return t + "lighting\n"; }},
        {"empty", [](std::string) { return std::string(); }},
        {"cut short", [](const std::string& t) { return t.substr(0, t.size() / 2); }},
    };
    for (const auto& [name, damage] : damages) {
        folder.Write("vorlak-kept-image", damage(whole));
        EXPECT_EQ(KeptImage(file).ToSend("plug-1", BuildApplySteps(record)).size(), 19U) << name;
    }
    folder.Write("vorlak-kept-image", whole);
    EXPECT_TRUE(KeptImage(file).ToSend("plug-1", BuildApplySteps(record)).empty());
}

// Without a runtime folder the image lives as long as the run; a file that cannot be written
// is not trusted.
TEST_F(KeptImageTest, WithoutAFileTheRunKeepsItAlone) {
    EXPECT_FALSE(KeptImageFileIn(nullptr, false));
    EXPECT_FALSE(KeptImageFileIn("", false));
    EXPECT_FALSE(KeptImageFileIn("/run/user/1000", true));
    EXPECT_EQ(*KeptImageFileIn("/run/user/1000", false), "/run/user/1000/vorlak-kept-image");
    KeptImage own(std::nullopt);
    SendAll(own, "plug-1", record);
    EXPECT_TRUE(own.ToSend("plug-1", BuildApplySteps(record)).empty());

    KeptImage nowhere(folder.Path("missing-folder") / "vorlak-kept-image");
    SendAll(nowhere, "plug-1", record);
    EXPECT_EQ(nowhere.ToSend("plug-1", BuildApplySteps(record)).size(), 19U);
}

}  // namespace
}  // namespace vorlak
