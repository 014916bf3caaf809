#pragma once

#include <QString>

// The names the exports offer and write, free of any window.
namespace ExportNames {

// The Save dialog's default name: the page title's first 22 characters, of which the
// letters and digits of every script are kept, then the extension (".doc", ".mht"). No
// separator or dot is kept, so the name can never reach into a folder or hide the file.
// When nothing is left (an untitled page, a title of punctuation), untitledStem
// ("WordDocument", "ExcelDocument") stands in its place.
QString defaultName(const QString &title, const QString &extension, const QString &untitledStem);

// Images/Quort<nnn>.bmp below folder, with the first number from `from` on whose file
// does not exist yet: three digits up to 999, more after that (Quort1000.bmp). Pictures
// of earlier runs are never overwritten. number receives the number taken. Empty when
// every number is taken.
QString nextPicturePath(const QString &imagesFolder, int from, int *number = nullptr);

} // namespace ExportNames
