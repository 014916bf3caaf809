#pragma once

#include "tableview.h"

#include <QString>

class ImageList;
class ProgramFolder;

// The pictures of the main window's image list ImageList1.
namespace MainImages {

// Positions named outside the command table.
constexpr int MovePicture = 121;           // the right move button cmdMove
constexpr int MoveLeftPicture = 122;       // the left move button cmdMoveL
constexpr int TranslationOnPicture = 67;   // the timebar indicator
constexpr int TranslationOffPicture = 132; // the timebar indicator
constexpr int FallbackLanguagePicture = 106;

struct Picture {
    int position;
    const char *key;
    const char *themePicture; // "<context>/<name>" in the icon theme
};

// The table of mainimages.inc, in its order.
TableView<Picture> table();

// The icon size, in logical pixels, for a slot designed at designSize: at a device pixel
// ratio above 1 it is the largest picture size the program ships that fits the enlarged
// slot, so that picture is drawn pixel for pixel instead of a smaller one scaled up (a
// 22 px bar slot at 2x shows the 32 px picture in 16 logical pixels).
int sharpIconSize(int designSize, double devicePixelRatio);

// The file a picture was copied to by the build, below the program folder:
// images/<size>/<name>.png.
QString pictureFile(const Picture &picture, int size);

// Fills the list as ImageList1: every picture of the table at its position (positions the
// table does not name stay empty), then one language picture per icons/<code>.ico of the
// program folder, in the order of the file names, keyed by the code in lower case. A
// picture file that is missing leaves its position without a picture.
void load(ImageList &images, const ProgramFolder &folder);

} // namespace MainImages
