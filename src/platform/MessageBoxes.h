#pragma once

#include <QString>
#include <functional>

// Shows a message the user must see. The application installs a modal box; until something is
// installed the text goes to the diagnostic log.
void MsgBox(const QString& text);

using MessagePresenter = std::function<void(const QString& text)>;

// Installs presenter and returns the one it replaces.
MessagePresenter SetMessagePresenter(MessagePresenter presenter);
