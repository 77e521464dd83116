#pragma once

#include <QIcon>
#include <QPixmap>

namespace controls {

// The program's picture, a shopping basket with a ticked list, drawn so that it needs no
// image file and stays sharp at any size.
QPixmap programPicture(int size = 32);
QIcon programIcon();

} // namespace controls
