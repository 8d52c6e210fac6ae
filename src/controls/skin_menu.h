// SPDX-License-Identifier: GPL-3.0-or-later
// The skinned popup menu: every item drawn in the skin colours, as wide as its widest item and
// at least its owner's width, no check marks and no submenu arrows, inside the three-ring
// frame.
#pragma once

#include <QColor>
#include <QFont>
#include <QMenu>

#include <optional>

#include "controls/menu_item_list.h"

namespace vorlak {

class SkinMenu : public QMenu {
    Q_OBJECT

public:
    // Command id of a separator line, and of an item that takes no room at all.
    static constexpr MenuItemList::Id kSeparatorId = 0;
    static constexpr MenuItemList::Id kHiddenItemId = 1;
    // An item's text begins this far from the item's left and ends at least this far from its
    // right.
    static constexpr int kTextLeft = 2;
    static constexpr int kTextRight = 6;

    struct Colours {
        QColor background{111, 41, 41};
        QColor selectedBackground{143, 32, 32};
        QColor separator{111, 41, 41};
        QColor text{255, 255, 255};
        QColor selectedText{255, 255, 255};
    };

    // Item texts use `font` when given, else the menu's own font.
    explicit SkinMenu(std::optional<QFont> font = std::nullopt, QWidget* parent = nullptr);

    // Appends an item that sends `id`, or, with a submenu, opens that submenu (which the caller
    // keeps alive while this menu is shown). Widens the menu to the margins and the item's
    // text in the menu's font.
    void AppendItem(int id, const QString& text, QMenu* submenu = nullptr);

    // Shows the menu at a screen point and waits until it closes. Returns the command id of the
    // chosen item (also from a submenu), or 0 when nothing was chosen.
    int Show(const QPoint& screenPoint);

    // The width of every item: the owner's width, or more where an item's text needs it.
    int Width() const { return width_; }
    void SetWidth(int minimumWidth);
    // The width an item's text takes with the margins around it.
    int WidthFor(const QString& text) const;
    int ItemHeight() const { return itemHeight_; }
    void SetItemHeight(int height);
    void SetMargins(int left, int right);
    const Colours& ItemColours() const { return colours_; }
    void SetItemColours(const Colours& colours);
    const MenuItemList& Items() const { return items_; }

    // The size of the item with this id: 5 pixels high for a separator, 0 for id 1, item height
    // + 2 for every other item; always the menu's width wide.
    virtual QSize MeasureItem(MenuItemList::Id id) const;
    // Paints the item with this id into its rectangle.
    virtual void DrawItem(QPainter& painter, const QRect& rect, MenuItemList::Id id,
                          bool highlighted) const;

    // The item id an action of this menu carries.
    static MenuItemList::Id IdOf(const QAction* action);

signals:
    // The command id of a chosen item of this menu or of one of its submenus.
    void CommandChosen(int id);

protected:
    void initStyleOption(QStyleOptionMenuItem* option, const QAction* action) const override;

private:
    void Relayout();

    int itemHeight_ = 18;
    int minimumWidth_ = 0;
    int width_ = 0;
    int leftMargin_ = 0;
    int rightMargin_ = 0;
    Colours colours_;
    MenuItemList items_;
};

}  // namespace vorlak
