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

void DrawDpiPanel(Sheet& s, QPoint at) {
    s.Draw("DPISetting/BK_DPISetting.png", at);
    const int codes[] = {4, 9, 19, 29, 39, 54};
    const char* labels[] = {"500", "1000", "2000", "3000", "4000", "6000"};
    const QColor colors[] = {Qt::red, Qt::blue, Qt::green, Qt::yellow, Qt::cyan, Qt::magenta};
    for (int n = 0; n < 6; ++n) {
        const int x = at.x() + layout::kDpiFirstX + layout::kDpiStep * n;
        s.VSlider(QRect(x, at.y() + 3, 7, 169), codes[n], 1, 54);
        const QRect box(x - 8, at.y() + 182, n == 1 ? 33 : 25, 11);
        s.Draw("DPISetting/BK-DPIValue.png", box.topLeft());
        s.Text(box, labels[n], 10, Qt::AlignCenter);
        s.Draw(n == 3 ? "Disable.png" : "Enable.png", QPoint(x, at.y() + 202));
        s.Painter().fillRect(QRect(x, at.y() + 215, 10, 10), colors[n]);
    }
}

void DrawLightingPanel(Sheet& s, QPoint at) {
    s.Draw("Lighting/BK_Lighting.png", at);
    const char* modes[] = {"Standard", "Respiration", "Neon"};
    const QStringList scales[] = {{"0%", "25%", "50%", "75%", "100%"},
                                  {"4S", "5S", "6S", "7S", "8S"},
                                  {"3S", "6S", "9S", "12S", "15S"}};
    const int lefts[][5] = {{0, 25, 55, 85, 115}, {0, 30, 60, 90, 120}, {0, 30, 60, 90, 120}};
    const int positions[] = {2, 2, 4};
    for (int row = 0; row < 3; ++row) {
        const int dy = at.y() + 29 * row;
        s.Draw(row == 0 ? "Enable.png" : "Disable.png", QPoint(at.x() + 10, dy + 20));
        s.Text(QRect(at.x() + 25, dy + 15, 65, 19), modes[row], 11,
               Qt::AlignLeft | Qt::AlignVCenter);
        s.HSlider(QRect(at.x() + 100, dy + 20, 128, 8), QRect(1, 0, 127, 11), positions[row], 1, 6);
        for (int i = 0; i < 5; ++i) {
            s.Text(QRect(at.x() + 100 + lefts[row][i], dy + 33, 30, 15), scales[row][i], 11,
                   Qt::AlignLeft | Qt::AlignVCenter);
        }
    }
}

void DrawDialPanel(Sheet& s, QPoint at, int step) {
    s.Draw("MouseAttribute/BK_MouseAttribute.png", at);
    s.Draw("MouseAttribute/Speed/" + QString::number(step) + ".png", at + QPoint(50, 20));
    s.Text(QRect(at + QPoint(5, 73), QSize(45, 30)), "Slow", 13, Qt::AlignRight | Qt::AlignVCenter);
    s.Text(QRect(at + QPoint(192, 73), QSize(45, 30)), "Fast", 13,
           Qt::AlignLeft | Qt::AlignVCenter);
}

void DrawWheelPanel(Sheet& s, QPoint at) {
    s.Draw("MouseAttribute/BK_ScrollSpeed.png", at);
    s.Draw("MouseAttribute/ScrollSpeed/Enable.png", at + QPoint(5, 17));
    s.Draw("MouseAttribute/ScrollSpeed/Disable.png", at + QPoint(5, 50));
    s.Text(QRect(at + QPoint(24, 14), QSize(132, 16)), "Number of Rows", 13,
           Qt::AlignLeft | Qt::AlignVCenter);
    s.Text(QRect(at + QPoint(24, 50), QSize(132, 12)), "Scroll One screenn", 13,
           Qt::AlignLeft | Qt::AlignVCenter);
    s.Draw("MouseAttribute/ScrollSpeed/ScrollLines.png", at + QPoint(150, 15));
    s.Text(QRect(at + QPoint(150, 15), QSize(36, 14)), "3", 12, Qt::AlignCenter);
}

void DrawPollingPanel(Sheet& s, QPoint at, int rate) {
    s.Draw("USBReportRate/BK_USBReportRate.png", at);
    s.Draw("USBReportRate/" + QString::number(rate) + "HZ.png", at + QPoint(57, 5));
}

// Draws the column with sections open as `open` says, the skinned scroll bar at its right.
QImage SettingsColumn(const SkinSet& skins, const std::vector<bool>& open) {
    QImage image = Blank(layout::kSettingsHost.size());
    Sheet s(skins, image);
    s.Draw("BK_MainRight.png", {0, 0});
    const char* titles[] = {"DPI Setting", "Lighting",           "Polling Rate",
                            "Mouse Speed", "Double-Click Speed", "Scroll Speed"};
    const QSize sizes[] = {layout::kDpiPanel,     layout::kLightingPanel, layout::kPollingPanel,
                           layout::kPointerPanel, layout::kPointerPanel,  layout::kScrollPanel};
    int y = 2;
    for (int k = 0; k < 6; ++k) {
        s.Button("ItemBK.png", QRect(0, y, 242, 20), titles[k], false, 0, 13);
        y += 20;
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
        y += 5;
    }
    // Scroll bar: arrows, tiled track and a thumb with 6-pixel caps.
    const QImage& skin = s.Image("ScrollBar.png");
    const int a = 13;
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

QImage MainWindow(const SkinSet& skins, const MainState& state) {
    QImage image = Blank(layout::kMainWindow);
    Sheet s(skins, image);
    s.Draw("main.png", {0, 0});
    s.Draw("BK_MainMid.png", layout::kMouseArea.topLeft());
    const QString folder = state.sideView ? "Mouse/Side/" : "Mouse/Front/";
    s.Draw(folder + (state.sideView ? "MouseSide.png" : "MouseFront.png"),
           state.sideView ? layout::kSidePictureAt : layout::kFrontPictureAt);
    const auto& overlays = state.sideView ? layout::kSideOverlayAt : layout::kFrontOverlayAt;
    for (int n = 1; n <= 7; ++n) {
        s.Draw(folder + (state.sideView ? "S-" : "F-") + QString::number(n) +
                   (n == state.litOverlay ? "-over.png" : "-normal.png"),
               overlays[static_cast<std::size_t>(n - 1)]);
    }
    s.Draw("BK_MainLeft.png", {0, 0});
    s.Draw("MLogo.png", layout::kMouseLogoAt);
    s.Draw("Logo.png", layout::kLogoAt);

    const int h = layout::kAssignmentPanel.height();
    s.Button("ItemBK.png", QRect(20, 107, 242, 20), "Button Assignment", false);
    int macroTop = 132;
    if (state.assignmentOpen) {
        s.Draw("ButtonAssignment/BK_ButtonAssignment.png", layout::kAssignmentPanelAt);
        const char* labels[] = {"Click", "Menu", "Scroll ", "Back", "Forward", "DPI +", "DPI -"};
        for (int k = 0; k < 14; ++k) {
            const QString caption =
                k < 7 ? QString("Button %1").arg(k + 1) : QString("Shift+%1").arg(k - 6);
            s.Text(layout::Rect(vorlak::CaptionRect(k)), caption, 12, Qt::AlignCenter);
            s.Button(k == 2 ? "ButtonAssignment/DropdownBox-over.png"
                            : "ButtonAssignment/DropdownBox-normal.png",
                     layout::Rect(vorlak::LabelBoxRect(k)), labels[k % 7], false);
        }
        macroTop += h;
    }
    s.Button("ItemBK.png", QRect(20, macroTop, 242, 20), "Macro Manager", false);
    const QRect axis(20, macroTop + 25, 242, 20);
    s.Button("ItemBK.png", axis, "Axis Sensitivity", false);
    if (state.axisOpen) {
        const int b = axis.bottom() + 1;
        s.Draw("XYSensitivity/BK_XYSensSetting.png", {20, b});
        s.Text(QRect(37, b + 5, 225, 20), "x-Axis", 12, Qt::AlignLeft | Qt::AlignVCenter);
        s.Text(QRect(37, b + 65, 225, 20), "y-Axis", 12, Qt::AlignLeft | Qt::AlignVCenter);
        for (int i = 1; i <= 10; ++i) {
            for (const int row : {b + 37, b + 97}) {
                s.Text(QRect(23 + 21 * i, row, 240 - 21 * i, 20), QString::number(i), 12,
                       Qt::AlignLeft | Qt::AlignVCenter);
            }
        }
        s.HSlider(QRect(37, b + 25, 208, 9), QRect(0, 0, 208, 14), 5, 1, 11);
        s.HSlider(QRect(37, b + 85, 208, 9), QRect(0, 0, 208, 14), 8, 1, 11);
    }
    s.Text(QRect(94, 606, 700, 14),
           "Note: the color of the product in drive is for reference "
           "only,please take real product as criterion, thank you!",
           12, Qt::AlignLeft | Qt::AlignTop);

    s.Button("button-help-normal.png", layout::Rect(vorlak::kHelpRect));
    s.Button("button-min-over.png", layout::Rect(vorlak::kMinimizeRect));
    s.Button("button-close-normal.png", layout::Rect(vorlak::kCloseRect));
    s.Button("button-config-normal.png", layout::Rect(vorlak::kConfigRect), "Config", false, 20);
    s.Button("button-cancel-normal.png", layout::Rect(vorlak::kResetRect), "Reset");
    s.Button("button-cancel-over.png", layout::Rect(vorlak::kCancelRect), "Cancel");
    s.Button("button-save-leave.png", layout::Rect(vorlak::kApplyRect), "Apply");
    s.Button(state.sideView ? "button-mouse-normal.png" : "button-mouse-leave.png",
             layout::Rect(vorlak::kTopViewRect), "Top View");
    s.Button(state.sideView ? "button-mouse-leave.png" : "button-mouse-normal.png",
             layout::Rect(vorlak::kSideViewRect), "Side View");

    s.Painter().drawImage(layout::kSettingsHost.topLeft(), SettingsColumn(skins, state.hostOpen));
    return image;
}

// ---- dialogs --------------------------------------------------------------------------------

QImage KeyDialog(const SkinSet& skins) {
    QImage image = Blank(layout::kKeyDialog);
    Sheet s(skins, image);
    s.Draw("single-key.png", {0, 0});
    s.Text(QRect(34, 103, 186, 20), "Please assign a key", 14, Qt::AlignCenter);
    s.Painter().fillRect(QRect(74, 129, 76, 14), Qt::white);
    s.Text(QRect(74, 129, 76, 14), "F5", 14, Qt::AlignCenter, false, Qt::black);
    s.Draw("button-close-normal.png", {352, 6});
    s.Draw("MacroManagement/button-cancel-over.png", {244, 250});
    s.Text(QRect(244, 250, 64, 25), "Ok", 14, Qt::AlignCenter);
    s.Draw("MacroManagement/button-cancel-normal.png", {314, 250});
    s.Text(QRect(314, 250, 64, 25), "Cancel", 14, Qt::AlignCenter);
    return image;
}

QImage MacroKeyDialog(const SkinSet& skins) {
    QImage image = Blank(layout::kMacroKeyDialog);
    Sheet s(skins, image);
    s.Draw("macro-key.png", {0, 0});
    s.Text(QRect(12, 96, 169, 32), "Please select a macro!", 13, Qt::AlignCenter);
    s.Text(QRect(42, 128, 94, 16), "Macro 1", 13, Qt::AlignLeft | Qt::AlignVCenter);
    const char* modes[] = {"Macro runs one-time after pressing the button.",
                           "Macro runs endless loop until any button is pressed. ",
                           "Macro runs endless loop until button is released. "};
    for (int m = 0; m < 3; ++m) {
        s.Draw(m == 1 ? "PaneMakingTick.png" : "Pane.png", QPoint(220, 78 + 50 * m));
        s.Painter().setFont(QFont("Arial"));
        QFont font("Arial");
        font.setPixelSize(13);
        s.Painter().setFont(font);
        s.Painter().setPen(Qt::white);
        s.Painter().drawText(QRect(237, 70 + 50 * m, 153, 32),
                             Qt::AlignLeft | Qt::AlignVCenter | Qt::TextWordWrap, modes[m]);
    }
    s.Draw("button-close-over.png", {352, 6});
    s.Draw("MacroManagement/button-new-normal.png", {250, 250});
    s.Text(QRect(250, 250, 58, 25), "OK", 13, Qt::AlignCenter);
    s.Draw("MacroManagement/button-new-over.png", {314, 250});
    s.Text(QRect(314, 250, 58, 25), "Cancel", 13, Qt::AlignCenter);
    return image;
}

QImage MacroManager(const SkinSet& skins) {
    QImage image = Blank(layout::kMacroManager);
    Sheet s(skins, image);
    s.Draw("MacroManagement/MacroManagement.png", {0, 0});
    s.Text(QRect(15, 0, 399, 31), "Macro Manager", 12, Qt::AlignLeft | Qt::AlignVCenter);
    s.Text(QRect(16, 60, 118, 18), "Select Macro", 12, Qt::AlignCenter);
    s.Text(QRect(148, 60, 118, 18), "Keystroke Sequence", 12, Qt::AlignCenter);
    s.Text(QRect(279, 60, 118, 18), "Options", 12, Qt::AlignCenter);
    QPainter& p = s.Painter();
    p.fillRect(QRect(21, 82, 109, 271), QColor(109, 109, 109));
    p.fillRect(QRect(153, 82, 109, 271), QColor(109, 109, 109));
    s.Text(QRect(24, 84, 100, 14), "Macro 1", 12, Qt::AlignLeft);
    s.Text(QRect(156, 84, 100, 14), "A   Dn", 12, Qt::AlignLeft);
    s.Button("MacroManagement/Record-normal.png", QRect(295, 87, 89, 24), "Start Recording", true,
             0, 14);
    p.setPen(Qt::white);
    p.drawText(QRect(290, 136, 80, 70), Qt::TextWordWrap, "Record delay between keystrokes");
    s.Draw("MacroManagement/PaneMakingTick.png", {370, 144});
    s.Text(QRect(296, 299, 105, 15), "Number of Loops", 12, Qt::AlignLeft | Qt::AlignVCenter);
    s.Draw("MacroManagement/Pane.png", {296, 314});
    p.fillRect(QRect(298, 333, 81, 12), QColor(34, 24, 21));
    s.Text(QRect(298, 333, 81, 12), "1", 12, Qt::AlignCenter);
    s.Draw("MacroManagement/button-new-normal.png", {17, 367});
    s.Text(QRect(17, 367, 58, 25), "New", 12, Qt::AlignCenter);
    s.Draw("MacroManagement/button-new-over.png", {77, 367});
    s.Text(QRect(77, 367, 58, 25), "Delete", 12, Qt::AlignCenter);
    s.Draw("MacroManagement/button-cancel-normal.png", {298, 394});
    s.Text(QRect(298, 394, 54, 28), "OK", 12, Qt::AlignCenter);
    s.Draw("MacroManagement/button-cancel-over.png", {354, 394});
    s.Text(QRect(354, 394, 54, 28), "Cancel", 12, Qt::AlignCenter);
    s.Draw("macro-button-close-normal.png", {427, 17});
    return image;
}

QImage ProfileManager(const SkinSet& skins) {
    QImage image = Blank(layout::kProfileManager);
    Sheet s(skins, image);
    s.Draw("Config/Config.png", {0, 0});
    s.Text(QRect(10, 0, 70, 31), "Configuration", 13, Qt::AlignLeft | Qt::AlignVCenter);
    s.Draw("button-close-normal.png", {240, 8});
    s.Painter().fillRect(QRect(0, 31, 263, 18), tone::kMenuRedHot);
    s.Text(QRect(4, 31, 250, 18), "Profile 1", 13, Qt::AlignLeft | Qt::AlignVCenter, false,
           QColor(250, 250, 250));
    s.Text(QRect(4, 49, 250, 18), "Profile 2", 13, Qt::AlignLeft | Qt::AlignVCenter, false,
           QColor(250, 250, 250));
    s.Draw("Config/New-Config.png", {14, 582});
    s.Text(QRect(30, 575, 50, 23), "New", 13, Qt::AlignLeft | Qt::AlignVCenter);
    s.Draw("Config/Del-Config.png", {124, 582});
    s.Text(QRect(140, 575, 50, 23), "Delete", 13, Qt::AlignLeft | Qt::AlignVCenter);
    return image;
}

QImage Dialogs(const SkinSet& skins) {
    QImage image = Blank(QSize(1300, 720), QColor(90, 90, 96));
    QPainter p(&image);
    p.drawImage(QPoint(10, 10), KeyDialog(skins));
    p.drawImage(QPoint(10, 310), MacroKeyDialog(skins));
    p.drawImage(QPoint(420, 10), MacroManager(skins));
    p.drawImage(QPoint(420, 450), skins.Get("splash.png"));
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
