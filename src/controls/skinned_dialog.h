// SPDX-License-Identifier: GPL-3.0-or-later
// What the skinned dialogs share (the key capture dialog, the macro picker and the macro
// manager, and the profile manager, a child window over the main window): the background image
// that gives the window its size, the buttons it paints itself from their images with the one
// under the pointer in its hover image, the dispatch of a left press to a button or to the
// dialog's own areas, and the move by a drag on a free spot. The dialog paints itself in its
// own order with PaintBackground and PaintButtons; its keys go through a DialogKeyFilter.
#pragma once

#include <QColor>
#include <QDialog>
#include <QFont>
#include <QImage>
#include <QWidget>

#include <filesystem>
#include <initializer_list>
#include <string_view>
#include <vector>

#include "controls/painted_button.h"
#include "controls/window_mover.h"
#include "skin/dialog_layout.h"
#include "skin/skin_geometry.h"

namespace vorlak {

// How a skinned window looks before its own parts: its background image (named inside the
// Skins folder), the size and colour that stand in where the image is missing, and whether a
// drag on a free spot moves it.
struct SkinnedLook {
    std::string_view background;
    PixelSize fallbackSize;
    QColor fallbackColor;
    bool movable = false;
};

template <class Window>
class Skinned : public Window {
public:
    // A painted button by its index (the dialog's own numbering), and the one under the
    // pointer (-1 for none).
    const PaintedButton& ButtonOf(int button) const {
        return buttons_[static_cast<std::size_t>(button)];
    }
    int Hovered() const { return hovered_; }
    // The font a button's caption is drawn in, fitted to the button.
    FittedFont CaptionFont(int button) const;

protected:
    Skinned(std::filesystem::path programFolder, const SkinnedLook& look, QWidget* parent,
            Qt::WindowFlags flags = {});

    const std::filesystem::path& ProgramFolder() const { return programFolder_; }
    bool HasBackground() const { return !background_.isNull(); }
    // The painted buttons in the order of their indices, without captions.
    void SetButtons(std::initializer_list<layout::PaintedButtonLayout> buttons);
    void SetCaption(int button, const QString& caption);
    // The font of the captions, before each is fitted to its button.
    void SetCaptionFont(const QFont& font) { captionFont_ = font; }
    // The background image, or the fallback colour where it is missing.
    void PaintBackground(QPainter& painter) const;
    // Every painted button, the hovered one in its hover image; captions in the painter's pen.
    void PaintButtons(QPainter& painter) const;
    // A left press at a point, on the painted button `button` (-1 for none): true when the
    // dialog took it. A press it leaves, on a movable dialog, may begin a move.
    virtual bool Pressed(const QPoint& at, int button) = 0;

    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    void SetHovered(int button);

    std::filesystem::path programFolder_;
    QImage background_;
    QColor fallbackColor_;
    bool movable_;
    std::vector<PaintedButton> buttons_;
    QFont captionFont_;
    int hovered_ = -1;
    WindowMover mover_;
};

// The modal dialogs.
using SkinnedDialog = Skinned<QDialog>;

extern template class Skinned<QDialog>;
extern template class Skinned<QWidget>;

}  // namespace vorlak
