#include "widgets/jpeg_image.h"

#include "core/text_file.h"

#include <QCoreApplication>
#include <QEvent>
#include <QFile>
#include <QLabel>
#include <QPixmap>
#include <csetjmp>
#include <cstdio>
#include <jpeglib.h>

namespace {

struct ErrorManager {
    jpeg_error_mgr base;
    std::jmp_buf jump;
    char message[JMSG_LENGTH_MAX];
};

void onError(j_common_ptr info) {
    auto* manager = reinterpret_cast<ErrorManager*>(info->err);
    (*info->err->format_message)(info, manager->message);
    std::longjmp(manager->jump, 1);
}

void onMessage(j_common_ptr, int) {}

// libjpeg reports errors by longjmp, so nothing with a destructor may live in
// this frame between setjmp and the end of decoding. With `image` null only
// the header is read, for the picture's size.
bool decodeInto(const QByteArray& bytes, QImage* image, QSize* size, char* message) {
    jpeg_decompress_struct info;
    ErrorManager errors;
    info.err = jpeg_std_error(&errors.base);
    errors.base.error_exit = onError;
    errors.base.emit_message = onMessage;
    errors.message[0] = '\0';
    if (setjmp(errors.jump)) {
        jpeg_destroy_decompress(&info);
        std::snprintf(message, JMSG_LENGTH_MAX, "%s", errors.message);
        return false;
    }
    jpeg_create_decompress(&info);
    jpeg_mem_src(&info, reinterpret_cast<const unsigned char*>(bytes.constData()),
                 static_cast<unsigned long>(bytes.size()));
    jpeg_read_header(&info, TRUE);
    *size = QSize(static_cast<int>(info.image_width), static_cast<int>(info.image_height));
    if (!image) {
        jpeg_destroy_decompress(&info);
        return true;
    }
    info.out_color_space = JCS_RGB;
    jpeg_start_decompress(&info);
    *image = QImage(static_cast<int>(info.output_width), static_cast<int>(info.output_height),
                    QImage::Format_RGB888);
    while (info.output_scanline < info.output_height) {
        JSAMPROW row = image->scanLine(static_cast<int>(info.output_scanline));
        jpeg_read_scanlines(&info, &row, 1);
    }
    jpeg_finish_decompress(&info);
    jpeg_destroy_decompress(&info);
    return true;
}

} // namespace

QImage decodeJpeg(const QByteArray& bytes, QString* error) {
    if (bytes.isEmpty()) {
        *error = QCoreApplication::translate("Pictures", "Empty picture");
        return {};
    }
    QImage image;
    QSize size;
    char message[JMSG_LENGTH_MAX] = {};
    if (!decodeInto(bytes, &image, &size, message)) {
        *error = QCoreApplication::translate("Pictures", "Corrupt JPEG picture: %1")
                     .arg(QString::fromLocal8Bit(message));
        return {};
    }
    return image;
}

QImage loadJpeg(const QString& path, QString* error) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        *error = cannotOpenMessage(path, file.errorString());
        return {};
    }
    return decodeJpeg(file.readAll(), error);
}

namespace {

// Holds a label's picture undecoded until the label is first shown. The
// label keeps the picture's room from the start, so its window is laid out
// as it will look.
class PictureOnShow final : public QObject {
public:
    PictureOnShow(QLabel* label, const QByteArray& bytes) : QObject(label), bytes(bytes) {
        QSize size;
        char message[JMSG_LENGTH_MAX] = {};
        if (!bytes.isEmpty() && decodeInto(bytes, nullptr, &size, message))
            label->setMinimumSize(size);
        label->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Show) {
            watched->removeEventFilter(this);
            QString error;
            const QImage image = decodeJpeg(bytes, &error);
            if (!image.isNull())
                static_cast<QLabel*>(watched)->setPixmap(QPixmap::fromImage(image));
            deleteLater();
        }
        return false;
    }

private:
    QByteArray bytes;
};

} // namespace

void showJpegWhenShown(QLabel* label, const QString& path) {
    QFile file(path);
    new PictureOnShow(label, file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray());
}
