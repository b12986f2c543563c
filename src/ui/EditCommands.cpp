#include "ui/EditCommands.h"

#include "ui/CopyingList.h"

#include <QAbstractItemView>
#include <QClipboard>
#include <QComboBox>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QKeySequence>
#include <QLineEdit>

namespace {

QKeySequence::StandardKey StandardKey(EditCommand command)
{
    switch (command) {
    case EditCommand::Undo:
        return QKeySequence::Undo;
    case EditCommand::Cut:
        return QKeySequence::Cut;
    case EditCommand::Copy:
        return QKeySequence::Copy;
    case EditCommand::Paste:
        return QKeySequence::Paste;
    case EditCommand::Clear:
        return QKeySequence::Delete;
    case EditCommand::SelectAll:
        break;
    }
    return QKeySequence::SelectAll;
}

// The text that the widget edits: a text field's own, or an editable combo box's.
const QLineEdit* TextFieldOf(const QWidget* widget)
{
    if (const auto* field = qobject_cast<const QLineEdit*>(widget))
        return field;
    if (const auto* box = qobject_cast<const QComboBox*>(widget))
        return box->lineEdit();
    return nullptr;
}

bool CanEditText(const QLineEdit& field, EditCommand command)
{
    const bool writable = !field.isReadOnly();
    // A hidden text is never handed to the clipboard.
    const bool shown = field.echoMode() == QLineEdit::Normal;
    switch (command) {
    case EditCommand::Undo:
        return writable && field.isUndoAvailable();
    case EditCommand::Cut:
        return writable && shown && field.hasSelectedText();
    case EditCommand::Copy:
        return shown && field.hasSelectedText();
    case EditCommand::Paste:
        return writable && !QGuiApplication::clipboard()->text().isEmpty();
    case EditCommand::Clear:
        return writable
               && (field.hasSelectedText() || field.cursorPosition() < field.text().size());
    case EditCommand::SelectAll:
        return !field.text().isEmpty();
    }
    return false;
}

bool CanEditList(const QAbstractItemView& list, EditCommand command)
{
    const QAbstractItemModel* model = list.model();
    switch (command) {
    case EditCommand::SelectAll:
        return (list.selectionMode() == QAbstractItemView::ExtendedSelection
                || list.selectionMode() == QAbstractItemView::MultiSelection)
               && model && model->rowCount(list.rootIndex()) > 0;
    case EditCommand::Copy:
        if (qobject_cast<const CopyingList*>(&list))
            return list.selectionModel() && list.selectionModel()->hasSelection();
        return list.currentIndex().isValid();
    default:
        return false;
    }
}

} // namespace

bool CanEdit(const QWidget* focused, EditCommand command)
{
    if (const QLineEdit* field = TextFieldOf(focused))
        return CanEditText(*field, command);
    if (const auto* list = qobject_cast<const QAbstractItemView*>(focused))
        return CanEditList(*list, command);
    return false;
}

void SendEditKey(QWidget* focused, EditCommand command)
{
    if (!focused)
        return;
    const QKeySequence keys = QKeySequence::keyBindings(StandardKey(command)).value(0);
    if (keys.isEmpty())
        return;
    const QKeyCombination key = keys[0];
    // Straight to the widget: sent through the application, a key press first looks for a
    // shortcut and would find the Edit item that is sending it.
    QObject* receiver = focused;
    QKeyEvent press(QEvent::KeyPress, key.key(), key.keyboardModifiers());
    receiver->event(&press);
    QKeyEvent release(QEvent::KeyRelease, key.key(), key.keyboardModifiers());
    receiver->event(&release);
}
