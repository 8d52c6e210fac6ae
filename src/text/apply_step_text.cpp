// SPDX-License-Identifier: GPL-3.0-or-later
#include "text/apply_step_text.h"

#include <array>

#include "text/ui_text.h"

namespace vorlak {
namespace {

constexpr int kMacroCount = 12;

// "%n" stands for the step's number, "%c" for the macro count.
constexpr std::array<Text4, 8> kStepTexts = {{
    {"polling rate", "Abfragerate", "回报率", "回報率"},
    {"sensitivity", "Empfindlichkeit", "灵敏度", "靈敏度"},
    {"DPI levels", "DPI-Stufen", "DPI 档位", "DPI 段位"},
    {"DPI colours", "DPI-Farben", "DPI 颜色", "DPI 顏色"},
    {"key matrix %n", "Tastenmatrix %n", "按键矩阵 %n", "按鍵矩陣 %n"},
    {"macro %n of %c", "Makro %n von %c", "宏 %n / %c", "巨集 %n / %c"},
    {"lighting", "Beleuchtung", "灯光", "燈光"},
    {"profile files", "Profildateien", "配置文件", "設定檔"},
}};

void ReplaceAll(std::string& text, std::string_view from, const std::string& to) {
    for (auto at = text.find(from); at != std::string::npos; at = text.find(from, at + to.size()))
        text.replace(at, from.size(), to);
}

}  // namespace

std::string ApplyStepText(std::string_view code, ApplyStepKind kind, int number) {
    std::string text(PickByLanguage(code, kStepTexts[static_cast<std::size_t>(kind)]));
    ReplaceAll(text, "%n", std::to_string(number));
    ReplaceAll(text, "%c", std::to_string(kMacroCount));
    return text;
}

}  // namespace vorlak
