#include "MessageBoxes.h"

#include <QtDebug>

namespace {

MessagePresenter& installedPresenter()
{
    static MessagePresenter presenter;
    return presenter;
}

} // namespace

void MsgBox(const QString& text)
{
    const MessagePresenter& presenter = installedPresenter();
    if (presenter)
        presenter(text);
    else
        qWarning().noquote() << text;
}

MessagePresenter SetMessagePresenter(MessagePresenter presenter)
{
    MessagePresenter previous = std::move(installedPresenter());
    installedPresenter() = std::move(presenter);
    return previous;
}
