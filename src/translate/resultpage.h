#pragma once

#include <QString>

// The page `frmShow` shows for a translation made on this computer: the selected text, its
// translation, the language pair in words and a line saying where it was translated. Every
// text is escaped, and the page allows no script, so a selection never acts as markup.
namespace ResultPage {

QString html(const QString &source, const QString &translation, const QString &pairInWords,
             const QString &localLine);
// The page as an address the view can open: nothing of it leaves the computer.
QString address(const QString &html);

} // namespace ResultPage
