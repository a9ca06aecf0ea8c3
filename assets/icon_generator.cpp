// SPDX-License-Identifier: GPL-3.0-or-later
// Writes the application icon for installing: PNGs for the hicolor theme, an ICO for
// Windows and an ICNS for macOS, each image drawn at its own size.
#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QtEndian>
#include <cstdio>
#include <vector>

#include "assets/face_pictures.h"

namespace {

QByteArray png(int size) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    assets::applicationIcon(size).save(&buffer, "PNG");
    return bytes;
}

template <typename T>
void append(QByteArray& out, T value) {
    T little = qToLittleEndian(value);
    out.append(reinterpret_cast<const char*>(&little), sizeof little);
}

template <typename T>
void appendBig(QByteArray& out, T value) {
    T big = qToBigEndian(value);
    out.append(reinterpret_cast<const char*>(&big), sizeof big);
}

// The 32 x 32 design picture as a classic icon image: a 24-bit bottom-up bitmap with an
// all-opaque mask, pixel for pixel what the window shows.
QByteArray designBitmap() {
    const QImage picture = assets::iconPicture();
    QByteArray out;
    append<quint32>(out, 40);  // BITMAPINFOHEADER
    append<qint32>(out, 32);
    append<qint32>(out, 64);  // the colour rows and the mask rows
    append<quint16>(out, 1);
    append<quint16>(out, 24);
    for (int field = 0; field < 6; ++field) {
        append<quint32>(out, 0);
    }
    for (int y = 31; y >= 0; --y) {
        for (int x = 0; x < 32; ++x) {
            const QRgb pixel = picture.pixel(x, y);
            out.append(static_cast<char>(qBlue(pixel)));
            out.append(static_cast<char>(qGreen(pixel)));
            out.append(static_cast<char>(qRed(pixel)));
        }
    }
    out.append(QByteArray(qsizetype{32} * 4, '\0'));
    return out;
}

// An icon directory: the design bitmap at 32 pixels, PNG streams drawn afresh at the others.
QByteArray ico(const std::vector<int>& sizes) {
    QByteArray header;
    QByteArray images;
    append<quint16>(header, 0);
    append<quint16>(header, 1);
    append<quint16>(header, static_cast<quint16>(sizes.size()));
    quint32 offset = 6 + 16 * static_cast<quint32>(sizes.size());
    for (int size : sizes) {
        const QByteArray image = size == 32 ? designBitmap() : png(size);
        header.append(static_cast<char>(size >= 256 ? 0 : size));
        header.append(static_cast<char>(size >= 256 ? 0 : size));
        header.append('\0');
        header.append('\0');
        append<quint16>(header, 1);
        append<quint16>(header, size == 32 ? 24 : 32);
        append<quint32>(header, static_cast<quint32>(image.size()));
        append<quint32>(header, offset);
        offset += static_cast<quint32>(image.size());
        images += image;
    }
    return header + images;
}

QByteArray icns() {
    const std::vector<std::pair<const char*, int>> types = {
        {"icp4", 16}, {"icp5", 32}, {"icp6", 64}, {"ic07", 128}, {"ic08", 256}};
    QByteArray entries;
    for (const auto& [type, size] : types) {
        const QByteArray image = png(size);
        entries.append(type, 4);
        appendBig<quint32>(entries, static_cast<quint32>(8 + image.size()));
        entries += image;
    }
    QByteArray out("icns", 4);
    appendBig<quint32>(out, static_cast<quint32>(8 + entries.size()));
    return out + entries;
}

bool write(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

}  // namespace

int main(int argc, char* argv[]) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s OUTPUT_FOLDER ICON_NAME\n", argv[0]);
        return 2;
    }
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    const QString name = QString::fromLocal8Bit(argv[2]);
    bool written = true;
    for (int size : {16, 32, 48, 64, 128, 256}) {
        const QString theme = QStringLiteral("hicolor/%1x%1/apps").arg(size);
        written = written && folder.mkpath(theme) &&
                  write(folder.filePath(theme + "/" + name + ".png"), png(size));
    }
    written = written && write(folder.filePath(name + ".ico"), ico({16, 32, 48, 256})) &&
              write(folder.filePath(name + ".icns"), icns());
    if (!written) {
        std::fprintf(stderr, "cannot write the icons into %s\n", argv[1]);
        return 1;
    }
    return 0;
}
