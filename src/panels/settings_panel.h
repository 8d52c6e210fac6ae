// SPDX-License-Identifier: GPL-3.0-or-later
// What the settings column's panels share: the record editor they edit through, the texts and
// fonts of the language, and their background image, which gives each panel its size and is
// painted first on every paint.
#pragma once

#include <QFont>
#include <QString>
#include <QWidget>

#include <array>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "controller/record_editor.h"
#include "text/ui_text.h"

namespace vorlak {

// Asks the user for a colour (modal, owned by `owner`'s window); nothing when cancelled.
using ColorChooser = std::function<std::optional<std::array<Byte, 3>>(QWidget* owner)>;

struct PanelContext {
    std::filesystem::path programFolder;
    std::string languageCode;
    const UiTextTable& text;
    RecordEditor& editor;
    // The DPI panel's colour chooser; the toolkit's colour dialog when empty.
    ColorChooser chooseColor;
};

class SettingsPanel : public QWidget {
    Q_OBJECT

public:
    // A hidden child as large as its background image (0 x 0 when the image is missing), named
    // inside the Skins folder. `part` is what the panel shows of the record.
    SettingsPanel(const PanelContext& context, RecordPart part, std::string_view background,
                  QWidget* parent);

    // Shows the record again after it was replaced; this one repaints.
    virtual void RefreshFromConfig();
    // A change of the record: the panel repaints when it shows that part.
    virtual void OnRecordChange(const RecordChange& change);

protected:
    bool Shows(const RecordChange& change) const { return change.part == part_; }
    const PanelContext& Context() const { return context_; }
    RecordEditor& Editor() const { return context_.editor; }
    const MouseConfig& Record() const { return context_.editor.Record(); }
    const UiTextTable& Text() const { return context_.text; }
    // The language's face ("黑体" for Chinese, else "Arial") at a cell height in pixels.
    QFont PanelFont(int pixelHeight) const;
    // A skin image, named inside the Skins folder, drawn alpha-blended at its natural size.
    void DrawImage(QPainter& painter, std::string_view name, int x, int y) const;

    void paintEvent(QPaintEvent* event) override;
    // Paints the panel's own images and texts over its background.
    virtual void PaintPanel(QPainter& painter) = 0;

private:
    const PanelContext& context_;
    RecordPart part_;
    std::string background_;
};

// One line of text, white, in `rect` with `flags` (alignment), as the panels draw their labels;
// a text wider than the rectangle (German runs long) is drawn in a smaller size of the
// painter's font until it fits, down to the legible floor (FitToWidth).
void DrawPanelText(QPainter& painter, const QRect& rect, int flags, const QString& text);

// The text of a table item at the UI edge.
QString PanelText(const std::string& item);

}  // namespace vorlak
