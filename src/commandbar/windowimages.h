#pragma once

#include "windowbars.h"

#include <QIcon>

class ImageList;
class ProgramFolder;

// The image lists (ImageList1) of the secondary windows, made of the main window's
// pictures in the program folder at the positions the windows' button rows name.
namespace WindowImages {

ImageList forWindow(WindowBars::Window window, const ProgramFolder &folder);

// A picture of the main image list by its key (HELP, DOCUMENTSAVE); an empty icon when the key
// is unknown or its files are missing.
QIcon mainPicture(const ProgramFolder &folder, const char *key);

// A green tick in the colours of the icon theme, which has no picture for "yes".
QIcon tick();

} // namespace WindowImages
