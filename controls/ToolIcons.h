#pragma once

#include <QIcon>
#include <QPixmap>

namespace controls {

// The tool bar's pictures, drawn here so that they scale and need no image files.
// Indexes follow the window's image list: an even index is a picture, the odd index after
// it the same picture disabled (0 new, 2 open, 4 save, 8 print, 10 e-mail, 12 close).
QPixmap toolPicture(int index, int size = 16);

// Normal and disabled pictures of one button as an icon.
QIcon toolIcon(int pictureIndex, int disabledIndex);

} // namespace controls
