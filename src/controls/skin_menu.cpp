// SPDX-License-Identifier: GPL-3.0-or-later
#include "controls/skin_menu.h"

#include <QApplication>
#include <QPainter>
#include <QPointer>
#include <QStyleFactory>
#include <QStyleOptionMenuItem>

#include <algorithm>

#include "controls/menu_frame_look.h"

namespace vorlak {

namespace {

constexpr int kSeparatorHeight = 5;

// The style of every SkinMenu: the frame of all menus, and items measured and drawn by the menu
// that owns them. The option of an item carries its action (see SkinMenu::initStyleOption).
class SkinMenuStyle : public MenuFrameStyle {
public:
    SkinMenuStyle() : MenuFrameStyle(QStyleFactory::create(QStringLiteral("Fusion"))) {}

    static SkinMenuStyle* Shared() {
        static QPointer<SkinMenuStyle> shared;
        if (!shared) {
            shared = new SkinMenuStyle;
            shared->setParent(qApp);
        }
        return shared;
    }

    QSize sizeFromContents(ContentsType type, const QStyleOption* option, const QSize& size,
                           const QWidget* widget) const override {
        const SkinMenu* menu = qobject_cast<const SkinMenu*>(widget);
        if (type == CT_MenuItem && menu)
            return menu->MeasureItem(SkinMenu::IdOf(ActionOf(option)));
        return MenuFrameStyle::sizeFromContents(type, option, size, widget);
    }

    void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget) const override {
        const SkinMenu* menu = qobject_cast<const SkinMenu*>(widget);
        if (element == CE_MenuItem && menu)
            menu->DrawItem(*painter, option->rect, SkinMenu::IdOf(ActionOf(option)),
                           option->state & State_Selected);
        else
            MenuFrameStyle::drawControl(element, option, painter, widget);
    }

    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget) const override {
        const SkinMenu* menu = qobject_cast<const SkinMenu*>(widget);
        if (element == PE_PanelMenu && menu)
            painter->fillRect(option->rect, menu->ItemColours().background);
        else
            MenuFrameStyle::drawPrimitive(element, option, painter, widget);
    }

    int pixelMetric(PixelMetric metric, const QStyleOption* option,
                    const QWidget* widget) const override {
        if ((metric == PM_MenuHMargin || metric == PM_MenuVMargin) &&
            qobject_cast<const SkinMenu*>(widget))
            return 0;
        return MenuFrameStyle::pixelMetric(metric, option, widget);
    }

private:
    static const QAction* ActionOf(const QStyleOption* option) {
        return option ? qobject_cast<const QAction*>(option->styleObject) : nullptr;
    }
};

}  // namespace

SkinMenu::SkinMenu(std::optional<QFont> font, QWidget* parent) : QMenu(parent) {
    if (font)
        setFont(*font);
    setSeparatorsCollapsible(false);
    setStyle(SkinMenuStyle::Shared());
    connect(this, &QMenu::triggered, this, [this](QAction* action) {
        if (action->data().isValid())
            emit CommandChosen(static_cast<int>(IdOf(action)));
    });
}

void SkinMenu::AppendItem(int id, const QString& text, QMenu* submenu) {
    QString actionText = text;
    QAction* action = addAction(actionText.replace(QLatin1Char('&'), QStringLiteral("&&")));
    const MenuItemList::Id itemId =
        submenu ? reinterpret_cast<MenuItemList::Id>(submenu) : static_cast<MenuItemList::Id>(id);
    action->setData(QVariant::fromValue<qulonglong>(itemId));
    action->setSeparator(!submenu && itemId == kSeparatorId);
    if (submenu)
        action->setMenu(submenu);
    items_.Append(itemId, text);
    Relayout();
}

int SkinMenu::Show(const QPoint& screenPoint) {
    const QAction* chosen = exec(screenPoint);
    return chosen ? static_cast<int>(IdOf(chosen)) : 0;
}

void SkinMenu::SetWidth(int minimumWidth) {
    minimumWidth_ = minimumWidth;
    Relayout();
}

int SkinMenu::WidthFor(const QString& text) const {
    return leftMargin_ + kTextLeft + fontMetrics().horizontalAdvance(text) + kTextRight +
           rightMargin_;
}

void SkinMenu::SetItemHeight(int height) {
    itemHeight_ = height;
    Relayout();
}

void SkinMenu::SetMargins(int left, int right) {
    leftMargin_ = left;
    rightMargin_ = right;
    Relayout();
}

void SkinMenu::SetItemColours(const Colours& colours) {
    colours_ = colours;
    update();
}

QSize SkinMenu::MeasureItem(MenuItemList::Id id) const {
    if (id == kSeparatorId)
        return {width_, kSeparatorHeight};
    return {width_, id == kHiddenItemId ? 0 : itemHeight_ + 2};
}

void SkinMenu::DrawItem(QPainter& painter, const QRect& rect, MenuItemList::Id id,
                        bool highlighted) const {
    painter.save();
    if (id == kSeparatorId) {
        painter.fillRect(rect, colours_.background);
        painter.setPen(colours_.separator);
        const int middle = rect.top() + rect.height() / 2;
        painter.drawLine(rect.left(), middle, rect.right(), middle);
    } else {
        painter.fillRect(rect, highlighted ? colours_.selectedBackground : colours_.background);
        painter.setPen(highlighted ? colours_.selectedText : colours_.text);
        painter.setFont(font());
        const int textHeight = painter.fontMetrics().height();
        const QRect line(rect.left() + kTextLeft, rect.top() + (rect.height() - textHeight) / 2,
                         rect.width() - kTextLeft, textHeight);
        painter.drawText(line, Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine,
                         items_.TextOf(id));
    }
    painter.restore();
}

MenuItemList::Id SkinMenu::IdOf(const QAction* action) {
    return action ? static_cast<MenuItemList::Id>(action->data().toULongLong()) : kSeparatorId;
}

void SkinMenu::initStyleOption(QStyleOptionMenuItem* option, const QAction* action) const {
    QMenu::initStyleOption(option, action);
    // Hands the item's identity to the style, which asks this menu to measure and draw it.
    option->styleObject = const_cast<QAction*>(action);
}

void SkinMenu::Relayout() {
    width_ = minimumWidth_;
    for (const MenuItemList::Entry& item : items_.Entries()) {
        if (item.id != kSeparatorId && item.id != kHiddenItemId)
            width_ = std::max(width_, WidthFor(item.text));
    }
    // QMenu lays its items out again after a style change.
    QEvent change(QEvent::StyleChange);
    changeEvent(&change);
}

}  // namespace vorlak
