#pragma once

class QWidget;

// The commands of the Edit menu. Each is done by sending the focused widget the standard key of
// the command, so a text field, an editable combo box and a list each do what they do for that
// key themselves.
enum class EditCommand { Undo, Cut, Copy, Paste, Clear, SelectAll };

// Whether the command's key would do anything in focused (nullptr for no focused widget): a text
// field undoes, cuts, copies, pastes, deletes and selects all as its text, selection and
// clipboard allow; a list selects all rows when it takes several, and copies its current cell, or
// for a CopyingList its selected rows.
bool CanEdit(const QWidget* focused, EditCommand command);

// Sends focused the press and release of the command's standard key.
void SendEditKey(QWidget* focused, EditCommand command);
