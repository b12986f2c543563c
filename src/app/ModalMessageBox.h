#pragma once

#include <QString>

// Shows text in a modal message box and returns when the user has dismissed it.
void ShowModalMessage(const QString& text);
