#pragma once

#include "platform/MessageBoxes.h"

#include <QStringList>

// Installed by a test in place of the modal box: records what would have been shown and puts
// the previous presenter back when it goes out of scope.
class MessageRecorder
{
public:
    MessageRecorder();
    ~MessageRecorder();
    Q_DISABLE_COPY(MessageRecorder)

    const QStringList& messages() const { return m_messages; }

private:
    QStringList m_messages;
    MessagePresenter m_previous;
};
