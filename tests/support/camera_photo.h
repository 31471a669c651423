#pragma once

#include <QByteArray>

// A JPEG as a phone writes it: `jpeg` with an EXIF block holding its
// orientation (1 upright, 6 turned a quarter clockwise to be upright...) and
// the GPS position where it was taken, as the first segment.
QByteArray withCameraExif(const QByteArray& jpeg, int orientation);
