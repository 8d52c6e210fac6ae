// SPDX-License-Identifier: GPL-3.0-or-later
#include "text/ui_text.h"

#include <cstddef>

#include "record/ini_file.h"
#include "text/text_rows.h"

namespace vorlak {
namespace {

// The maker's web site, opened from the help menu; the same in every language.
constexpr std::string_view kWebAddress = "https://www.vorlak.example/";

// The variants in the order of the language index below.
constexpr std::string_view Text4::*kVariants[] = {&Text4::en, &Text4::de, &Text4::chs, &Text4::cht};

// 0 English, 1 German, 2 Simplified, 3 Traditional.
constexpr std::size_t LanguageIndex(std::string_view code) {
    if (code == kLanguageSimplified) {
        return 2;
    }
    if (code == kLanguageTraditional) {
        return 3;
    }
    return code == kLanguageGerman ? 1 : 0;
}

// A list of rows as one list of names per language, so each language's list is contiguous.
template <std::size_t N>
constexpr auto NamesByLanguage(const Text4 (&rows)[N]) {
    std::array<std::array<std::string_view, N>, std::size(kVariants)> names{};
    for (std::size_t language = 0; language < names.size(); ++language) {
        for (std::size_t i = 0; i < N; ++i) {
            names[language][i] = rows[i].*kVariants[language];
        }
    }
    return names;
}

using UiRow = TextRow<UiTextTable, std::string>;

// Every item of the UI text table with its texts.
constexpr UiRow kUiRows[] = {
    {&UiTextTable::LabelSection, {"Setting-EN", "Setting-DE", "Setting-CHS", "Setting-CHT"}},
    {&UiTextTable::ProductName, {"Vorlak", "Vorlak", "OstrelVorlak鼠标", "OstrelVorlak鼠标"}},
    {&UiTextTable::TxtReset, {"Reset", "Zurücksetzen", "恢复", "重置"}},
    {&UiTextTable::TxtCancel, {"Cancel", "Abbrechen", "取消", "取消"}},
    {&UiTextTable::TxtApply, {"Apply", "Anwenden", "保存", "套用"}},
    {&UiTextTable::TxtConfig, {"Config", "Spiel-Profile", "配置", "遊戲設定檔"}},
    {&UiTextTable::TxtTopView, {"Top View", "Top view", "正面", "正面圖"}},
    {&UiTextTable::TxtSideView, {"Side View", "Side View", "侧面", "側面圖"}},
    {&UiTextTable::TxtButtonAssignment,
     {"Button Assignment", "Tastenbelegung", "按钮分配", "按鍵指派"}},
    {&UiTextTable::TxtMacroManager, {"Macro Manager", "Makro-Manager", "宏管理器", "宏管理器"}},
    {&UiTextTable::TxtAxisSensitivity,
     {"Axis Sensitivity", "Achsen-Empfindlichkeit", "X/Y轴设置", "xy 軸靈敏度"}},
    {&UiTextTable::TxtDpiSetting, {"DPI Setting", "DPI-Einstellung", "DPI 设置", "DPI  設定"}},
    {&UiTextTable::TxtLighting, {"Lighting", "Lighting", "照明", "照明"}},
    {&UiTextTable::TxtPollingRate, {"Polling Rate", "Polling-Rate", "USB输出报告率", "採樣頻率"}},
    {&UiTextTable::TxtMouseSpeed, {"Mouse Speed", "Mausgeschwindigkeit", "鼠标速度", "滑鼠速度"}},
    {&UiTextTable::TxtDoubleClickSpeed,
     {"Double-Click Speed", "Doppelklick-Geschwindigkeit", "双击速度", "雙擊速度"}},
    {&UiTextTable::TxtScrollSpeed,
     {"Scroll Speed", "Scroll-Geschwindigkeit", "鼠标滚轮速度", "滾輪速度"}},
    {&UiTextTable::TxtXAxis, {"x-Axis", "x-Achse", "X轴", "X軸"}},
    {&UiTextTable::TxtYAxis, {"y-Axis", "y-Achse", "Y轴", "Y軸"}},
    {&UiTextTable::TxtButton1, {"Button 1", "Taste 1", "按钮 1", "按鍵 1"}},
    {&UiTextTable::TxtButton2, {"Button 2", "Taste 2", "按钮 2", "按鍵 2"}},
    {&UiTextTable::TxtButton3, {"Button 3", "Taste 3", "按钮 3", "按鍵 3"}},
    {&UiTextTable::TxtButton4, {"Button 4", "Taste 4", "按钮 4", "按鍵 4"}},
    {&UiTextTable::TxtButton5, {"Button 5", "Taste 5", "按钮 5", "按鍵 5"}},
    {&UiTextTable::TxtButton6, {"Button 6", "Taste 6", "按钮 6", "按鍵 6"}},
    {&UiTextTable::TxtButton7, {"Button 7", "Taste 7", "按钮 7", "按鍵 7"}},
    {&UiTextTable::TxtDpiUp, {"DPI +", "DPI +", "DPI +", "DPI +"}},
    {&UiTextTable::TxtDpiDown, {"DPI -", "DPI -", "DPI -", "DPI -"}},
    {&UiTextTable::TxtDpiLoop, {"DPI Loop", "DPI Schleife", "DPI loop", "DPI 循環檔"}},
    {&UiTextTable::TxtSlow, {"Slow", "Langsam", "慢", "慢"}},
    {&UiTextTable::TxtFast, {"Fast", "Schnell", "快", "快"}},
    {&UiTextTable::TxtNumberOfRows,
     {"Number of Rows", "Folgende Anzahl Zeilen", "一次滚动行数", "行數"}},
    {&UiTextTable::TxtScrollOneScreen,
     {"Scroll One screenn", "Eine Bildschirmseite", "一次滚动一个屏幕", "一次捲動一個螢幕"}},
    {&UiTextTable::TxtStandard, {"Standard", "Standard", "标准模式", "標準模式"}},
    {&UiTextTable::TxtRespiration, {"Respiration", "Respiration", "呼吸模式", "呼吸模式"}},
    {&UiTextTable::TxtNeon, {"Neon", "Neon", "霓虹模式", "霓虹模式"}},
    {&UiTextTable::TxtFnClick, {"Click", "Klick", "左键", "點擊"}},
    {&UiTextTable::TxtFnMenu, {"Menu", "Menü", "右键", "選項"}},
    {&UiTextTable::TxtFnScroll, {"Scroll ", "Scrollen", "中键", "滾輪"}},
    {&UiTextTable::TxtFnForward, {"Forward", "Vorwärts", "前进方向键", "前進"}},
    {&UiTextTable::TxtFnBack, {"Back", "Zurück", "后退方向键", "後退"}},
    {&UiTextTable::TxtFnDoubleClick, {"Double-Click", "Doppelklick", "双击", "雙擊"}},
    {&UiTextTable::TxtMenuDpi, {"DPI Setting +", "DPI-Einstellung +", "DPI切换 +", "DPI 設定 +"}},
    {&UiTextTable::TxtMenuMultimedia,
     {"Multimedia Commands +", "Multimedia-Funktionen +", "多媒体 +", "多媒體指令 +"}},
    {&UiTextTable::TxtMenuOffice,
     {"Basic Commands +", "Grundlegende-Funktionen +", "快捷键 +", "文書處理功能 +"}},
    {&UiTextTable::TxtMenuWindows,
     {"Additional Commands +", "Zusätzliche-Funktionen +", "Windows +", "基本操作功能 +"}},
    {&UiTextTable::TxtFnKeyboardKey,
     {"Assign Keyboard Key", "Keyboard-Taste zuweisen +", "单键", "指派鍵盤按鍵"}},
    {&UiTextTable::TxtFnMacro, {"Macro", "Makro", "宏", "巨集鍵"}},
    {&UiTextTable::TxtFnDeactivated, {"Deactivated", "Deaktiviert", "按键关闭", "無作用"}},
    {&UiTextTable::TxtFnLeftTilt,
     {"Left Tilt Scroll", "Left Tilt Scroll", "左摇摆滚轮", "Left Tilt Scroll"}},
    {&UiTextTable::TxtFnRightTilt,
     {"Right Tilt Scroll", "Right Tilt Scroll", "右摇摆滚轮", "Right Tilt Scroll"}},
    {&UiTextTable::TxtLastClickWarning,
     {"At least one button must be set as the \"click\" function.",
      "Mindestens eine Taste muss mit der „Klick“-Funktion belegt sein.", "左键功能必须选择！",
      "至少一鍵須設定為左鍵功能"}},
    {&UiTextTable::TxtAttention, {"ATTENTION!!", "ACHTUNG!!", "注意!", "警告!!"}},
    {&UiTextTable::TxtWebAddress, {kWebAddress, kWebAddress, kWebAddress, kWebAddress}},
    {&UiTextTable::TxtResetConfirm,
     {"Reset to factory default?", "Auf Werkseinstellungen zurücksetzen?", "是否恢复到出厂默认值?",
      "是否恢復到出廠預設值?"}},
    {&UiTextTable::TxtDpiStage1,
     {"Switch DPI into the first stage ", "Switch DPI into the first stage ", "DPI切换到第一段 ",
      "DPI切換到第一段 "}},
    {&UiTextTable::TxtDpiStage2,
     {"Switch DPI into the second stage ", "Switch DPI into the second stage ", "DPI切换到第二段 ",
      "DPI切換到第二段 "}},
    {&UiTextTable::TxtDpiStage3,
     {"Switch DPI into the third stage ", "Switch DPI into the third stage ", "DPI切换到第三段 ",
      "DPI切換到第三段 "}},
    {&UiTextTable::TxtDpiStage4,
     {"Switch DPI into the fourth stage ", "Switch DPI into the fourth stage ", "DPI切换到第四段 ",
      "DPI切換到第四段 "}},
    {&UiTextTable::TxtDpiStage5,
     {"Switch DPI into the fifth stage ", "Switch DPI into the fifth stage ", "DPI切换到第五段 ",
      "DPI切換到第五段 "}},
    {&UiTextTable::TxtDpiStage6,
     {"Switch DPI into the sixth stage ", "Switch DPI into the sixth stage ", "DPI切换到第六段 ",
      "DPI切換到第六段 "}},
    {&UiTextTable::TxtDpiStage7,
     {"Switch DPI into the seven stage ", "Switch DPI into the seven stage ", "DPI切换到第七段 ",
      "DPI切換到第七段 "}},
    {&UiTextTable::TxtMacroKeyEvent,
     {"Switch to macro key", "Switch to macro key", "切换到宏", "切換到巨集"}},
    {&UiTextTable::TxtNotDetected,
     {"The system did not detect Vorlak!", "The system did not detect Vorlak!",
      "系统没有检测到OstrelVorlak鼠标！", "系統沒有檢測到OstrelVorlak鼠标！"}},
    {&UiTextTable::TxtDetected,
     {"The system detect Vorlak.", "The system detect Vorlak.", "系统检测到OstrelVorlak鼠标。",
      "系統檢測到OstrelVorlak鼠标。"}},
    {&UiTextTable::TxtExit, {"Exit", "Exit", "退出", "退出"}},
    {&UiTextTable::TxtColorNote,
     {"Note: the color of the product in drive is for reference only,please take real product as "
      "criterion, thank you!",
      "", "备注：驱动中的产品颜色仅供参考，具体请以实物为准，谢谢！", ""}},
};

// The function-name lists of the assignment catalogue, in catalogue order.
constexpr Text4 kMultimediaRows[] = {
    {"Open Media Player", "Mediaplayer öffnen", "多媒体播放器", "開啟媒體播放器"},
    {"Next Track", "Nächster Titel", "下一首", "下一首"},
    {"Previous Track", "Vorheriger Titel", "上一首", "上一首"},
    {"Stop", "Stopp", "停止", "停止"},
    {"Play/Pause", "Play/Pause", "播放/暂停", "播放/暫停"},
    {"Mute", "Stumm", "静音", "靜音"},
    {"Volume Up", "Lautstärke +", "音量+", "提高音量"},
    {"Volume Down", "Lautstärke -", "音量-", "降低音量"},
};

constexpr Text4 kOfficeRows[] = {
    {"New", "Neu", "新建", "新建"},
    {"Cut", "Ausschneiden", "剪切", "剪下"},
    {"Copy", "Kopieren", "复制", "複製"},
    {"Paste", "Einfügen", "粘贴", "貼上"},
    {"Save", "Speichern", "保存", "儲存"},
    {"Print", "Drucken", "打印", "列印"},
    {"Find", "Suchen", "查找", "尋找"},
    {"Redo", "Wiederherstellen", "重复", "重做"},
    {"Undo", "Rückgängig machen", "撤销", "復原"},
    {"Select All", "Alles auswählen", "全选", "選擇全部"},
};

constexpr Text4 kWindowsShortcutRows[] = {
    {"My computer", "Arbeitsplatz", "我的电脑", "我的電腦"},
    {"Web Home", "Web: Startseite", "浏览器-主页", "首頁"},
    {"Search Computer", "Computer durchsuchen", "搜索", "搜尋程式及檔案"},
    {"Maximize", "Maximieren", "最大化", "最大化"},
    {"Minimize", "Minimieren", "最小化", "最小化"},
    {"Show desktop", "Desktop anzeigen", "显示桌面", "顯示桌面"},
    {"Run", "Ausführen", "运行", "運行"},
};

constexpr auto kMultimediaNames = NamesByLanguage(kMultimediaRows);
constexpr auto kOfficeNames = NamesByLanguage(kOfficeRows);
constexpr auto kWindowsShortcutNames = NamesByLanguage(kWindowsShortcutRows);

}  // namespace

std::string LoadLanguage(const std::filesystem::path& settingsFile) {
    return ReadIniString(settingsFile, "Skins", "Lan");
}

UiTextTable FillTextTable(std::string_view code) {
    UiTextTable table;
    FillFromRows(table, code, kUiRows);
    return table;
}

std::string_view PickByLanguage(std::string_view code, const Text4& text) {
    return text.*kVariants[LanguageIndex(code)];
}

std::string_view PickByLanguage(std::string_view code, std::string_view english,
                                std::string_view german, std::string_view simplified,
                                std::string_view traditional) {
    return PickByLanguage(code, Text4{english, german, simplified, traditional});
}

bool IsChineseLanguage(std::string_view code) {
    return code == kLanguageSimplified || code == kLanguageTraditional;
}

std::string_view FontFace(std::string_view code) {
    return IsChineseLanguage(code) ? "黑体" : "Arial";
}

std::span<const std::string_view, 8> MultimediaFunctionNames(std::string_view code) {
    return kMultimediaNames[LanguageIndex(code)];
}

std::span<const std::string_view, 10> OfficeFunctionNames(std::string_view code) {
    return kOfficeNames[LanguageIndex(code)];
}

std::span<const std::string_view, 7> WindowsShortcutNames(std::string_view code) {
    return kWindowsShortcutNames[LanguageIndex(code)];
}

std::array<std::string, 3> DpiFunctionNames(const UiTextTable& table) {
    return {table.TxtDpiUp, table.TxtDpiDown, table.TxtDpiLoop};
}

}  // namespace vorlak
