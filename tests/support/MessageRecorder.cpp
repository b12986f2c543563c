#include "MessageRecorder.h"

MessageRecorder::MessageRecorder()
    : m_previous(SetMessagePresenter([this](const QString& text) { m_messages.append(text); }))
{
}

MessageRecorder::~MessageRecorder()
{
    SetMessagePresenter(std::move(m_previous));
}
