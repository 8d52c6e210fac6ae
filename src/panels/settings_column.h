// SPDX-License-Identifier: GPL-3.0-or-later
// The settings host: the scrolling right-hand column of the main window. Six sections stack in
// it, each a title bar over its panel: DPI, lighting, polling rate, pointer speed, double-click
// speed and wheel. All start closed; a title click opens or closes its section and the
// sections below move. The column scrolls by 60-pixel lines, pages, thumb drags and the wheel
// while its background stays put; a skinned scroll-bar frame shows its scroll state.
#pragma once

#include <QImage>

#include <array>
#include <functional>

#include "controls/skin_scrollable.h"
#include "panels/column_scroll.h"
#include "panels/section_stack.h"
#include "panels/settings_panel.h"

namespace vorlak {

class SkinButton;

class SettingsColumn : public SkinScrollable {
    Q_OBJECT

public:
    // Builds the six sections, closed, from the context's program folder, language and record.
    SettingsColumn(PanelContext context, QWidget* parent);

    // Every panel shows the record again (after it was replaced).
    void RefreshFromConfig();
    // Closes every open section, from the last up to the first.
    void CloseAllSections();
    // Hands a change of the record to the panels that show it. A replaced record (start-up,
    // Cancel, reset, a profile loaded or switched, a reload) refreshes every panel and closes
    // every section.
    void OnRecordChange(const RecordChange& change);
    // A title click: Clicked, then the section opens or closes.
    void ToggleSection(int k);
    // Where the wheel rule reads the desktop's lines per notch (kWheelScrollsPages for a page):
    // the toolkit's setting unless replaced.
    void SetDesktopWheelLines(std::function<int()> lines) { wheelLines_ = std::move(lines); }

    SkinButton* Title(int k) const { return titles_[At(k)]; }
    SettingsPanel* Panel(int k) const { return panels_[At(k)]; }
    const SectionStack& Stack() const { return stack_; }
    const ColumnScroll& Scroll() const { return scroll_; }

    ScrollInfo VerticalScrollInfo() const override { return scroll_.Info(); }
    void VerticalScroll(ScrollRequest request, int position) override;

signals:
    // A press on the column or a click on a title (the main window clears its highlight).
    void Clicked();

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    static std::size_t At(int k) { return static_cast<std::size_t>(k); }
    std::array<SettingsPanel*, kSectionCount> MakePanels();
    void SetSectionClosed(int k, bool closed);
    // Follows a change of the range or of the visible height.
    void UpdateScrollBar();
    // Titles and panels at their content places, moved up by the scroll position.
    void PlaceSections();

    PanelContext context_;
    QImage background_;
    std::array<SkinButton*, kSectionCount> titles_{};
    std::array<SettingsPanel*, kSectionCount> panels_{};
    SectionStack stack_;
    ColumnScroll scroll_;
    // Wheel turns smaller than a notch, kept until they make one.
    int wheelRemainder_ = 0;
    std::function<int()> wheelLines_;
};

}  // namespace vorlak
