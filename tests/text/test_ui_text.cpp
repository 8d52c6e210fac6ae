// SPDX-License-Identifier: GPL-3.0-or-later
#include "text/ui_text.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "test_folder.h"

namespace vorlak {
namespace {

struct Item {
    const char* name;
    std::string UiTextTable::*member;
};

// clang-format off
// Listed here independently of the implementation, so an item the table forgets shows up.
#define ITEM(name) Item{#name, &UiTextTable::name}
const Item kAllItems[] = {
    ITEM(LabelSection), ITEM(ProductName), ITEM(TxtReset), ITEM(TxtCancel), ITEM(TxtApply),
    ITEM(TxtConfig), ITEM(TxtTopView), ITEM(TxtSideView), ITEM(TxtButtonAssignment),
    ITEM(TxtMacroManager), ITEM(TxtAxisSensitivity), ITEM(TxtDpiSetting), ITEM(TxtLighting),
    ITEM(TxtPollingRate), ITEM(TxtMouseSpeed), ITEM(TxtDoubleClickSpeed), ITEM(TxtScrollSpeed),
    ITEM(TxtXAxis), ITEM(TxtYAxis), ITEM(TxtButton1), ITEM(TxtButton2), ITEM(TxtButton3),
    ITEM(TxtButton4), ITEM(TxtButton5), ITEM(TxtButton6), ITEM(TxtButton7), ITEM(TxtDpiUp),
    ITEM(TxtDpiDown), ITEM(TxtDpiLoop), ITEM(TxtSlow), ITEM(TxtFast), ITEM(TxtNumberOfRows),
    ITEM(TxtScrollOneScreen), ITEM(TxtStandard), ITEM(TxtRespiration), ITEM(TxtNeon),
    ITEM(TxtFnClick), ITEM(TxtFnMenu), ITEM(TxtFnScroll), ITEM(TxtFnForward), ITEM(TxtFnBack),
    ITEM(TxtFnDoubleClick), ITEM(TxtMenuDpi), ITEM(TxtMenuMultimedia), ITEM(TxtMenuOffice),
    ITEM(TxtMenuWindows), ITEM(TxtFnKeyboardKey), ITEM(TxtFnMacro), ITEM(TxtFnDeactivated),
    ITEM(TxtFnLeftTilt), ITEM(TxtFnRightTilt), ITEM(TxtLastClickWarning), ITEM(TxtAttention),
    ITEM(TxtWebAddress), ITEM(TxtResetConfirm), ITEM(TxtDpiStage1), ITEM(TxtDpiStage2),
    ITEM(TxtDpiStage3), ITEM(TxtDpiStage4), ITEM(TxtDpiStage5), ITEM(TxtDpiStage6),
    ITEM(TxtDpiStage7), ITEM(TxtMacroKeyEvent), ITEM(TxtNotDetected), ITEM(TxtDetected),
    ITEM(TxtExit), ITEM(TxtColorNote),
};
#undef ITEM
// clang-format on
static_assert(sizeof(UiTextTable) == std::size(kAllItems) * sizeof(std::string),
              "every item of UiTextTable belongs in kAllItems");

const char* const kLanguages[] = {"EN", "DE", "CHS", "CHT"};

bool EmptyByDesign(std::string_view item, std::string_view code) {
    return item == "TxtColorNote" && (code == "DE" || code == "CHT");
}

TEST(UiTextTest, ItemListNamesEveryMemberOnce) {
    for (std::size_t i = 0; i < std::size(kAllItems); ++i) {
        for (std::size_t j = i + 1; j < std::size(kAllItems); ++j) {
            EXPECT_NE(kAllItems[i].member, kAllItems[j].member) << kAllItems[i].name;
        }
    }
}

TEST(UiTextTest, EveryItemIsFilledInEveryLanguage) {
    for (const char* code : kLanguages) {
        const UiTextTable table = FillTextTable(code);
        for (const auto& item : kAllItems) {
            EXPECT_EQ((table.*item.member).empty(), EmptyByDesign(item.name, code))
                << code << " " << item.name;
        }
    }
}

TEST(UiTextTest, UnknownCodeGivesEnglishForEveryItem) {
    const UiTextTable english = FillTextTable("EN");
    for (const char* code : {"", "chs", "cht", "en", "de", "En", "CH", "CHS ", " DE", "FR"}) {
        const UiTextTable table = FillTextTable(code);
        for (const auto& item : kAllItems) {
            EXPECT_EQ(table.*item.member, english.*item.member) << "'" << code << "' " << item.name;
        }
    }
}

TEST(UiTextTest, ExactTexts) {
    struct Case {
        const char* code;
        std::string UiTextTable::*member;
        std::string expected;
    };
    const Case cases[] = {
        // German labels section and the assignment menu's mouse functions.
        {"DE", &UiTextTable::LabelSection, "Setting-DE"},
        {"DE", &UiTextTable::TxtFnClick, "Klick"},
        {"DE", &UiTextTable::TxtFnMenu, "Menü"},
        {"DE", &UiTextTable::TxtFnScroll, "Scrollen"},
        {"DE", &UiTextTable::TxtFnForward, "Vorwärts"},
        {"DE", &UiTextTable::TxtFnBack, "Zurück"},
        {"DE", &UiTextTable::TxtFnDoubleClick, "Doppelklick"},
        {"DE", &UiTextTable::TxtLastClickWarning,
         "Mindestens eine Taste muss mit der „Klick“-Funktion belegt sein."},
        {"CHS", &UiTextTable::LabelSection, "Setting-CHS"},
        {"CHT", &UiTextTable::LabelSection, "Setting-CHT"},
        {"EN", &UiTextTable::LabelSection, "Setting-EN"},
        // Typos, trailing and doubled blanks are kept.
        {"EN", &UiTextTable::TxtScrollOneScreen, "Scroll One screenn"},
        {"EN", &UiTextTable::TxtDpiStage7, "Switch DPI into the seven stage "},
        {"EN", &UiTextTable::TxtFnScroll, "Scroll "},
        {"EN", &UiTextTable::TxtDetected, "The system detect Vorlak."},
        {"EN", &UiTextTable::TxtLastClickWarning,
         "At least one button must be set as the \"click\" function."},
        {"CHT", &UiTextTable::TxtDpiSetting, "DPI  設定"},
        {"CHS", &UiTextTable::ProductName, "OstrelVorlak鼠标"},
        {"CHS", &UiTextTable::TxtColorNote,
         "备注：驱动中的产品颜色仅供参考，具体请以实物为准，谢谢！"},
        {"CHT", &UiTextTable::TxtNotDetected, "系統沒有檢測到OstrelVorlak鼠标！"},
        {"CHS", &UiTextTable::TxtDpiStage1, "DPI切换到第一段 "},
        {"CHT", &UiTextTable::TxtFnLeftTilt, "Left Tilt Scroll"},
        {"CHT", &UiTextTable::TxtColorNote, ""},
        {"DE", &UiTextTable::TxtColorNote, ""},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(FillTextTable(c.code).*c.member, c.expected) << c.code << " " << c.expected;
    }
}

TEST(UiTextTest, WebAddressIsTheSameInEveryLanguage) {
    for (const char* code : kLanguages) {
        EXPECT_EQ(FillTextTable(code).TxtWebAddress, "https://www.vorlak.example/") << code;
    }
}

TEST(UiTextTest, LanguageRules) {
    struct Case {
        const char* code;
        std::string_view picked;
        bool chinese;
    };
    const Case cases[] = {
        {"CHS", "s", true}, {"CHT", "t", true},   {"DE", "g", false},  {"EN", "e", false},
        {"", "e", false},   {"chs", "e", false},  {"cht", "e", false}, {"de", "e", false},
        {"CH", "e", false}, {"CHSX", "e", false}, {"DE ", "e", false},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(PickByLanguage(c.code, "e", "g", "s", "t"), c.picked) << c.code;
        EXPECT_EQ(PickByLanguage(c.code, Text4{"e", "g", "s", "t"}), c.picked) << c.code;
        EXPECT_EQ(IsChineseLanguage(c.code), c.chinese) << c.code;
        EXPECT_EQ(FontFace(c.code), c.chinese ? "黑体" : "Arial") << c.code;
    }
}

TEST(UiTextTest, DpiFunctionNamesFollowTheTable) {
    struct Case {
        const char* code;
        std::array<std::string, 3> expected;
    };
    const Case cases[] = {
        {"DE", {"DPI +", "DPI -", "DPI Schleife"}},
        {"CHS", {"DPI +", "DPI -", "DPI loop"}},
        {"CHT", {"DPI +", "DPI -", "DPI 循環檔"}},
        {"EN", {"DPI +", "DPI -", "DPI Loop"}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(DpiFunctionNames(FillTextTable(c.code)), c.expected) << c.code;
    }
    // Before the language is known the English names stand.
    const auto english = DpiFunctionNames(FillTextTable("EN"));
    EXPECT_TRUE(std::equal(english.begin(), english.end(), kInitialDpiFunctionNames.begin()));
}

TEST(UiTextTest, FunctionNameListsPerLanguage) {
    struct Case {
        const char* code;
        std::string_view multimedia[2];  // first and last
        std::string_view office[2];
        std::string_view windows[2];
    };
    const Case cases[] = {
        {"EN", {"Open Media Player", "Volume Down"}, {"New", "Select All"}, {"My computer", "Run"}},
        {"DE",
         {"Mediaplayer öffnen", "Lautstärke -"},
         {"Neu", "Alles auswählen"},
         {"Arbeitsplatz", "Ausführen"}},
        {"CHS", {"多媒体播放器", "音量-"}, {"新建", "全选"}, {"我的电脑", "运行"}},
        {"CHT", {"開啟媒體播放器", "降低音量"}, {"新建", "選擇全部"}, {"我的電腦", "運行"}},
        {"chs",
         {"Open Media Player", "Volume Down"},
         {"New", "Select All"},
         {"My computer", "Run"}},
        {"", {"Open Media Player", "Volume Down"}, {"New", "Select All"}, {"My computer", "Run"}},
    };
    for (const auto& c : cases) {
        const auto multimedia = MultimediaFunctionNames(c.code);
        const auto office = OfficeFunctionNames(c.code);
        const auto windows = WindowsShortcutNames(c.code);
        EXPECT_EQ(multimedia.front(), c.multimedia[0]) << c.code;
        EXPECT_EQ(multimedia.back(), c.multimedia[1]) << c.code;
        EXPECT_EQ(office.front(), c.office[0]) << c.code;
        EXPECT_EQ(office.back(), c.office[1]) << c.code;
        EXPECT_EQ(windows.front(), c.windows[0]) << c.code;
        EXPECT_EQ(windows.back(), c.windows[1]) << c.code;
        std::vector<std::string_view> all(multimedia.begin(), multimedia.end());
        all.insert(all.end(), office.begin(), office.end());
        all.insert(all.end(), windows.begin(), windows.end());
        for (auto name : all) {
            EXPECT_FALSE(name.empty()) << c.code;
        }
    }
    // A few names inside the lists, in their catalogue positions.
    EXPECT_EQ(MultimediaFunctionNames("DE")[6], "Lautstärke +");
    EXPECT_EQ(MultimediaFunctionNames("EN")[4], "Play/Pause");
    EXPECT_EQ(OfficeFunctionNames("DE")[8], "Rückgängig machen");
    EXPECT_EQ(WindowsShortcutNames("DE")[1], "Web: Startseite");
    EXPECT_EQ(WindowsShortcutNames("CHT")[2], "搜尋程式及檔案");
}

TEST(UiTextTest, LoadLanguageReadsLanOfSkins) {
    struct Case {
        const char* content;  // nullptr: no file
        const char* expected;
    };
    const Case cases[] = {
        {"[Skins]\r\nLan=DE\r\n", "DE"},
        {"[Profile]\nItemCount=1\n[Skins]\nLan=CHT\n", "CHT"},
        {"[skins]\nlan=CHS\n", "CHS"},
        {"[Skins]\nColor=255\n", ""},
        {"[Setting-EN]\nLan=DE\n", ""},
        {"", ""},
        {nullptr, ""},
    };
    for (const auto& c : cases) {
        TestFolder folder;
        const auto path = c.content ? folder.Write("str.ini", c.content) : folder.Path("str.ini");
        EXPECT_EQ(LoadLanguage(path), c.expected) << (c.content ? c.content : "(no file)");
    }
}

TEST(UiTextTest, GermanSettingsFileSelectsGermanLabelSection) {
    TestFolder folder;
    const auto path = folder.Write("str0.ini", "[Skins]\nLan=DE\n");
    EXPECT_EQ(FillTextTable(LoadLanguage(path)).LabelSection, "Setting-DE");
}

}  // namespace
}  // namespace vorlak
