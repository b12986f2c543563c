#include "platform/MessageBoxes.h"

#include <QtDebug>

namespace {

MessagePresenter& InstalledPresenter()
{
    static MessagePresenter presenter;
    return presenter;
}

} // namespace

void MsgBox(const QString& text)
{
    const MessagePresenter& presenter = InstalledPresenter();
    if (presenter)
        presenter(text);
    else
        qWarning().noquote() << text;
}

MessagePresenter SetMessagePresenter(MessagePresenter presenter)
{
    MessagePresenter previous = std::move(InstalledPresenter());
    InstalledPresenter() = std::move(presenter);
    return previous;
}

HeldBackMessages::HeldBackMessages()
    : m_presenter(SetMessagePresenter([this](const QString& text) { m_held.append(text); }))
{
}

HeldBackMessages::~HeldBackMessages()
{
    SetMessagePresenter(std::move(m_presenter));
    for (const QString& text : std::as_const(m_held))
        MsgBox(text);
}
