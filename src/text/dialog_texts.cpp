// SPDX-License-Identifier: GPL-3.0-or-later
#include "text/dialog_texts.h"

#include <cstddef>

#include "text/text_rows.h"
#include "text/ui_text.h"

namespace vorlak {
namespace {

constexpr TextRow<KeyCaptureTexts, std::string_view> kKeyCaptureRows[] = {
    {&KeyCaptureTexts::ok, {"Ok", "OK", "确定", "確定"}},
    {&KeyCaptureTexts::cancel, {"Cancel", "Abbrechen", "取消", "取消"}},
    {&KeyCaptureTexts::prompt,
     {"Please assign a key", "Bitte wählen Sie eine Taste aus.", "请输入一个按键",
      "請指派一個鍵盤按鍵"}},
};

constexpr TextRow<MacroManagerTexts, std::string_view> kMacroManagerRows[] = {
    {&MacroManagerTexts::ok, {"OK", "OK", "确定", "確定"}},
    {&MacroManagerTexts::cancel, {"Cancel", "Abbrechen", "取消", "取消"}},
    {&MacroManagerTexts::startRecording,
     {"Start Recording", "Aufzeichnung starten", "开始录制", "開始記錄"}},
    {&MacroManagerTexts::stopRecording,
     {"Stop Recording", "Aufzeichnung beenden", "停止录制", "停止紀錄"}},
    {&MacroManagerTexts::insertLeftButton,
     {"Insert Left Button", "Linke Maustaste einfügen", "插入鼠标左键", "插入左鍵"}},
    {&MacroManagerTexts::insertMiddleButton,
     {"Insert Middle Button", "Mittlere Maustaste einfügen", "插入鼠标中键", "插入中鍵"}},
    {&MacroManagerTexts::insertRightButton,
     {"Inset Right Button", "Rechte Maustaste einfügen", "插入鼠标右键", "插入右鍵"}},
    {&MacroManagerTexts::insertDelay,
     {"Inset Delay", "Verzögerung einfügen", "插入延时", "插入延遲"}},
    {&MacroManagerTexts::limitCaption, {"ATTENTION!", "ACHTUNG!", "警告", "注意！"}},
    {&MacroManagerTexts::limitMessage,
     {"Up to 12 Macros Possible.", "Maximal 12 Makros möglich.", "最多可以新建12个宏。",
      "支援最多12 組巨集"}},
    {&MacroManagerTexts::title, {"Macro Manager", "Makro-Manager", "宏管理器", "巨集編輯器"}},
    {&MacroManagerTexts::macroColumn, {"Select Macro", "Auswahl Makro", "选择宏", "選擇巨集"}},
    {&MacroManagerTexts::eventColumn,
     {"Keystroke Sequence", "Tastensequenz", "按鍵序列", "按鍵輸入順序"}},
    {&MacroManagerTexts::optionsColumn, {"Options", "Optionen", "录制选项", "選項"}},
    {&MacroManagerTexts::recordDelayOption,
     {"Record delay between keystrokes", "Verzögerungen zwischen Tastenbefehlen aufzeichnen",
      "记录按键动作间的延迟", "按鍵指令間插入記錄延遲"}},
    {&MacroManagerTexts::loopsOption, {"Number of Loops", "Wiederholungen", "循环次数", "迴圈數"}},
    {&MacroManagerTexts::newButton, {"New", "Neu", "新建", "新建"}},
    {&MacroManagerTexts::deleteButton, {"Delete", "Löschen", "刪除", "刪除"}},
    {&MacroManagerTexts::namePrefix, {"Macro", "Makro", "宏", "巨集"}},
};

constexpr TextRow<DataProblemTexts, std::string_view> kDataProblemRows[] = {
    {&DataProblemTexts::missing, {"does not exist", "existiert nicht", "不存在", "不存在"}},
    {&DataProblemTexts::noAccess,
     {"cannot be opened (no permission)", "kann nicht geöffnet werden (keine Berechtigung)",
      "无法打开（没有权限）", "無法開啟（沒有權限）"}},
    {&DataProblemTexts::shortRecord,
     {"is shorter than a profile record", "ist kürzer als ein Profil", "比配置文件记录短",
      "比設定檔記錄短"}},
    {&DataProblemTexts::noProfile,
     {"lists no profile", "enthält kein Profil", "未列出任何配置文件", "未列出任何設定檔"}},
    {&DataProblemTexts::defaultsShown,
     {"Vorlak shows the default settings.", "Vorlak zeigt die Standardeinstellungen.",
      "Vorlak 显示默认设置。", "Vorlak 顯示預設設定。"}},
    {&DataProblemTexts::notSent,
     {"No profile could be read, so nothing was sent to the mouse.",
      "Es konnte kein Profil gelesen werden, daher wurde nichts an die Maus gesendet.",
      "无法读取配置文件，因此没有向鼠标发送任何内容。",
      "無法讀取設定檔，因此未傳送任何內容至滑鼠。"}},
};

constexpr TextRow<MouseAccessTexts, std::string_view> kMouseAccessRows[] = {
    {&MouseAccessTexts::title, {"Warning", "Warnung", "警告", "警告"}},
    {&MouseAccessTexts::nodes,
     {"A Vorlak mouse is connected, but you may not open it:",
      "Eine Vorlak-Maus ist angeschlossen, aber Sie dürfen sie nicht öffnen:",
      "已连接 Vorlak 鼠标，但您没有权限打开它：", "已連接 Vorlak 滑鼠，但您沒有權限開啟它："}},
    {&MouseAccessTexts::fix,
     {"Install the udev rule 70-vorlak.rules (see the README), then replug the mouse.",
      "Installieren Sie die udev-Regel 70-vorlak.rules (siehe README) und stecken Sie die Maus "
      "neu ein.",
      "请安装 udev 规则 70-vorlak.rules（见 README），然后重新插入鼠标。",
      "請安裝 udev 規則 70-vorlak.rules（見 README），然後重新插入滑鼠。"}},
};

constexpr TextRow<MacroPickerTexts, std::string_view> kMacroPickerRows[] = {
    {&MacroPickerTexts::ok, {"OK", "OK", "确定", "確定"}},
    {&MacroPickerTexts::cancel, {"Cancel", "Abbrechen", "取消", "取消"}},
    {&MacroPickerTexts::prompt,
     {"Please select a macro!", "Bitte wählen Sie ein Makro aus!", "请从列表框选择一个宏",
      "請先選擇巨集"}},
};

constexpr Text4 kMacroPickerModeRows[] = {
    {"Macro runs one-time after pressing the button.", "Makro bei Tastendruck einmalig ausführen.",
     "重复指定次数或按任意键结束", "按下按鍵後可重覆執行"},
    {"Macro runs endless loop until any button is pressed. ",
     "Makro endlos ausführen, bis erneuter Tastendruck erfolgt.", "重复直到按任意键结束",
     "重覆執行至再次按下任一鍵"},
    {"Macro runs endless loop until button is released. ",
     "Makro bei dauerhaft gedrückter Taste endlos ausführen.", "重复直到该按键松开结束",
     "重覆執行至放開此鍵"},
};
static_assert(std::size(kMacroPickerModeRows) ==
              std::tuple_size_v<decltype(MacroPickerTexts::modes)>);

constexpr TextRow<ProfileManagerTexts, std::string_view> kProfileManagerRows[] = {
    {&ProfileManagerTexts::title, {"Configuration", "Game Profil", "配置", "配置"}},
    {&ProfileManagerTexts::baseName, {"Profile", "Profil", "Profile", "設定檔"}},
    {&ProfileManagerTexts::newButton, {"New", "Neu", "新建", "新建"}},
    {&ProfileManagerTexts::deleteButton, {"Delete", "Löschen", "删除", "刪除"}},
    {&ProfileManagerTexts::menuEdit, {"Edit", "Bearbeiten", "编辑", "編輯"}},
    {&ProfileManagerTexts::menuCopy, {"Copy", "Kopieren", "复制", "複製"}},
    {&ProfileManagerTexts::menuLoad, {"Load", "Laden", "加载", "載入"}},
    {&ProfileManagerTexts::menuSave, {"Save", "Speichern", "保存", "儲存"}},
    {&ProfileManagerTexts::limitCaption, {"ATTENTION!", "ACHTUNG!", "警告", "注意!"}},
    {&ProfileManagerTexts::limitMessage,
     {"Up to 6 Profiles Possible.", "Maximal 6 Profile möglich.", "最多可以存储6个配置。",
      "支援最多六組設定檔。"}},
    {&ProfileManagerTexts::importRefused,
     {"%1 was not imported; the profile stays as it was.",
      "%1 wurde nicht importiert; das Profil bleibt unverändert.", "%1 未导入；配置保持不变。",
      "%1 未匯入；設定檔保持不變。"}},
    {&ProfileManagerTexts::importNoBinName,
     {"The name of a profile file contains \".bin\".", "Der Name einer Profildatei enthält „.bin“.",
      "配置文件的名称须包含“.bin”。", "設定檔的名稱須包含「.bin」。"}},
    {&ProfileManagerTexts::importMissing,
     {"The file does not exist.", "Die Datei existiert nicht.", "该文件不存在。",
      "該檔案不存在。"}},
    {&ProfileManagerTexts::importNotAFile,
     {"It is a folder, a pipe or a device, not a file.",
      "Es ist ein Ordner, eine Pipe oder ein Gerät, keine Datei.",
      "它是文件夹、管道或设备，而不是文件。", "它是資料夾、管道或裝置，而不是檔案。"}},
    {&ProfileManagerTexts::importUnreadable,
     {"The file cannot be read.", "Die Datei kann nicht gelesen werden.", "无法读取该文件。",
      "無法讀取該檔案。"}},
    {&ProfileManagerTexts::importWrongSize,
     {"A profile file holds 1889 bytes; this one holds %2.",
      "Eine Profildatei ist 1889 Byte groß, diese %2 Byte.",
      "配置文件的大小为 1889 字节，此文件为 %2 字节。",
      "設定檔的大小為 1889 位元組，此檔案為 %2 位元組。"}},
    {&ProfileManagerTexts::exportFailed,
     {"%1 could not be written (%2).", "%1 konnte nicht geschrieben werden (%2).",
      "无法写入 %1（%2）。", "無法寫入 %1（%2）。"}},
    {&ProfileManagerTexts::commitFailed,
     {"The profile list could not be saved (%1); the profiles stay as they were.",
      "Die Profilliste konnte nicht gespeichert werden (%1); die Profile bleiben unverändert.",
      "无法保存配置列表（%1）；配置保持不变。", "無法儲存設定檔清單（%1）；設定檔保持不變。"}},
};

template <class Texts, std::size_t N>
Texts TextsFor(std::string_view code, const TextRow<Texts, std::string_view> (&rows)[N]) {
    Texts texts{};
    FillFromRows(texts, code, rows);
    return texts;
}

std::string_view FaceWithSongForSimplified(std::string_view code, bool systemVersion62) {
    return code == kLanguageSimplified && !systemVersion62 ? "宋体" : FontFace(code);
}

}  // namespace

KeyCaptureTexts KeyCaptureTextsFor(std::string_view code) {
    return TextsFor(code, kKeyCaptureRows);
}

MacroManagerTexts MacroManagerTextsFor(std::string_view code) {
    return TextsFor(code, kMacroManagerRows);
}

MacroPickerTexts MacroPickerTextsFor(std::string_view code) {
    auto texts = TextsFor(code, kMacroPickerRows);
    for (std::size_t mode = 0; mode < texts.modes.size(); ++mode) {
        texts.modes[mode] = PickByLanguage(code, kMacroPickerModeRows[mode]);
    }
    return texts;
}

ProfileManagerTexts ProfileManagerTextsFor(std::string_view code) {
    return TextsFor(code, kProfileManagerRows);
}

DataProblemTexts DataProblemTextsFor(std::string_view code) {
    return TextsFor(code, kDataProblemRows);
}

MouseAccessTexts MouseAccessTextsFor(std::string_view code) {
    return TextsFor(code, kMouseAccessRows);
}

DialogFont KeyCaptureFont(std::string_view code, bool systemVersion62) {
    return {FaceWithSongForSimplified(code, systemVersion62), IsChineseLanguage(code) ? 13 : 14};
}

DialogFont ProfileManagerFont(std::string_view code, bool systemVersion62) {
    return {FaceWithSongForSimplified(code, systemVersion62), 13};
}

DialogFont MacroManagerFont(std::string_view code) {
    return {FontFace(code), 12};
}

DialogFont MacroRecordButtonFont(std::string_view code) {
    return {FontFace(code), IsChineseLanguage(code) ? 12 : 14};
}

DialogFont MacroPickerFont(std::string_view code) {
    return {FontFace(code), 13};
}

}  // namespace vorlak
