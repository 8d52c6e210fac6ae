// SPDX-License-Identifier: GPL-3.0-or-later
#include "text/profile_file_texts.h"

#include "text/text_rows.h"

namespace vorlak {
namespace {

constexpr TextRow<ProfileFileTexts, std::string_view> kRows[] = {
    {&ProfileFileTexts::journalUnfinished,
     {"The profiles were being renumbered when Vorlak stopped, and the renumbering cannot be "
      "finished (%1). No profile is read or saved until it is; Vorlak tries again at every save "
      "and at the next start.",
      "Die Profile wurden gerade neu nummeriert, als Vorlak beendet wurde, und die Nummerierung "
      "kann nicht abgeschlossen werden (%1). Bis dahin wird kein Profil gelesen oder gespeichert; "
      "Vorlak versucht es bei jedem Speichern und beim nächsten Start erneut.",
      "Vorlak 停止时正在重新编号配置文件，且无法完成重新编号（%1）。完成之前不会读取或保存任何"
      "配置文件；Vorlak 会在每次保存和下次启动时重试。",
      "Vorlak 停止時正在重新編號設定檔，且無法完成重新編號（%1）。完成之前不會讀取或儲存任何"
      "設定檔；Vorlak 會在每次儲存和下次啟動時重試。"}},
    {&ProfileFileTexts::commitUnfinished,
     {"The profiles could not be renumbered (%1). The renumbering is half done: no profile is "
      "saved until it is finished; Vorlak tries again at every save and at the next start.",
      "Die Profile konnten nicht neu nummeriert werden (%1). Die Nummerierung ist nur zur Hälfte "
      "erfolgt: Bis sie abgeschlossen ist, wird kein Profil gespeichert; Vorlak versucht es bei "
      "jedem Speichern und beim nächsten Start erneut.",
      "无法重新编号配置文件（%1）。重新编号只完成了一半：完成之前不会保存任何配置文件；Vorlak "
      "会在每次保存和下次启动时重试。",
      "無法重新編號設定檔（%1）。重新編號只完成了一半：完成之前不會儲存任何設定檔；Vorlak "
      "會在每次儲存和下次啟動時重試。"}},
    {&ProfileFileTexts::savedNothing,
     {"The profile was not saved (%1).", "Das Profil wurde nicht gespeichert (%1).",
      "配置文件未保存（%1）。", "設定檔未儲存（%1）。"}},
    {&ProfileFileTexts::savedRecordOnly,
     {"The profile's settings were saved, but not its button labels (%1).",
      "Die Einstellungen des Profils wurden gespeichert, aber nicht seine Tastenbeschriftungen "
      "(%1).",
      "配置文件的设置已保存，但按钮标签未保存（%1）。",
      "設定檔的設定已儲存，但按鍵標籤未儲存（%1）。"}},
    {&ProfileFileTexts::savedLabelsOnly,
     {"The profile's button labels were saved, but not its settings (%1).",
      "Die Tastenbeschriftungen des Profils wurden gespeichert, aber nicht seine Einstellungen "
      "(%1).",
      "配置文件的按钮标签已保存，但设置未保存（%1）。",
      "設定檔的按鍵標籤已儲存，但設定未儲存（%1）。"}},
    {&ProfileFileTexts::importField,
     {"%1: %2 is not a value a profile can hold.",
      "%1: %2 ist kein Wert, den ein Profil haben kann.", "%1：%2 不是配置文件可以使用的值。",
      "%1：%2 不是設定檔可以使用的值。"}},
    {&ProfileFileTexts::fieldsRepaired,
     {"%1 holds values a profile cannot hold; Vorlak uses the nearest allowed ones instead (%2). "
      "Apply saves them.",
      "%1 enthält Werte, die ein Profil nicht haben kann; Vorlak verwendet stattdessen die "
      "nächsten erlaubten (%2). Anwenden speichert sie.",
      "%1 含有配置文件不能使用的值；Vorlak 改用最接近的允许值（%2）。保存后将写入这些值。",
      "%1 含有設定檔不能使用的值；Vorlak 改用最接近的允許值（%2）。套用後將儲存這些值。"}},
    {&ProfileFileTexts::profileSlot, {"profile number", "Profilnummer", "配置编号", "設定檔編號"}},
    {&ProfileFileTexts::pollingRate, {"polling rate", "Polling-Rate", "USB输出报告率", "採樣頻率"}},
    {&ProfileFileTexts::dpiLevel,
     {"DPI of stage %1", "DPI der Stufe %1", "第%1段 DPI", "第%1段 DPI"}},
    {&ProfileFileTexts::dpiEnabled,
     {"stage %1 on or off", "Stufe %1 ein oder aus", "第%1段开关", "第%1段開關"}},
    {&ProfileFileTexts::lightMode, {"lighting effect", "Lichteffekt", "灯光效果", "燈光效果"}},
    {&ProfileFileTexts::lightBrightness,
     {"brightness of the standard effect", "Helligkeit des Standardeffekts", "标准模式亮度",
      "標準模式亮度"}},
    {&ProfileFileTexts::lightBreathRate,
     {"speed of the respiration effect", "Geschwindigkeit des Atemeffekts", "呼吸模式速度",
      "呼吸模式速度"}},
    {&ProfileFileTexts::lightNeonRate,
     {"speed of the neon effect", "Geschwindigkeit des Neoneffekts", "霓虹模式速度",
      "霓虹模式速度"}},
    {&ProfileFileTexts::pointerSpeed,
     {"mouse speed", "Mausgeschwindigkeit", "鼠标速度", "滑鼠速度"}},
    {&ProfileFileTexts::wheelLines, {"scroll lines", "Scrollzeilen", "滚动行数", "滾動行數"}},
    {&ProfileFileTexts::doubleClickStep,
     {"double-click speed", "Doppelklick-Geschwindigkeit", "双击速度", "雙擊速度"}},
    {&ProfileFileTexts::sensitivityX,
     {"x-axis sensitivity", "Empfindlichkeit der x-Achse", "X轴灵敏度", "X軸靈敏度"}},
    {&ProfileFileTexts::sensitivityY,
     {"y-axis sensitivity", "Empfindlichkeit der y-Achse", "Y轴灵敏度", "Y軸靈敏度"}},
    {&ProfileFileTexts::entryFunction,
     {"function of %1", "Funktion von %1", "%1的功能", "%1的功能"}},
    {&ProfileFileTexts::entryDpiAction,
     {"DPI action of %1", "DPI-Aktion von %1", "%1的DPI动作", "%1的DPI動作"}},
    {&ProfileFileTexts::entryMediaKey,
     {"multimedia key of %1", "Multimedia-Taste von %1", "%1的多媒体键", "%1的多媒體鍵"}},
    {&ProfileFileTexts::entryWindowsShortcut,
     {"Windows shortcut of %1", "Windows-Kürzel von %1", "%1的Windows快捷键", "%1的Windows快速鍵"}},
    {&ProfileFileTexts::entryOfficeKey,
     {"office shortcut of %1", "Office-Kürzel von %1", "%1的办公快捷键", "%1的辦公快速鍵"}},
    {&ProfileFileTexts::entryKey,
     {"keyboard key of %1", "Tastaturtaste von %1", "%1的键盘按键", "%1的鍵盤按鍵"}},
    {&ProfileFileTexts::entryMacro, {"macro of %1", "Makro von %1", "%1的宏", "%1的巨集"}},
    {&ProfileFileTexts::entryMacroMode,
     {"macro play mode of %1", "Makro-Wiedergabemodus von %1", "%1的宏播放模式",
      "%1的巨集播放模式"}},
};

}  // namespace

ProfileFileTexts ProfileFileTextsFor(std::string_view code) {
    ProfileFileTexts texts{};
    FillFromRows(texts, code, kRows);
    return texts;
}

}  // namespace vorlak
