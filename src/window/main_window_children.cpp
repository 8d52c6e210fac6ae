// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/main_window_children.h"

#include <QWidget>

#include <string_view>

#include "controls/marker_slider.h"
#include "controls/pixel_geometry.h"
#include "controls/scroll_frame.h"
#include "controls/skin_button.h"
#include "controls/skin_image.h"
#include "panels/settings_column.h"
#include "skin/skin_names.h"
#include "text/ui_text.h"

namespace vorlak {
namespace {

QString Q(const std::string& text) {
    return QString::fromStdString(text);
}

class ChildMaker {
public:
    ChildMaker(QWidget& window, const std::filesystem::path& programFolder, const QFont& font)
        : window_(window), programFolder_(programFolder), font_(font) {}

    SkinButton* Button(const PixelRect& rect, const skin::ButtonImages& images) const {
        auto* button = new SkinButton(&window_);
        button->setGeometry(ToQRect(rect));
        button->LoadBitmaps(QRect(0, 0, rect.Width(), rect.Height()), Image(images.normal),
                            Image(images.hover), Image(images.pressed), Image(images.disabled));
        button->SetFontHeight(kButtonFontHeight);
        button->SetFontFace(font_.family());
        return button;
    }
    SkinButton* Centred(const PixelRect& rect, const skin::ButtonImages& images) const {
        SkinButton* button = Button(rect, images);
        button->SetAlignment(SkinButton::Alignment::Centred);
        return button;
    }
    // A left-aligned caption after the indent, ending rightMargin before the right edge.
    SkinButton* Indented(const PixelRect& rect, const skin::ButtonImages& images, int indent,
                         int rightMargin = 0) const {
        SkinButton* button = Button(rect, images);
        button->SetIndent(indent);
        button->SetCaptionRightMargin(rightMargin);
        return button;
    }
    MarkerSlider* Slider() const {
        auto* slider = new MarkerSlider(&window_, QRect());
        slider->SetImages(QRect(QPoint(0, 0), ToQSize(kSliderImageSize)),
                          Image(skin::kStageSliderTrack), Image(skin::kStageSliderFill));
        slider->SetRange(kAxisSliderMin, kAxisSliderMax);
        slider->hide();
        return slider;
    }
    QImage Image(std::string_view name) const { return LoadSkin(programFolder_, name); }

private:
    QWidget& window_;
    const std::filesystem::path& programFolder_;
    const QFont& font_;
};

}  // namespace

MainWindowChildren MakeMainWindowChildren(QWidget& window,
                                          const std::filesystem::path& programFolder,
                                          const QFont& captionFont, PanelContext settings) {
    const ChildMaker make(window, programFolder, captionFont);
    MainWindowChildren c;
    c.reset = make.Centred(kResetRect, kActionButtonImages);
    c.cancel = make.Centred(kCancelRect, kActionButtonImages);
    c.apply = make.Centred(kApplyRect, kActionButtonImages);
    c.close = make.Button(kCloseRect, kCloseButtonImages);
    c.minimize = make.Button(kMinimizeRect, kMinimizeButtonImages);
    c.help = make.Button(kHelpRect, kHelpButtonImages);
    c.config = make.Indented(kConfigRect, kConfigButtonImages, kConfigCaptionIndent);
    c.topView = make.Centred(kTopViewRect, kViewButtonImages);
    c.sideView = make.Centred(kSideViewRect, kViewButtonImages);
    const SectionLayout layout = LayOutSections(true, true, 0);
    c.assignmentHeader = make.Indented(layout.assignmentHeader, kHeaderImages, kHeaderCaptionIndent,
                                       kHeaderArrowRoom);
    c.macroHeader =
        make.Indented(layout.macroHeader, kHeaderImages, kHeaderCaptionIndent, kHeaderArrowRoom);
    c.axisHeader =
        make.Indented(layout.axisHeader, kHeaderImages, kHeaderCaptionIndent, kHeaderArrowRoom);
    for (int k = 0; k < kEntryCount; ++k) {
        SkinButton* box =
            make.Indented(LabelBoxRect(k), kLabelBoxImages, kLabelCaptionIndent, kLabelArrowCell);
        box->hide();
        c.labelBoxes[static_cast<std::size_t>(k)] = box;
    }
    c.xSlider = make.Slider();
    c.ySlider = make.Slider();
    c.settingsHost = new SettingsColumn(std::move(settings), &window);
    c.settingsHost->setGeometry(ToQRect(kSettingsHostRect));
    new ScrollFrame(*c.settingsHost, make.Image(skin::kScrollBar));
    return c;
}

void SetCaptions(const MainWindowChildren& c, const UiTextTable& text) {
    c.reset->SetText(Q(text.TxtReset));
    c.cancel->SetText(Q(text.TxtCancel));
    c.apply->SetText(Q(text.TxtApply));
    c.config->SetText(Q(text.TxtConfig));
    c.topView->SetText(Q(text.TxtTopView));
    c.sideView->SetText(Q(text.TxtSideView));
    c.assignmentHeader->SetText(Q(text.TxtButtonAssignment));
    c.macroHeader->SetText(Q(text.TxtMacroManager));
    c.axisHeader->SetText(Q(text.TxtAxisSensitivity));
}

void PlaceLeftColumn(const MainWindowChildren& c, const SectionLayout& layout, bool columnShown) {
    c.macroHeader->setGeometry(ToQRect(layout.macroHeader));
    c.axisHeader->setGeometry(ToQRect(layout.axisHeader));
    for (SkinButton* header : {c.assignmentHeader, c.macroHeader, c.axisHeader})
        header->setVisible(columnShown);
    for (SkinButton* box : c.labelBoxes)
        box->setVisible(layout.labelsVisible && columnShown);
    c.xSlider->setGeometry(ToQRect(layout.xSlider));
    c.ySlider->setGeometry(ToQRect(layout.ySlider));
    c.xSlider->setVisible(layout.slidersVisible && columnShown);
    c.ySlider->setVisible(layout.slidersVisible && columnShown);
}

}  // namespace vorlak
