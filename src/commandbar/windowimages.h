#pragma once

#include "windowbars.h"

#include <QIcon>

class ImageList;
class ProgramFolder;

// The image lists (ImageList1) of the secondary windows, made of the main window's
// pictures in the program folder:
// - about window: 0 a tick (ABOUTOK), 1 help (ABOUTHELP);
// - input dialog: 0 a tick (OKYES), 1 a cross (OKNO);
// - language editor: 0 leave (EXIT3), 1 save (SAVE5);
// - link table: 0 leave (EXIT5, EXIT6), 1 add, 2 edit, 3 open, 6 sort, 7 save, 8 help,
//   9 title, 10 search;
// - link editor: 1 remove (CANCEL), 2 save (SAVE3).
namespace WindowImages {

ImageList forWindow(WindowBars::Window window, const ProgramFolder &folder);

// A picture of the main image list by its key ("HELP", "SAVE"); an empty icon when the key
// is unknown or its files are missing.
QIcon mainPicture(const ProgramFolder &folder, const char *key);

// A green tick in the colours of the icon theme, which has no picture for "yes".
QIcon tick();

} // namespace WindowImages
