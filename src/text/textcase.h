#pragma once

#include <QString>

namespace TextCase {

// First letter of each word upper case, the rest lower case; words are separated by
// blanks, tabs and line breaks.
QString proper(const QString &text);

} // namespace TextCase
