// SPDX-License-Identifier: GPL-3.0-or-later
#include "panels/section_stack.h"

#include <algorithm>

namespace vorlak {

SectionStack::SectionStack(const std::array<int, kSectionCount>& panelHeights)
    : panelHeight_(panelHeights) {
    closed_.fill(true);
    for (int k = 0; k < kSectionCount; ++k)
        titleTop_[Index(k)] = kFirstSectionTop + k * (kSectionTitleHeight + kSectionGap);
}

int SectionStack::RangeHeight() const {
    return std::max(contentHeight_, kMinScrollRangeHeight);
}

int SectionStack::Bottom(int k) const {
    return Closed(k) ? PanelTop(k) : PanelTop(k) + PanelHeight(k);
}

void SectionStack::SetClosed(int k, bool closed) {
    if (Closed(k) == closed)
        return;
    closed_[Index(k)] = closed;
    const int change = PanelHeight(k) + 2 * kSectionGap;
    contentHeight_ += closed ? -change : change;
    for (int j = k + 1; j < kSectionCount; ++j)
        titleTop_[Index(j)] = Bottom(j - 1) + kSectionGap;
}

}  // namespace vorlak
