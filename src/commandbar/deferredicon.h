#pragma once

#include <QIcon>
#include <functional>

// An icon whose picture files are read when it is first drawn or asked about, not when it
// is made. The main window holds some two hundred pictures, most of them in menus that a
// session may never open; reading them all would delay the first page.
namespace DeferredIcon {

// The loader runs at most once per icon (and once more per detached copy) and must
// return the same icon each time. Whether the icon is null is the loaded icon's answer;
// knownToExist answers "not null" without reading, for files the caller has seen, so that
// laying out a bar does not read its pictures before they are drawn.
QIcon fromLoader(std::function<QIcon()> load, bool knownToExist = false);

} // namespace DeferredIcon
