#pragma once

#include <QString>
#include <QStringList>
#include <functional>

// Shows a message the user must see. The application installs a modal box; until something is
// installed the text goes to the diagnostic log.
void MsgBox(const QString& text);

using MessagePresenter = std::function<void(const QString& text)>;

// Installs presenter and returns the one it replaces.
MessagePresenter SetMessagePresenter(MessagePresenter presenter);

// Keeps back the messages asked for while it lives and shows them, in order, when it ends: for
// work that holds what other processes wait for, which a message waiting for its answer would
// hold on to. Declared before what it must outlive, so that is let go before any message shows.
class HeldBackMessages
{
public:
    HeldBackMessages();
    ~HeldBackMessages();
    HeldBackMessages(const HeldBackMessages&) = delete;
    HeldBackMessages& operator=(const HeldBackMessages&) = delete;

private:
    QStringList m_held;
    MessagePresenter m_presenter;
};
