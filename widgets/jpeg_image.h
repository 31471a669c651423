#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>

class QLabel;

// Decodes JPEG bytes with libjpeg. A corrupt or truncated picture gives a
// null image and a message in `error`; it never ends the program.
QImage decodeJpeg(const QByteArray& bytes, QString* error);

// Loads a JPEG picture, typically from the resources (":/pictures/about.jpg").
QImage loadJpeg(const QString& path, QString* error);

// Gives `label` the JPEG picture at `path` when the label is first shown, so
// a window that may never be shown decodes nothing at start-up; the label
// keeps the picture's room meanwhile. A picture that cannot be read leaves
// the label empty.
void showJpegWhenShown(QLabel* label, const QString& path);
