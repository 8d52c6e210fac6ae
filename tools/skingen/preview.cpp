// SPDX-License-Identifier: GPL-3.0-or-later
#include "preview.h"

#include "layout.h"
#include "paint_kit.h"

#include <QDir>
#include <QFont>

#include <vector>

namespace skingen {

namespace {

// Draws like the program does: whole images alpha-blended, button states copied, captions in
// white on top.
class Sheet {
public:
    Sheet(const SkinSet& skins, QImage& image) : skins_(skins) {
        painter_.begin(&image);
        painter_.setRenderHint(QPainter::TextAntialiasing);
    }

    QPainter& Painter() { return painter_; }
    const QImage& Image(const QString& name) const { return skins_.Get(name); }

    void Draw(const QString& name, QPoint at) { painter_.drawImage(at, Image(name)); }

    // A state bitmap cut from the top left of its image, copied without alpha.
    void Button(const QString& name, const QRect& rect, const QString& caption = QString(),
                bool centred = true, int indent = 0, int fontHeight = 13) {
        const QImage cut = Image(name).copy(QRect(QPoint(0, 0), rect.size()));
        painter_.save();
        painter_.setCompositionMode(QPainter::CompositionMode_Source);
        painter_.drawImage(rect.topLeft(), cut.convertToFormat(QImage::Format_RGB32));
        painter_.restore();
        if (!caption.isEmpty()) {
            Text(rect.adjusted(5 + indent, 0, 0, 0), caption, fontHeight,
                 centred ? Qt::AlignCenter : Qt::AlignLeft | Qt::AlignVCenter, true);
        }
    }

    void Text(const QRect& rect, const QString& text, int pixelHeight, int flags, bool bold = false,
              QColor color = Qt::white) {
        QFont font("Arial");
        font.setPixelSize(pixelHeight);
        font.setWeight(bold ? QFont::DemiBold : QFont::Normal);
        painter_.setFont(font);
        painter_.setPen(color);
        painter_.drawText(rect, flags | Qt::TextSingleLine, text);
    }

    // A horizontal marker slider at `rect` with the images cut from `region`.
    void HSlider(const QRect& rect, const QRect& region, int pos, int min, int max) {
        const QImage track = Image("StageSlider/1.png").copy(region);
        const QImage fill = Image("StageSlider/10.png").copy(region);
        const int f = rect.width() * (pos - min) / (max - min - 1);
        painter_.save();
        painter_.setClipRect(rect);
        painter_.drawImage(rect.topLeft(), track);
        painter_.drawImage(rect.topLeft(), fill.copy(0, 0, f, rect.height()));
        painter_.restore();
    }

    void VSlider(const QRect& rect, int pos, int min, int max) {
        const int h = rect.height();
        const int d = qMin(h, h * (pos - min) / (max - min - 1));
        painter_.save();
        painter_.setClipRect(rect);
        painter_.drawImage(rect.topLeft(), Image("DPISetting/DPIStage/0.png"));
        painter_.drawImage(rect.topLeft() + QPoint(0, h - d), Image("DPISetting/DPIStage/82.png"));
        painter_.restore();
    }

private:
    const SkinSet& skins_;
    QPainter painter_;
};

QImage Blank(QSize size, QColor color = QColor(60, 60, 66)) {
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(color);
    return image;
}

// ---- settings column ------------------------------------------------------------------------

namespace skin = vorlak::skin;
using layout::ToQPoint;
using layout::ToQRect;

// A rectangle of a panel's layout on the sheet, with the panel's corner at `at`.
QRect On(QPoint at, const vorlak::PixelRect& r) {
    return ToQRect(r).translated(at);
}

void DrawDpiPanel(Sheet& s, QPoint at) {
    namespace dpi = layout::dpi;
    s.Draw(Name(skin::kDpiPanel), at);
    const int codes[] = {4, 9, 19, 29, 39, 54};
    const char* labels[] = {"500", "1000", "2000", "3000", "4000", "6000"};
    const QColor colors[] = {Qt::red, Qt::blue, Qt::green, Qt::yellow, Qt::cyan, Qt::magenta};
    for (int n = 0; n < dpi::kStages; ++n) {
        s.VSlider(On(at, dpi::SliderRect(n)), codes[n], 1, 54);
        const QRect box = On(at, dpi::ValueBox(n));
        s.Draw(Name(skin::kDpiValueBox), box.topLeft());
        s.Text(box, labels[n], dpi::kFontHeight, Qt::AlignCenter);
        s.Draw(Name(n == 3 ? skin::kDisabledMark : skin::kEnabledMark),
               On(at, dpi::Toggle(n)).topLeft());
        s.Painter().fillRect(On(at, dpi::Swatch(n)), colors[n]);
    }
}

void DrawLightingPanel(Sheet& s, QPoint at) {
    namespace lighting = layout::lighting;
    s.Draw(Name(skin::kLightingPanel), at);
    const char* modes[] = {"Standard", "Respiration", "Neon"};
    const int positions[] = {2, 2, 4};
    for (int row = 0; row < lighting::kRows; ++row) {
        s.Draw(Name(row == 0 ? skin::kEnabledMark : skin::kDisabledMark),
               On(at, lighting::Mark(row)).topLeft());
        s.Text(On(at, lighting::LabelRect(row)), modes[row], lighting::kFontHeight,
               Qt::AlignLeft | Qt::AlignVCenter);
        s.HSlider(On(at, lighting::SliderRect(row)), ToQRect(lighting::kSliderImageCut),
                  positions[row], 1, 6);
        for (const lighting::ScaleLabel& label : lighting::kScales[row]) {
            s.Text(On(at, lighting::ScaleRect(row, label)), label.text, lighting::kFontHeight,
                   Qt::AlignLeft | Qt::AlignVCenter);
        }
    }
}

void DrawDialPanel(Sheet& s, QPoint at, int step) {
    namespace speed = layout::speed;
    s.Draw(Name(skin::kPointerPanel), at);
    s.Draw(Name(skin::SpeedDial(step)), On(at, speed::kDial).topLeft());
    s.Text(On(at, speed::kSlowRect), "Slow", speed::kFontHeight, Qt::AlignRight | Qt::AlignVCenter);
    s.Text(On(at, speed::kFastRect), "Fast", speed::kFontHeight, Qt::AlignLeft | Qt::AlignVCenter);
}

void DrawWheelPanel(Sheet& s, QPoint at) {
    namespace wheel = layout::wheel;
    s.Draw(Name(skin::kWheelPanel), at);
    s.Draw(Name(skin::kWheelMarkOn), On(at, wheel::kLinesMark).topLeft());
    s.Draw(Name(skin::kWheelMarkOff), On(at, wheel::kScreenMark).topLeft());
    s.Text(On(at, wheel::kLinesLabel), "Number of Rows", wheel::kFontHeight,
           Qt::AlignLeft | Qt::AlignVCenter);
    s.Text(On(at, wheel::kScreenLabel), "Scroll One screenn", wheel::kFontHeight,
           Qt::AlignLeft | Qt::AlignVCenter);
    s.Draw(Name(skin::kWheelLinesField), On(at, wheel::kLinesField).topLeft());
    s.Text(On(at, wheel::kLinesField), "3", wheel::kFontHeight - 1, Qt::AlignCenter);
}

void DrawPollingPanel(Sheet& s, QPoint at, int rate) {
    s.Draw(Name(skin::kPollingPanel), at);
    s.Draw(Name(skin::PollingDial(rate)), On(at, layout::polling::kDial).topLeft());
}

// Draws the column with sections open as `open` says, the skinned scroll bar at its right.
QImage SettingsColumn(const SkinSet& skins, const std::vector<bool>& open) {
    namespace column = layout::column;
    QImage image = Blank(layout::kSettingsHost.size());
    Sheet s(skins, image);
    s.Draw(Name(skin::kMainRight), {0, 0});
    const char* titles[] = {"DPI Setting", "Lighting",           "Polling Rate",
                            "Mouse Speed", "Double-Click Speed", "Scroll Speed"};
    const QSize sizes[] = {layout::kDpiPanel,     layout::kLightingPanel, layout::kPollingPanel,
                           layout::kPointerPanel, layout::kPointerPanel,  layout::kScrollPanel};
    int y = column::kFirstTitleTop;
    for (int k = 0; k < 6; ++k) {
        s.Button(Name(skin::kSectionHeader), QRect(0, y, column::kTitleWidth, column::kTitleHeight),
                 titles[k], false, column::kTitleIndent, column::kTitleFontHeight);
        y += column::kTitleHeight;
        if (open[static_cast<std::size_t>(k)]) {
            const QPoint at(0, y);
            switch (k) {
                case 0:
                    DrawDpiPanel(s, at);
                    break;
                case 1:
                    DrawLightingPanel(s, at);
                    break;
                case 2:
                    DrawPollingPanel(s, at, 500);
                    break;
                case 3:
                    DrawDialPanel(s, at, 6);
                    break;
                case 4:
                    DrawDialPanel(s, at, 9);
                    break;
                default:
                    DrawWheelPanel(s, at);
                    break;
            }
            y += sizes[k].height();
        }
        y += column::kSectionGap;
    }
    // Scroll bar: arrows, tiled track and a thumb with 6-pixel caps.
    const QImage& skin = s.Image(Name(skin::kScrollBar));
    const int a = layout::kScrollBarWidth;
    const int x = layout::kSettingsHost.width() - a;
    const int length = layout::kSettingsHost.height();
    QPainter& p = s.Painter();
    p.drawImage(QPoint(x, 0), skin.copy(0, 0, a, a));
    p.drawImage(QPoint(x, length - a), skin.copy(a, 0, a, a));
    for (int ty = a; ty < length - a; ty += a) {
        p.drawImage(QPoint(x, ty), skin.copy(3 * a, 0, a, qMin(a, length - a - ty)));
    }
    const int thumbTop = a + 40;
    const int thumbLength = 300;
    p.drawImage(QPoint(x, thumbTop), skin.copy(2 * a, 0, a, 6));
    for (int ty = thumbTop + 6; ty < thumbTop + thumbLength - 6; ++ty) {
        p.drawImage(QPoint(x, ty), skin.copy(2 * a, 6, a, 1));
    }
    p.drawImage(QPoint(x, thumbTop + thumbLength - 6), skin.copy(2 * a, a - 6, a, 6));
    return image;
}

// ---- main window ----------------------------------------------------------------------------

struct MainState {
    bool sideView;
    int litOverlay;  // 1..7, 0 for none
    bool assignmentOpen;
    bool axisOpen;
    std::vector<bool> hostOpen;
};

// An image button of the main window in one of its states, with its caption.
void MainButton(Sheet& s, const vorlak::PixelRect& rect, std::string_view image,
                const QString& caption = QString(), bool centred = true, int indent = 0) {
    s.Button(Name(image), ToQRect(rect), caption, centred, indent, vorlak::kButtonFontHeight);
}

QImage MainWindow(const SkinSet& skins, const MainState& state) {
    QImage image = Blank(layout::kMainWindow);
    Sheet s(skins, image);
    s.Draw(Name(skin::kMainBackground), {0, 0});
    s.Draw(Name(skin::kMainMid), layout::kMouseArea.topLeft());
    const vorlak::MouseView view =
        state.sideView ? vorlak::MouseView::Side : vorlak::MouseView::Top;
    const vorlak::MousePicture picture = vorlak::PictureOf(view);
    s.Draw(Name(picture.image).mid(Name(vorlak::kSkinFolderName).size() + 1),
           ToQPoint(picture.position));
    for (int n = 1; n <= 7; ++n) {
        s.Draw(Name(skin::MouseOverlay(state.sideView, n, n == state.litOverlay)),
               ToQPoint(vorlak::OverlayPosition(view, n)));
    }
    s.Draw(Name(skin::kMainLeft), {0, 0});
    s.Draw(Name(skin::kMouseLogo), layout::kMouseLogoAt);
    s.Draw(Name(skin::kLogo), layout::kLogoAt);

    const int h = layout::kAssignmentPanel.height();
    const vorlak::SectionLayout sections =
        vorlak::LayOutSections(!state.assignmentOpen, !state.axisOpen, h);
    const int caption = vorlak::kCaptionFontHeight;
    MainButton(s, sections.assignmentHeader, skin::kSectionHeader, "Button Assignment", false,
               vorlak::kHeaderCaptionIndent);
    if (state.assignmentOpen) {
        s.Draw(Name(skin::kAssignmentPanel), layout::kAssignmentPanelAt);
        const char* labels[] = {"Click", "Menu", "Scroll ", "Back", "Forward", "DPI +", "DPI -"};
        for (int k = 0; k < 14; ++k) {
            const QString text =
                k < 7 ? QString("Button %1").arg(k + 1) : QString("Shift+%1").arg(k - 6);
            s.Text(ToQRect(vorlak::CaptionRect(k)), text, caption, Qt::AlignCenter);
            MainButton(s, vorlak::LabelBoxRect(k),
                       k == 2 ? skin::kLabelBoxOver : skin::kLabelBoxNormal, labels[k % 7], false,
                       vorlak::kLabelCaptionIndent);
        }
    }
    MainButton(s, sections.macroHeader, skin::kSectionHeader, "Macro Manager", false,
               vorlak::kHeaderCaptionIndent);
    MainButton(s, sections.axisHeader, skin::kSectionHeader, "Axis Sensitivity", false,
               vorlak::kHeaderCaptionIndent);
    if (state.axisOpen) {
        const vorlak::PixelRect& axis = sections.axisHeader;
        s.Draw(Name(skin::kAxisPanel), QPoint(axis.left, axis.bottom));
        const int flags = Qt::AlignLeft | Qt::AlignVCenter;
        s.Text(ToQRect(vorlak::AxisLabelRect(axis, 0)), "x-Axis", caption, flags);
        s.Text(ToQRect(vorlak::AxisLabelRect(axis, 1)), "y-Axis", caption, flags);
        for (int i = 1; i <= 10; ++i) {
            for (const int row : {0, 1})
                s.Text(ToQRect(vorlak::AxisNumberRect(axis, row, i)), QString::number(i), caption,
                       flags);
        }
        const QRect cut(QPoint(0, 0), layout::kStageSlider);
        s.HSlider(ToQRect(sections.xSlider), cut, 5, 1, 11);
        s.HSlider(ToQRect(sections.ySlider), cut, 8, 1, 11);
    }
    s.Text(QRect(ToQPoint(vorlak::kColorNotePos), QSize(700, 14)),
           "Note: the color of the product in drive is for reference "
           "only,please take real product as criterion, thank you!",
           caption, Qt::AlignLeft | Qt::AlignTop);

    MainButton(s, vorlak::kHelpRect, vorlak::kHelpButtonImages.normal);
    MainButton(s, vorlak::kMinimizeRect, vorlak::kMinimizeButtonImages.hover);
    MainButton(s, vorlak::kCloseRect, vorlak::kCloseButtonImages.normal);
    MainButton(s, vorlak::kConfigRect, vorlak::kConfigButtonImages.normal, "Config", false,
               vorlak::kConfigCaptionIndent);
    MainButton(s, vorlak::kResetRect, vorlak::kActionButtonImages.normal, "Reset");
    MainButton(s, vorlak::kCancelRect, vorlak::kActionButtonImages.hover, "Cancel");
    MainButton(s, vorlak::kApplyRect, vorlak::kActionButtonImages.disabled, "Apply");
    const auto& views = vorlak::kViewButtonImages;
    MainButton(s, vorlak::kTopViewRect, state.sideView ? views.normal : views.pressed, "Top View");
    MainButton(s, vorlak::kSideViewRect, state.sideView ? views.pressed : views.normal,
               "Side View");

    s.Painter().drawImage(layout::kSettingsHost.topLeft(), SettingsColumn(skins, state.hostOpen));
    return image;
}

// ---- dialogs --------------------------------------------------------------------------------

// A painted button of a dialog with its caption.
void DialogButton(Sheet& s, const vorlak::layout::PaintedButtonLayout& button, bool hovered,
                  const QString& caption, int fontHeight) {
    s.Draw(Name(hovered ? button.hover : button.normal), ToQRect(button.rect).topLeft());
    if (!caption.isEmpty())
        s.Text(ToQRect(button.rect), caption, fontHeight, Qt::AlignCenter);
}

QImage KeyDialog(const SkinSet& skins) {
    namespace dialog = layout::key_dialog;
    QImage image = Blank(layout::kKeyDialog);
    Sheet s(skins, image);
    s.Draw(Name(skin::kKeyDialog), {0, 0});
    s.Text(ToQRect(dialog::kPromptRect), "Please assign a key", 14, Qt::AlignCenter);
    s.Painter().fillRect(ToQRect(dialog::kKeyNameRect), Qt::white);
    s.Text(ToQRect(dialog::kKeyNameRect), "F5", 14, Qt::AlignCenter, false, Qt::black);
    DialogButton(s, dialog::kClose, false, {}, 14);
    DialogButton(s, dialog::kOk, true, "Ok", 14);
    DialogButton(s, dialog::kCancel, false, "Cancel", 14);
    return image;
}

QImage MacroKeyDialog(const SkinSet& skins) {
    namespace dialog = layout::picker;
    QImage image = Blank(layout::kMacroKeyDialog);
    Sheet s(skins, image);
    s.Draw(Name(skin::kMacroPicker), {0, 0});
    s.Text(ToQRect(dialog::kPromptRect), "Please select a macro!", 13, Qt::AlignCenter);
    s.Text(ToQRect(dialog::kNameFieldRect), "Macro 1", 13, Qt::AlignLeft | Qt::AlignVCenter);
    const char* modes[] = {"Macro runs one-time after pressing the button.",
                           "Macro runs endless loop until any button is pressed. ",
                           "Macro runs endless loop until button is released. "};
    for (int m = 0; m < dialog::kModes; ++m) {
        s.Draw(Name(m == 1 ? skin::kRadioOn : skin::kRadioOff),
               ToQRect(dialog::ModeMark(m)).topLeft());
        QFont font("Arial");
        font.setPixelSize(13);
        s.Painter().setFont(font);
        s.Painter().setPen(Qt::white);
        s.Painter().drawText(ToQRect(dialog::ModeBox(m)),
                             Qt::AlignLeft | Qt::AlignVCenter | Qt::TextWordWrap, modes[m]);
    }
    DialogButton(s, dialog::kClose, true, {}, 13);
    DialogButton(s, dialog::kOk, false, "OK", 13);
    DialogButton(s, dialog::kCancel, true, "Cancel", 13);
    return image;
}

QImage MacroManager(const SkinSet& skins) {
    namespace dialog = layout::macros;
    QImage image = Blank(layout::kMacroManager);
    Sheet s(skins, image);
    s.Draw(Name(skin::kMacroManager), {0, 0});
    s.Text(ToQRect(dialog::kTitleRect), "Macro Manager", 12, Qt::AlignLeft | Qt::AlignVCenter);
    s.Text(ToQRect(dialog::kMacroHeading), "Select Macro", 12, Qt::AlignCenter);
    s.Text(ToQRect(dialog::kEventHeading), "Keystroke Sequence", 12, Qt::AlignCenter);
    s.Text(ToQRect(dialog::kOptionsHeading), "Options", 12, Qt::AlignCenter);
    QPainter& p = s.Painter();
    const QRect macros = ToQRect(dialog::kMacroListRect);
    const QRect events = ToQRect(dialog::kEventListRect);
    p.fillRect(macros, QColor(109, 109, 109));
    p.fillRect(events, QColor(109, 109, 109));
    s.Text(QRect(macros.topLeft() + QPoint(3, 2), QSize(100, 14)), "Macro 1", 12, Qt::AlignLeft);
    s.Text(QRect(events.topLeft() + QPoint(3, 2), QSize(100, 14)), "A   Dn", 12, Qt::AlignLeft);
    s.Button(Name(skin::kRecordNormal), ToQRect(dialog::kRecordButtonRect), "Start Recording", true,
             0, 14);
    p.setPen(Qt::white);
    p.drawText(ToQRect(dialog::kRecordDelayText), Qt::TextWordWrap,
               "Record delay between keystrokes");
    s.Draw(Name(skin::kCheckBoxOn), ToQRect(dialog::kRecordDelayBox).topLeft());
    s.Text(ToQRect(dialog::kLoopsText), "Number of Loops", 12, Qt::AlignLeft | Qt::AlignVCenter);
    s.Draw(Name(skin::kCheckBoxOff), ToQRect(dialog::kLoopsBox).topLeft());
    p.fillRect(ToQRect(dialog::kLoopFieldRect), QColor(34, 24, 21));
    s.Text(ToQRect(dialog::kLoopFieldRect), "1", 12, Qt::AlignCenter);
    DialogButton(s, dialog::kNew, false, "New", 12);
    DialogButton(s, dialog::kDelete, true, "Delete", 12);
    DialogButton(s, dialog::kOk, false, "OK", 12);
    DialogButton(s, dialog::kCancel, true, "Cancel", 12);
    DialogButton(s, dialog::kClose, false, {}, 12);
    return image;
}

QImage ProfileManager(const SkinSet& skins) {
    namespace dialog = layout::profiles;
    QImage image = Blank(layout::kProfileManager);
    Sheet s(skins, image);
    s.Draw(Name(skin::kProfileManager), {0, 0});
    s.Text(ToQRect(dialog::kTitleRect), "Configuration", 13, Qt::AlignLeft | Qt::AlignVCenter);
    DialogButton(s, dialog::kClose, false, {}, 13);
    const QRect list = ToQRect(dialog::kListRect);
    const QRect row(list.topLeft(), QSize(list.width(), dialog::kRowHeight));
    s.Painter().fillRect(row, tone::kMenuRedHot);
    const int flags = Qt::AlignLeft | Qt::AlignVCenter;
    s.Text(row.adjusted(4, 0, -13, 0), "Profile 1", 13, flags, false, QColor(250, 250, 250));
    s.Text(row.adjusted(4, 0, -13, 0).translated(0, dialog::kRowHeight), "Profile 2", 13, flags,
           false, QColor(250, 250, 250));
    for (const auto& [button, caption] :
         {std::pair{dialog::kNew, "New"}, {dialog::kDelete, "Delete"}}) {
        s.Draw(Name(button.icon), ToQPoint(button.iconAt));
        s.Text(ToQRect(button.caption), caption, 13, flags);
    }
    return image;
}

QImage Dialogs(const SkinSet& skins) {
    QImage image = Blank(QSize(1300, 720), QColor(90, 90, 96));
    QPainter p(&image);
    p.drawImage(QPoint(10, 10), KeyDialog(skins));
    p.drawImage(QPoint(10, 310), MacroKeyDialog(skins));
    p.drawImage(QPoint(420, 10), MacroManager(skins));
    p.drawImage(QPoint(420, 450), skins.Get(Name(skin::kSplash)));
    p.drawImage(QPoint(1020, 10), ProfileManager(skins));
    return image;
}

// Small images enlarged, every state side by side.
QImage Controls(const SkinSet& skins) {
    constexpr int kZoom = 2;
    QImage image = Blank(QSize(1400, 1750), QColor(70, 70, 76));
    QPainter p(&image);
    int x = 10;
    int y = 10;
    int rowHeight = 0;
    for (const auto& [name, picture] : skins.Images()) {
        if (picture.width() > 150 || picture.height() > 130 || name.startsWith("Mouse/")) {
            continue;
        }
        const QSize size = picture.size() * kZoom;
        if (x + size.width() > image.width() - 10) {
            x = 10;
            y += rowHeight + 10;
            rowHeight = 0;
        }
        p.drawImage(QRect(QPoint(x, y), size), picture);
        x += size.width() + 10;
        rowHeight = qMax(rowHeight, size.height());
    }
    return image;
}

void Save(const QImage& image, const QString& path) {
    if (!image.save(path, "PNG")) {
        throw ArtError("cannot write " + path.toStdString());
    }
}

}  // namespace

void WritePreviews(const SkinSet& skins, const QString& folder) {
    QDir().mkpath(folder);
    Save(MainWindow(skins, {false, 1, true, true, {true, false, true, false, false, false}}),
         folder + "/main-top.png");
    Save(MainWindow(skins, {true, 4, false, true, {false, true, false, true, true, true}}),
         folder + "/main-side.png");
    Save(MainWindow(skins, {false, 0, false, false, {false, false, false, false, false, false}}),
         folder + "/main-closed.png");
    Save(Dialogs(skins), folder + "/dialogs.png");
    Save(Controls(skins), folder + "/controls.png");
    for (const bool sideView : {false, true}) {
        for (int lit = 0; lit <= 7; ++lit) {
            const QImage area =
                MainWindow(skins, {sideView, lit, false, false, std::vector<bool>(6, false)})
                    .copy(layout::kMouseArea);
            Save(area.scaled(area.size() * 2, Qt::IgnoreAspectRatio, Qt::SmoothTransformation),
                 folder + (sideView ? "/side-" : "/front-") + QString::number(lit) + ".png");
        }
    }
}

}  // namespace skingen
