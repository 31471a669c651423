#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>

// Decodes JPEG bytes with libjpeg. A corrupt or truncated picture gives a
// null image and a message in `error`; it never ends the program.
QImage decodeJpeg(const QByteArray& bytes, QString* error);

// Loads a JPEG picture, typically from the resources (":/pictures/about.jpg").
QImage loadJpeg(const QString& path, QString* error);
