// SPDX-License-Identifier: GPL-3.0-or-later
#include "panels/settings_column.h"

#include <QApplication>
#include <QPainter>
#include <QWheelEvent>

#include "controls/skin_button.h"
#include "controls/skin_image.h"
#include "controls/ui_font.h"
#include "panels/dpi_panel.h"
#include "panels/lighting_panel.h"
#include "panels/polling_rate_panel.h"
#include "panels/speed_dial.h"
#include "panels/wheel_panel.h"
#include "skin/skin_names.h"

namespace vorlak {
namespace {

namespace column = layout::settings_column;

std::array<int, kSectionCount> PanelHeights(const std::array<SettingsPanel*, kSectionCount>& p) {
    std::array<int, kSectionCount> heights{};
    for (std::size_t k = 0; k < p.size(); ++k)
        heights[k] = p[k]->height();
    return heights;
}

}  // namespace

SettingsColumn::SettingsColumn(PanelContext context, QWidget* parent)
    : SkinScrollable(parent),
      context_(std::move(context)),
      background_(LoadSkin(context_.programFolder, skin::kMainRight)),
      panels_(MakePanels()),
      stack_(PanelHeights(panels_)),
      wheelLines_([] { return QApplication::wheelScrollLines(); }) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::ClickFocus);
    const QImage title = LoadSkin(context_.programFolder, skin::kSectionHeader);
    const QFont font = UiFont(context_.languageCode, column::kTitleFontHeight);
    const UiTextTable& text = context_.text;
    const std::string* captions[] = {&text.TxtDpiSetting,       &text.TxtLighting,
                                     &text.TxtPollingRate,      &text.TxtMouseSpeed,
                                     &text.TxtDoubleClickSpeed, &text.TxtScrollSpeed};
    for (int k = 0; k < kSectionCount; ++k) {
        auto* button = new SkinButton(this);
        button->LoadBitmaps(QRect(0, 0, column::kTitleWidth, column::kTitleHeight), title, title,
                            title, title);
        button->resize(column::kTitleWidth, column::kTitleHeight);
        button->SetFontHeight(column::kTitleFontHeight);
        button->SetFontFace(font.family());
        button->SetIndent(column::kTitleIndent);
        button->SetCaptionRightMargin(column::kTitleArrowRoom);
        button->SetText(PanelText(*captions[k]));
        connect(button, &SkinButton::clicked, this, [this, k] { ToggleSection(k); });
        titles_[At(k)] = button;
    }
    PlaceSections();
    UpdateScrollBar();
}

std::array<SettingsPanel*, kSectionCount> SettingsColumn::MakePanels() {
    return {new DpiPanel(context_, this),         new LightingPanel(context_, this),
            new PollingRatePanel(context_, this), new PointerSpeedPanel(context_, this),
            new DoubleClickPanel(context_, this), new WheelPanel(context_, this)};
}

void SettingsColumn::RefreshFromConfig() {
    for (SettingsPanel* panel : panels_)
        panel->RefreshFromConfig();
}

void SettingsColumn::CloseAllSections() {
    for (int k = kSectionCount - 1; k >= 0; --k)
        SetSectionClosed(k, true);
}

// Another record starts the column afresh; the current profile read or sent again keeps the
// sections as the user left them.
void SettingsColumn::OnRecordChange(const RecordChange& change) {
    if (change.part != RecordPart::Whole && change.part != RecordPart::Reloaded) {
        for (SettingsPanel* panel : panels_)
            panel->OnRecordChange(change);
        return;
    }
    RefreshFromConfig();
    if (change.part == RecordPart::Whole)
        CloseAllSections();
}

void SettingsColumn::ToggleSection(int k) {
    emit Clicked();
    SetSectionClosed(k, !stack_.Closed(k));
}

void SettingsColumn::SetSectionClosed(int k, bool closed) {
    if (stack_.Closed(k) == closed)
        return;
    stack_.SetClosed(k, closed);
    UpdateScrollBar();
    Panel(k)->setVisible(!closed);
    PlaceSections();
    update();
}

void SettingsColumn::PlaceSections() {
    for (int k = 0; k < kSectionCount; ++k) {
        Title(k)->move(0, stack_.TitleTop(k) - scroll_.position);
        Panel(k)->move(0, stack_.PanelTop(k) - scroll_.position);
    }
}

void SettingsColumn::UpdateScrollBar() {
    const ColumnScroll old = scroll_;
    scroll_ = UpdateColumnScroll(old, height(), stack_.RangeHeight());
    if (scroll_.position != old.position)
        PlaceSections();
    if (scroll_ != old)
        emit ScrollInfoChanged();
}

void SettingsColumn::VerticalScroll(ScrollRequest request, int position) {
    const int moved = ScrolledPosition(scroll_, request, position);
    if (moved == scroll_.position)
        return;
    scroll_.position = moved;
    PlaceSections();
    repaint();
    emit ScrollInfoChanged();
}

void SettingsColumn::wheelEvent(QWheelEvent* event) {
    event->accept();
    if (scroll_.page == 0)
        return;
    wheelRemainder_ += event->angleDelta().y();
    const int notches = wheelRemainder_ / kWheelNotch * kWheelNotch;
    wheelRemainder_ -= notches;
    if (notches == 0)
        return;
    const WheelSteps steps = ColumnWheelSteps(notches, wheelLines_());
    for (int i = 0; i < steps.count; ++i)
        VerticalScroll(steps.request, 0);
}

void SettingsColumn::mousePressEvent(QMouseEvent*) {
    emit Clicked();
}

void SettingsColumn::resizeEvent(QResizeEvent*) {
    UpdateScrollBar();
}

void SettingsColumn::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), QColor(20, 20, 22));
    painter.drawImage(0, 0, background_);
}

}  // namespace vorlak
