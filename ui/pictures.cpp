#include "ui/pictures.h"

#include "data/ioerror.h"

#include <QFile>
#include <QGuiApplication>
#include <QHash>

#include <csetjmp>
#include <cstdio>
#include <jpeglib.h>

// The resources are compiled into this static library; make sure they are
// registered before the first lookup.
static void ensureAssetsRegistered() {
    static const bool registered = [] {
        Q_INIT_RESOURCE(assets);
        return true;
    }();
    (void)registered;
}

namespace {

// libjpeg's default error handler calls exit(); this one jumps back to the
// decoder instead, so a bad picture becomes an ordinary error.
struct JpegErrorManager {
    jpeg_error_mgr base;
    std::jmp_buf escape;
    char text[JMSG_LENGTH_MAX];
};

void onJpegError(j_common_ptr info) {
    auto* manager = reinterpret_cast<JpegErrorManager*>(info->err);
    (*info->err->format_message)(info, manager->text);
    std::longjmp(manager->escape, 1);
}

// Warnings are not shown, but they are counted as libjpeg's own handler does:
// a premature end of the data is only a warning, and the count is how the
// decoder tells a truncated picture from a whole one.
void onJpegMessage(j_common_ptr info, int level) {
    if (level < 0)
        ++info->err->num_warnings;
}

} // namespace

QImage decodejpeg(const QByteArray& jpeg) {
    if (jpeg.isEmpty())
        throw IoError("Invalid picture: no data");

    jpeg_decompress_struct info{};
    JpegErrorManager errors{};
    info.err = jpeg_std_error(&errors.base);
    errors.base.error_exit = onJpegError;
    errors.base.emit_message = onJpegMessage;

    // Everything that must survive the longjmp lives outside this frame's
    // automatic objects with destructors: the image is built only after setjmp.
    QImage* volatile image = nullptr;
    if (setjmp(errors.escape)) {
        jpeg_destroy_decompress(&info);
        delete image;
        throw IoError(std::string("Invalid picture: ") + errors.text);
    }

    jpeg_create_decompress(&info);
    jpeg_mem_src(&info, reinterpret_cast<const unsigned char*>(jpeg.constData()),
                 static_cast<unsigned long>(jpeg.size()));
    jpeg_read_header(&info, TRUE);
    info.out_color_space = JCS_RGB;
    jpeg_start_decompress(&info);

    image = new QImage(static_cast<int>(info.output_width), static_cast<int>(info.output_height),
                       QImage::Format_RGB888);
    if (image->isNull())
        errors.base.error_exit(reinterpret_cast<j_common_ptr>(&info));
    while (info.output_scanline < info.output_height) {
        JSAMPROW row = image->scanLine(static_cast<int>(info.output_scanline));
        jpeg_read_scanlines(&info, &row, 1);
    }
    jpeg_finish_decompress(&info);
    const bool truncated = info.err->num_warnings > 0;
    jpeg_destroy_decompress(&info);

    QImage result = std::move(*image);
    delete image;
    if (truncated)
        throw IoError("Invalid picture: the data are truncated or corrupt");
    return result;
}

QByteArray assetbytes(const QString& name) {
    ensureAssetsRegistered();
    QFile file(QStringLiteral(":/assets/") + name);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

namespace {

// "logo.jpg" -> "logo@2x.jpg"
QString twiceSizeName(const QString& name) {
    const qsizetype dot = name.lastIndexOf(QLatin1Char('.'));
    if (dot < 0)
        return name + QStringLiteral("@2x");
    return name.left(dot) + QStringLiteral("@2x") + name.mid(dot);
}

QPixmap loadPicture(const QString& name, bool twiceSize) {
    static QHash<QString, QPixmap> cache;
    const QString file = twiceSize ? twiceSizeName(name) : name;
    const auto found = cache.constFind(file);
    if (found != cache.constEnd())
        return *found;
    const QByteArray bytes = assetbytes(file);
    if (bytes.isEmpty())
        throw IoError("Picture not found: " + file.toStdString());
    QPixmap pixmap = QPixmap::fromImage(decodejpeg(bytes));
    if (twiceSize)
        pixmap.setDevicePixelRatio(2.0);
    cache.insert(file, pixmap);
    return pixmap;
}

} // namespace

QPixmap picture(const QString& name, qreal devicePixelRatio) {
    ensureAssetsRegistered();
    // Asked with a ratio of 1.5 a screen gets the @2x drawing brought down by
    // Qt, which stays sharper than the designed one brought up.
    if (devicePixelRatio > 1.0 && QFile::exists(QStringLiteral(":/assets/") + twiceSizeName(name)))
        return loadPicture(name, true);
    return loadPicture(name, false);
}

QPixmap picture(const QString& name) {
    // qApp's ratio is the highest of its screens, and the primary screen's
    // when there are none yet; without an application it is 1.
    return picture(name, qGuiApp != nullptr ? qGuiApp->devicePixelRatio() : 1.0);
}
