#pragma once

#include <QString>
#include <QToolButton>

class QMenu;

// A button that raises Action. With a drop-down menu, a click opens the menu, and choosing one of
// its rows records the row in MenuValue and then raises Action; without a menu, a click raises
// Action.
class BevelButton : public QToolButton
{
    Q_OBJECT

public:
    explicit BevelButton(QWidget* parent = nullptr);

    // Gives the button its (still empty) drop-down menu.
    void setHasMenu(bool hasMenu);
    bool HasMenu() const;

    // Appends a row to the drop-down menu; a button without a menu ignores it.
    void AddRow(const QString& text);

    // Index of the menu row chosen last, 0 until one is chosen.
    int MenuValue() const;
    void setMenuValue(int value);

signals:
    void Action(BevelButton* sender);

private:
    void chooseRow(int row);

    int m_menuValue = 0;
};
