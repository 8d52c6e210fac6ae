// SPDX-License-Identifier: GPL-3.0-or-later
#include "controls/ex_menu.h"

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
constexpr int kTextLeft = 2;

// The style of every CExMenu: the frame of all menus, and items measured and drawn by the menu
// that owns them. The option of an item carries its action (see CExMenu::initStyleOption).
class ExMenuStyle : public MenuFrameStyle {
public:
    ExMenuStyle() : MenuFrameStyle(QStyleFactory::create(QStringLiteral("Fusion"))) {}

    static ExMenuStyle* Shared() {
        static QPointer<ExMenuStyle> shared;
        if (!shared) {
            shared = new ExMenuStyle;
            shared->setParent(qApp);
        }
        return shared;
    }

    QSize sizeFromContents(ContentsType type, const QStyleOption* option, const QSize& size,
                           const QWidget* widget) const override {
        const CExMenu* menu = qobject_cast<const CExMenu*>(widget);
        if (type == CT_MenuItem && menu)
            return menu->MeasureItem(CExMenu::IdOf(ActionOf(option)));
        return MenuFrameStyle::sizeFromContents(type, option, size, widget);
    }

    void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget) const override {
        const CExMenu* menu = qobject_cast<const CExMenu*>(widget);
        if (element == CE_MenuItem && menu)
            menu->DrawItem(*painter, option->rect, CExMenu::IdOf(ActionOf(option)),
                           option->state & State_Selected);
        else
            MenuFrameStyle::drawControl(element, option, painter, widget);
    }

    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget) const override {
        const CExMenu* menu = qobject_cast<const CExMenu*>(widget);
        if (element == PE_PanelMenu && menu)
            painter->fillRect(option->rect, menu->ItemColours().background);
        else
            MenuFrameStyle::drawPrimitive(element, option, painter, widget);
    }

    int pixelMetric(PixelMetric metric, const QStyleOption* option,
                    const QWidget* widget) const override {
        if ((metric == PM_MenuHMargin || metric == PM_MenuVMargin) &&
            qobject_cast<const CExMenu*>(widget))
            return 0;
        return MenuFrameStyle::pixelMetric(metric, option, widget);
    }

private:
    static const QAction* ActionOf(const QStyleOption* option) {
        return option ? qobject_cast<const QAction*>(option->styleObject) : nullptr;
    }
};

}  // namespace

CExMenu::CExMenu(std::optional<QFont> font, QWidget* parent) : QMenu(parent) {
    if (font)
        setFont(*font);
    setSeparatorsCollapsible(false);
    setStyle(ExMenuStyle::Shared());
    connect(this, &QMenu::triggered, this, [this](QAction* action) {
        if (action->data().isValid())
            emit CommandChosen(static_cast<int>(IdOf(action)));
    });
}

void CExMenu::AppendItem(int id, const QString& text, QMenu* submenu) {
    QString actionText = text;
    QAction* action = addAction(actionText.replace(QLatin1Char('&'), QStringLiteral("&&")));
    const CMenuItemList::Id itemId =
        submenu ? reinterpret_cast<CMenuItemList::Id>(submenu) : static_cast<CMenuItemList::Id>(id);
    action->setData(QVariant::fromValue<qulonglong>(itemId));
    action->setSeparator(!submenu && itemId == kSeparatorId);
    if (submenu)
        action->setMenu(submenu);
    items_.Append(itemId, text);
    width_ = std::max(
        width_, leftMargin_ + rightMargin_ + kPixelsPerCharacter * static_cast<int>(text.size()));
    Relayout();
}

int CExMenu::Show(const QPoint& screenPoint) {
    const QAction* chosen = exec(screenPoint);
    return chosen ? static_cast<int>(IdOf(chosen)) : 0;
}

void CExMenu::SetWidth(int width) {
    width_ = width;
    Relayout();
}

void CExMenu::SetItemHeight(int height) {
    itemHeight_ = height;
    Relayout();
}

void CExMenu::SetMargins(int left, int right) {
    leftMargin_ = left;
    rightMargin_ = right;
}

void CExMenu::SetItemColours(const Colours& colours) {
    colours_ = colours;
    update();
}

QSize CExMenu::MeasureItem(CMenuItemList::Id id) const {
    if (id == kSeparatorId)
        return {width_, kSeparatorHeight};
    return {width_, id == kHiddenItemId ? 0 : itemHeight_ + 2};
}

void CExMenu::DrawItem(QPainter& painter, const QRect& rect, CMenuItemList::Id id,
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

CMenuItemList::Id CExMenu::IdOf(const QAction* action) {
    return action ? static_cast<CMenuItemList::Id>(action->data().toULongLong()) : kSeparatorId;
}

void CExMenu::initStyleOption(QStyleOptionMenuItem* option, const QAction* action) const {
    QMenu::initStyleOption(option, action);
    // Hands the item's identity to the style, which asks this menu to measure and draw it.
    option->styleObject = const_cast<QAction*>(action);
}

void CExMenu::Relayout() {
    // QMenu lays its items out again after a style change.
    QEvent change(QEvent::StyleChange);
    changeEvent(&change);
}

}  // namespace vorlak
