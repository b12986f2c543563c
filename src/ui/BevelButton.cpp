#include "ui/BevelButton.h"

#include <QAction>
#include <QMenu>

BevelButton::BevelButton(QWidget* parent) : QToolButton(parent)
{
    setToolButtonStyle(Qt::ToolButtonTextOnly);
    connect(this, &QToolButton::clicked, this, [this] {
        if (!HasMenu())
            emit Action(this);
    });
}

void BevelButton::setHasMenu(bool hasMenu)
{
    if (hasMenu == HasMenu())
        return;
    if (hasMenu) {
        setMenu(new QMenu(this));
        setPopupMode(QToolButton::InstantPopup);
    } else {
        delete menu();
        setMenu(nullptr);
        setPopupMode(QToolButton::DelayedPopup);
    }
}

bool BevelButton::HasMenu() const
{
    return menu() != nullptr;
}

void BevelButton::AddRow(const QString& text)
{
    if (!menu())
        return;
    const int row = static_cast<int>(menu()->actions().size());
    connect(menu()->addAction(text), &QAction::triggered, this, [this, row] { chooseRow(row); });
}

int BevelButton::MenuValue() const
{
    return m_menuValue;
}

void BevelButton::setMenuValue(int value)
{
    m_menuValue = value;
}

void BevelButton::chooseRow(int row)
{
    m_menuValue = row;
    emit Action(this);
}
