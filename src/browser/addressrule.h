#pragma once

#include <QString>

// What the address bar makes of typed text before a page is asked to load it. Free of
// any widget, so the rule can be checked and fuzzed on its own.
namespace AddressRule {

// Longer addresses are refused with a message: no server takes them, and a page that
// never appears tells the user nothing.
constexpr qsizetype MaxLength = 64 * 1024;

// "http://" goes in front unless the text already starts with http://, https:// or
// ftp:// in any letter case. Empty text stays empty.
QString withScheme(const QString &typed);

bool isTooLong(const QString &address);

} // namespace AddressRule
