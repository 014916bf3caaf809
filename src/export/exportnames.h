#pragma once

#include <QString>

// The names the exports offer and write, free of any window.
namespace ExportNames {

// The Save dialog's default name: the page title's first 22 characters, of which only
// ASCII letters and digits are kept, then the extension (".doc", ".mht"). An empty title
// gives untitledStem instead ("ExcelDocument", "PPTDocument"); the Word and PDF exports
// give none, so an untitled page offers the extension alone.
QString defaultName(const QString &title, const QString &extension,
                    const QString &untitledStem = {});

// Images/Quort<nnn>.bmp below folder, with the first number from `from` on whose file
// does not exist yet: three digits up to 999, more after that (Quort1000.bmp). Pictures
// of earlier runs are never overwritten. number receives the number taken. Empty when
// every number is taken.
QString nextPicturePath(const QString &imagesFolder, int from, int *number = nullptr);

} // namespace ExportNames
