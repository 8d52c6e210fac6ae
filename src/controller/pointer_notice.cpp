// SPDX-License-Identifier: GPL-3.0-or-later
#include "controller/pointer_notice.h"

#include <algorithm>

#include "text/ui_text.h"

namespace vorlak {
namespace {

constexpr Text4 kTitle{"Pointer settings", "Zeigereinstellungen", "指针设置", "指標設定"};
constexpr Text4 kHeading{"The desktop kept these settings as they were:",
                         "Diese Einstellungen des Desktops blieben unverändert:",
                         "以下桌面设置保持不变：", "以下桌面設定保持不變："};

// Indexed by PointerSetting.
constexpr Text4 kSettingNames[kPointerSettingCount] = {
    {"Pointer acceleration", "Zeigerbeschleunigung", "指针加速", "指標加速"},
    {"Pointer speed", "Zeigergeschwindigkeit", "指针速度", "指標速度"},
    {"Wheel scroll lines", "Zeilen pro Mausradraste", "滚轮滚动行数", "滾輪捲動行數"},
    {"Double-click speed", "Doppelklickgeschwindigkeit", "双击速度", "按兩下速度"},
};

// Indexed by PointerRefusal; {desktop} and {detail} are filled in. Worded for one setting
// or several.
constexpr Text4 kReasons[] = {
    {"no desktop session runs to take them.", "es läuft keine Desktop-Sitzung, die sie übernimmt.",
     "没有可接收这些设置的桌面会话。", "沒有可接收這些設定的桌面工作階段。"},
    {"Vorlak has no way to set this on {desktop}.",
     "Vorlak kann dies unter {desktop} nicht setzen.", "Vorlak 无法在 {desktop} 上设置此项。",
     "Vorlak 無法在 {desktop} 上設定此項。"},
    {"{desktop} has no such setting.", "{desktop} hat keine solche Einstellung.",
     "{desktop} 没有此设置。", "{desktop} 沒有此設定。"},
    {"{desktop} scrolls by lines only, not one screen per notch.",
     "{desktop} scrollt nur zeilenweise, nicht eine Bildschirmseite pro Raste.",
     "{desktop} 只能按行滚动，不能每格滚动一屏。",
     "{desktop} 只能按行捲動，不能每格捲動一個螢幕。"},
    {"the settings schema {detail} of {desktop} is not installed.",
     "das Einstellungsschema {detail} von {desktop} ist nicht installiert.",
     "{desktop} 的设置架构 {detail} 未安装。", "{desktop} 的設定結構描述 {detail} 未安裝。"},
    {"{desktop} does not list the Vorlak mouse among its input devices.",
     "{desktop} führt die Vorlak-Maus nicht unter seinen Eingabegeräten.",
     "{desktop} 的输入设备中没有 Vorlak 鼠标。", "{desktop} 的輸入裝置中沒有 Vorlak 滑鼠。"},
    {"{desktop} refused: {detail}.", "{desktop} hat abgelehnt: {detail}.",
     "{desktop} 拒绝了：{detail}。", "{desktop} 拒絕了：{detail}。"},
};

void ReplaceAll(std::string& text, std::string_view field, std::string_view value) {
    for (std::size_t at = text.find(field); at != std::string::npos;
         at = text.find(field, at + value.size()))
        text.replace(at, field.size(), value);
}

std::string ReasonFor(const PointerResult& result, std::string_view desktop,
                      std::string_view code) {
    std::string reason(PickByLanguage(code, kReasons[static_cast<std::size_t>(*result.refusal)]));
    ReplaceAll(reason, "{desktop}", desktop);
    ReplaceAll(reason, "{detail}", result.detail);
    return reason;
}

}  // namespace

std::string PointerNotice::Text(std::string_view separator) const {
    std::string text = heading;
    for (const std::string& line : lines)
        text.append(separator).append(line);
    return text;
}

// Settings kept for the same reason share a line: "Wheel scroll lines, Double-click speed:
// ...".
std::optional<PointerNotice> PointerNoticeFor(const PointerReport& report,
                                              std::string_view languageCode) {
    const bool chinese = IsChineseLanguage(languageCode);
    std::vector<std::pair<std::string, std::string>> groups;  // (names, reason)
    for (int i = 0; i < kPointerSettingCount; ++i) {
        const PointerResult& result = report[static_cast<PointerSetting>(i)];
        if (result.WasTaken())
            continue;
        const std::string reason = ReasonFor(result, report.desktop, languageCode);
        const std::string_view name =
            PickByLanguage(languageCode, kSettingNames[static_cast<std::size_t>(i)]);
        auto group = std::find_if(groups.begin(), groups.end(),
                                  [&](const auto& g) { return g.second == reason; });
        if (group == groups.end())
            groups.push_back({std::string(name), reason});
        else
            group->first.append(chinese ? "、" : ", ").append(name);
    }
    if (groups.empty())
        return std::nullopt;
    PointerNotice notice{std::string(PickByLanguage(languageCode, kTitle)),
                         std::string(PickByLanguage(languageCode, kHeading)),
                         {}};
    for (const auto& [names, reason] : groups)
        notice.lines.push_back(names + (chinese ? "：" : ": ") + reason);
    return notice;
}

std::optional<PointerNotice> PointerNoticeMemory::Untold(const PointerReport& report,
                                                         std::string_view languageCode) {
    bool anyNew = false;
    for (int i = 0; i < kPointerSettingCount; ++i) {
        const PointerResult& result = report[static_cast<PointerSetting>(i)];
        if (!result.WasTaken())
            anyNew = told_.insert({i, static_cast<int>(*result.refusal)}).second || anyNew;
    }
    if (!anyNew)
        return std::nullopt;
    return PointerNoticeFor(report, languageCode);
}

}  // namespace vorlak
