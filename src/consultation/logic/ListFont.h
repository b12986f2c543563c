#pragma once

#include <QString>

// The text size of the lists for the size box's text, in single precision as the lists keep it:
// "14" -> 14, "12.5" -> 12.5. Zero, meaning the lists take the default size, for a text that is
// not a number or gives a size of 0 or less.
float ListTextSize(const QString& text);
