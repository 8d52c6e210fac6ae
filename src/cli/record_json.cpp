// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/record_json.h"

#include <nlohmann/json.hpp>

#include "cli/button_function.h"
#include "cli/entry_names.h"
#include "controller/pointer_settings.h"

namespace vorlak {
namespace {

using Json = nlohmann::ordered_json;

template <std::size_t N>
Json Numbers(const std::array<Byte, N>& bytes) {
    Json out = Json::array();
    for (Byte b : bytes)
        out.push_back(int(b));
    return out;
}

std::string Hex(std::span<const Byte> bytes) {
    static constexpr char kDigits[] = "0123456789ABCDEF";
    std::string out;
    for (Byte b : bytes) {
        out += kDigits[b >> 4];
        out += kDigits[b & 15];
    }
    return out;
}

Json RecordFields(const MouseConfig& r) {
    Json colours = Json::array();
    for (const auto& rgb : r.dpiColor)
        colours.push_back(Numbers(rgb));
    Json slots = Json::array();
    for (const auto& slot : r.macroSlot)
        slots.push_back(Hex(slot));
    return Json{{"profileSlot", r.profileSlot},
                {"reserved1", Numbers(r.reserved1)},
                {"pollingDivisor", r.pollingDivisor},
                {"reserved6", r.reserved6},
                {"dpiLevel", Numbers(r.dpiLevel)},
                {"reserved14", r.reserved14},
                {"dpiEnabled", Numbers(r.dpiEnabled)},
                {"reserved22", r.reserved22},
                {"dpiColor", colours},
                {"reserved44", Numbers(r.reserved44)},
                {"lightMode", r.lightMode},
                {"lightBrightness", r.lightBrightness},
                {"lightBreathRate", r.lightBreathRate},
                {"lightNeonRate", r.lightNeonRate},
                {"lightMode4Param", r.lightMode4Param},
                {"pointerPrecision", r.pointerPrecision},
                {"wheelPageScroll", r.wheelPageScroll},
                {"pointerSpeed", r.pointerSpeed},
                {"wheelLines", r.wheelLines},
                {"doubleClickStep", r.doubleClickStep},
                {"angleSnapLevel", r.angleSnapLevel},
                {"angleSnapEnabled", r.angleSnapEnabled},
                {"reserved59", r.reserved59},
                {"sensitivityX", r.sensitivityX},
                {"sensitivityY", r.sensitivityY},
                {"KeyFunction", Numbers(r.KeyFunction)},
                {"KeyDpiAction", Numbers(r.KeyDpiAction)},
                {"reserved90", Numbers(r.reserved90)},
                {"KeyMediaUsage", Numbers(r.KeyMediaUsage)},
                {"KeyWinShortcut", Numbers(r.KeyWinShortcut)},
                {"reserved132", Numbers(r.reserved132)},
                {"KeyOfficeKey", Numbers(r.KeyOfficeKey)},
                {"KeyCode", Numbers(r.KeyCode)},
                {"reserved202", Numbers(r.reserved202)},
                {"KeyMacroIndex", Numbers(r.KeyMacroIndex)},
                {"KeyMacroMode", Numbers(r.KeyMacroMode)},
                {"macroSlot", slots}};
}

Json DpiStages(const MouseConfig& r) {
    Json stages = Json::array();
    for (int s = 0; s < 6; ++s) {
        const auto stage = static_cast<std::size_t>(s);
        stages.push_back({{"stage", s + 1},
                          {"dpi", DpiOfCode(r.dpiLevel[stage])},
                          {"on", r.dpiEnabled[stage] != 0},
                          {"colour", ColourText(r.dpiColor[stage])}});
    }
    return stages;
}

// Each button's function decoded (kind and parameters), its words, and its label.
Json Buttons(const MouseConfig& record, const DescriptionContext& context) {
    Json buttons = Json::array();
    for (int entry = 0; entry < kEntryCount; ++entry) {
        const ButtonFunction decoded = DecodeButton(record, entry, context.macroNames);
        Json function{{"kind", decoded.kind}};
        for (const auto& [name, value] : decoded.parameters)
            function[name] = std::visit([](const auto& v) { return Json(v); }, value);
        buttons.push_back({{"button", EntryWord(entry)},
                           {"caption", EntryCaption(context.text, entry)},
                           {"entry", entry},
                           {"function", function},
                           {"does", decoded.text},
                           {"label", context.labels[static_cast<std::size_t>(entry)]}});
    }
    return buttons;
}

}  // namespace

std::string RecordJson(const MouseConfig& record, const DescriptionContext& context,
                       const RecordSource& source) {
    Json sourceJson = Json::object();
    for (const auto& [key, value] : source)
        sourceJson[key] = value;
    const MouseConfig& r = record;
    Json out{{"source", sourceJson},
             {"language", context.languageCode},
             {"record", RecordFields(r)},
             {"dpiStages", DpiStages(r)},
             {"pollingRateHz", PollingRateHz(r.pollingDivisor)},
             {"lighting",
              {{"mode", r.lightMode},
               {"brightness", r.lightBrightness},
               {"respirationSpeed", r.lightBreathRate},
               {"neonSpeed", r.lightNeonRate}}},
             {"sensitivity", {{"x", r.sensitivityX}, {"y", r.sensitivityY}}},
             {"pointer",
              {{"speed", r.pointerSpeed},
               {"doubleClickStep", r.doubleClickStep},
               {"doubleClickMs", PointerValuesOf(r).doubleClickMs},
               {"wheel", r.wheelPageScroll ? Json("page") : Json(int(r.wheelLines))},
               {"precision", r.pointerPrecision == 1}}},
             {"buttons", Buttons(r, context)},
             {"macros", context.macroNames}};
    // Labels come from files a user may have edited: invalid UTF-8 is replaced, not fatal.
    return out.dump(2, ' ', false, Json::error_handler_t::replace) + "\n";
}

}  // namespace vorlak
