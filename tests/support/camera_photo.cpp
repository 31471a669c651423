#include "support/camera_photo.h"

#include <QtEndian>

namespace {

// A big-endian TIFF structure, built field by field.
class TiffWriter final {
public:
    void u16(quint16 value) {
        char bytes[2];
        qToBigEndian(value, bytes);
        data.append(bytes, 2);
    }
    void u32(quint32 value) {
        char bytes[4];
        qToBigEndian(value, bytes);
        data.append(bytes, 4);
    }
    // One IFD entry whose value fits in the entry itself.
    void inlineEntry(quint16 tag, quint16 type, quint32 count, quint32 value, int valueBytes) {
        u16(tag);
        u16(type);
        u32(count);
        if (valueBytes == 2) {
            u16(quint16(value));
            u16(0);
        } else {
            u32(value);
        }
    }
    QByteArray data;
};

constexpr quint16 Short = 3, Long = 4, Ascii = 2, Rational = 5;

} // namespace

QByteArray withCameraExif(const QByteArray& jpeg, int orientation) {
    // Offsets count from the TIFF header: IFD0 at 8 (2 entries), the GPS
    // IFD at 38 (4 entries), then the two coordinates of three rationals.
    constexpr quint32 GpsIfd = 8 + 2 + 2 * 12 + 4;
    constexpr quint32 Latitude = GpsIfd + 2 + 4 * 12 + 4;
    constexpr quint32 Longitude = Latitude + 24;
    TiffWriter tiff;
    tiff.data = QByteArray("MM\0\x2a", 4);
    tiff.u32(8);
    tiff.u16(2);
    tiff.inlineEntry(0x0112, Short, 1, quint32(orientation), 2);
    tiff.inlineEntry(0x8825, Long, 1, GpsIfd, 4);
    tiff.u32(0);
    tiff.u16(4);
    tiff.inlineEntry(0x0001, Ascii, 2, quint32('N') << 24, 4);
    tiff.inlineEntry(0x0002, Rational, 3, Latitude, 4);
    tiff.inlineEntry(0x0003, Ascii, 2, quint32('E') << 24, 4);
    tiff.inlineEntry(0x0004, Rational, 3, Longitude, 4);
    tiff.u32(0);
    for (const quint32 part : {48u, 51u, 30u, 2u, 17u, 40u}) { // 48°51'30" N, 2°17'40" E
        tiff.u32(part);
        tiff.u32(1);
    }
    const QByteArray block = QByteArray("Exif\0\0", 6) + tiff.data;
    QByteArray segment("\xff\xe1", 2);
    char length[2];
    qToBigEndian(quint16(block.size() + 2), length);
    segment.append(length, 2).append(block);
    // Right after the start-of-image marker.
    return jpeg.left(2) + segment + jpeg.mid(2);
}
