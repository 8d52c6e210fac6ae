// SPDX-License-Identifier: GPL-3.0-or-later
#include "controller/apply_report.h"

#include <array>
#include <cstring>
#include <utility>

#include "text/text_fill.h"
#include "text/ui_text.h"

namespace vorlak {
namespace {

// "%1" stands for the step's number, "%2" for the macro count; in the order of ApplyStepKind.
constexpr std::array<Text4, 7> kStepTexts = {{
    {"polling rate", "Abfragerate", "回报率", "回報率"},
    {"sensitivity", "Empfindlichkeit", "灵敏度", "靈敏度"},
    {"DPI levels", "DPI-Stufen", "DPI 档位", "DPI 段位"},
    {"DPI colours", "DPI-Farben", "DPI 颜色", "DPI 顏色"},
    {"key matrix %1", "Tastenmatrix %1", "按键矩阵 %1", "按鍵矩陣 %1"},
    {"macro %1 of %2", "Makro %1 von %2", "宏 %1 / %2", "巨集 %1 / %2"},
    {"lighting", "Beleuchtung", "灯光", "燈光"},
}};
constexpr Text4 kProfileFilesStep{"profile files", "Profildateien", "配置文件", "設定檔"};

// The reasons a transfer to the mouse commonly fails for, in words.
constexpr std::array<std::pair<int, Text4>, 5> kReasons = {{
    {EIO, {"input/output error", "Ein-/Ausgabefehler", "输入/输出错误", "輸入/輸出錯誤"}},
    {EPIPE,
     {"the mouse refused the transfer", "die Maus hat die Übertragung abgewiesen", "鼠标拒绝了传输",
      "滑鼠拒絕了傳輸"}},
    {ENODEV,
     {"the mouse is no longer there", "die Maus ist nicht mehr da", "鼠标已不在", "滑鼠已不在"}},
    {ETIMEDOUT,
     {"the mouse did not answer in time", "die Maus hat nicht rechtzeitig geantwortet",
      "鼠标未及时响应", "滑鼠未及時回應"}},
    {EPROTO, {"protocol error", "Protokollfehler", "协议错误", "協定錯誤"}},
}};
constexpr Text4 kOtherReason{"system error", "Systemfehler", "系统错误", "系統錯誤"};

constexpr Text4 kSentAndSaved{"Sent to the mouse and saved.",
                              "An die Maus gesendet und gespeichert.", "已发送到鼠标并保存。",
                              "已傳送到滑鼠並儲存。"};
constexpr Text4 kUpToDate{"The mouse is already up to date; the profile was saved.",
                          "Die Maus ist schon auf dem neuesten Stand; das Profil wurde "
                          "gespeichert.",
                          "鼠标已是最新设置；配置已保存。", "滑鼠已是最新設定；設定檔已儲存。"};
// %1 the step, %2 the reason, %3 the folder.
constexpr Text4 kMouseFailed{
    "The profile was saved, but the mouse did not take the settings.\n%1: %2\nPress Apply "
    "again to send them.",
    "Das Profil wurde gespeichert, aber die Maus hat die Einstellungen nicht übernommen.\n"
    "%1: %2\nDrücken Sie erneut auf Anwenden, um sie zu senden.",
    "配置已保存，但鼠标没有接受这些设置。\n%1：%2\n请再次点击“保存”以发送设置。",
    "設定檔已儲存，但滑鼠沒有接受這些設定。\n%1：%2\n請再次點擊「套用」以傳送設定。"};
constexpr Text4 kNotSaved{
    "The settings reached the mouse, but the profile files could not be saved in %1.",
    "Die Einstellungen sind in der Maus, aber die Profildateien konnten in %1 nicht gespeichert "
    "werden.",
    "设置已写入鼠标，但配置文件无法保存在 %1 中。", "設定已寫入滑鼠，但設定檔無法儲存在 %1 中。"};
constexpr Text4 kUpToDateNotSaved{
    "The mouse is already up to date, but the profile files could not be saved in %1.",
    "Die Maus ist schon auf dem neuesten Stand, aber die Profildateien konnten in %1 nicht "
    "gespeichert werden.",
    "鼠标已是最新设置，但配置文件无法保存在 %1 中。",
    "滑鼠已是最新設定，但設定檔無法儲存在 %1 中。"};
constexpr Text4 kNeither{
    "The mouse did not take the settings, and the profile files could not be saved in %3.\n"
    "%1: %2",
    "Die Maus hat die Einstellungen nicht übernommen, und die Profildateien konnten in %3 nicht "
    "gespeichert werden.\n%1: %2",
    "鼠标没有接受这些设置，而且配置文件无法保存在 %3 中。\n%1：%2",
    "滑鼠沒有接受這些設定，而且設定檔無法儲存在 %3 中。\n%1：%2"};

}  // namespace

std::string ApplyStepText(std::string_view code, ApplyStepKind kind, int number) {
    return Fill(PickByLanguage(code, kStepTexts[static_cast<std::size_t>(kind)]),
                {std::to_string(number), std::to_string(kMacroSlots)});
}

std::string ProfileFilesStepText(std::string_view code) {
    return std::string(PickByLanguage(code, kProfileFilesStep));
}

std::string TransferReasonText(std::string_view code, int error) {
    const std::string_view name = TransferErrorName(error);
    const std::string shown = name.empty() ? std::to_string(error) : std::string(name);
    for (const auto& [number, words] : kReasons) {
        if (number == error)
            return std::string(PickByLanguage(code, words)) + " (" + shown + ")";
    }
    return std::string(PickByLanguage(code, kOtherReason)) + " " + shown;
}

ApplyReport ApplyOutcomeReport(const ApplyOutcome& outcome, std::string_view code) {
    // "/home/me/.config/vorlak", without a slash before the sentence's full stop.
    const std::string folder =
        (outcome.folder.has_filename() ? outcome.folder : outcome.folder.parent_path()).string();
    // Which part of the save was not written, and why.
    const std::string detail =
        outcome.saved || outcome.saveProblem.empty() ? std::string() : "\n" + outcome.saveProblem;
    if (!outcome.failure) {
        const bool upToDate = outcome.stepsToSend == 0;
        if (outcome.saved)
            return {false, std::string(PickByLanguage(code, upToDate ? kUpToDate : kSentAndSaved))};
        return {true,
                Fill(PickByLanguage(code, upToDate ? kUpToDateNotSaved : kNotSaved), {folder}) +
                    detail};
    }
    const StepFailure& failure = *outcome.failure;
    const std::string step = ApplyStepText(code, failure.kind, failure.number);
    const std::string reason = TransferReasonText(code, failure.error);
    return {true, Fill(PickByLanguage(code, outcome.saved ? kMouseFailed : kNeither),
                       {step, reason, folder}) +
                      detail};
}

}  // namespace vorlak
