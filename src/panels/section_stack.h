// SPDX-License-Identifier: GPL-3.0-or-later
// The settings column's six sections stacked under each other: where each title and panel lies
// as sections open and close, and the content height the column scrolls over. No toolkit;
// positions are in content coordinates (before scrolling).
#pragma once

#include <array>

#include "skin/settings_column_layout.h"

namespace vorlak {

// The stack in the column's layout.
inline constexpr int kSectionCount = 6;
inline constexpr int kSectionTitleHeight = layout::settings_column::kTitleHeight;
inline constexpr int kFirstSectionTop = layout::settings_column::kFirstTitleTop;
inline constexpr int kSectionGap = layout::settings_column::kSectionGap;
// The column scrolls over at least this height, even with every section closed.
inline constexpr int kMinScrollRangeHeight = 563;

class SectionStack {
public:
    // Every section closed, titles at 2, 27, 52, 77, 102 and 127. `panelHeights` are the
    // heights of the panels under the titles.
    explicit SectionStack(const std::array<int, kSectionCount>& panelHeights);

    // Opens or closes section k (0..5): the content height changes by the panel's height plus
    // 10 and every section below moves so that each title sits 5 pixels under the element
    // above it and each open panel directly under its title. Sections above k and section k
    // itself stay. Setting the state a section has already changes nothing.
    void SetClosed(int k, bool closed);

    bool Closed(int k) const { return closed_[Index(k)]; }
    int TitleTop(int k) const { return titleTop_[Index(k)]; }
    int PanelTop(int k) const { return TitleTop(k) + kSectionTitleHeight; }
    int PanelHeight(int k) const { return panelHeight_[Index(k)]; }
    // The running content height: 120 with every section closed.
    int ContentHeight() const { return contentHeight_; }
    // The height the column scrolls over: the content height, at least 563.
    int RangeHeight() const;

private:
    static std::size_t Index(int k) { return static_cast<std::size_t>(k); }
    // The bottom of section k's last shown element: its panel when open, else its title.
    int Bottom(int k) const;

    std::array<int, kSectionCount> panelHeight_;
    std::array<int, kSectionCount> titleTop_{};
    std::array<bool, kSectionCount> closed_{};
    int contentHeight_ = kSectionCount * kSectionTitleHeight;
};

}  // namespace vorlak
