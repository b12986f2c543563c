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

// Installed by a test in place of the modal box: records what would have been shown and puts
// the previous presenter back when it goes out of scope.
class MessageRecorder
{
public:
    MessageRecorder();
    ~MessageRecorder();
    MessageRecorder(const MessageRecorder&) = delete;
    MessageRecorder& operator=(const MessageRecorder&) = delete;

    const QStringList& messages() const { return m_messages; }

private:
    QStringList m_messages;
    MessagePresenter m_previous;
};
