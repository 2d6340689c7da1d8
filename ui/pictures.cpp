#include "ui/pictures.h"

#include "ui/sized_icon_engine.h"

#include <QDir>
#include <QGuiApplication>
#include <QImageReader>
#include <QPainter>
#include <QPixmapCache>

namespace zandor::ui {

namespace {

// The sizes window managers and task bars ask for; Qt asks for each at the screen's pixel ratio.
const QList<QSize> kWindowIconSizes = {{16, 16}, {32, 32}, {48, 48}, {64, 64}};
// The sides of the window icon's PNGs in the pictures folder.
constexpr int kDrawnWindowIconSides[] = {16, 32, 48, 64, 128, 256};
// The buttons' PNGs: name.png at this side, name@2x.png at twice it.
constexpr int kButtonIconSide = 32;

qreal screenRatio() {
    return qGuiApp ? qGuiApp->devicePixelRatio() : 1.0;
}

QImage readImage(const QString& path) {
    QImageReader reader(path);
    return reader.read(); // null when missing or unreadable
}

// The picture smoothly resampled by the factor, once, rather than by the painter at every paint.
// Bilinear filtering of the (often indexed) picture as it is: a fraction of the time an
// area-averaging resample takes, and as close to a direct render at the factors used here.
QImage resampled(const QImage& image, qreal factor) {
    const QSize size(qRound(image.width() * factor), qRound(image.height() * factor));
    if (size.isEmpty()) {
        return {};
    }
    QImage sized(size, image.hasAlphaChannel() ? QImage::Format_ARGB32_Premultiplied
                                               : QImage::Format_RGB32);
    sized.fill(Qt::transparent);
    QPainter painter(&sized);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(QRect(QPoint(0, 0), size), image);
    return sized;
}

QString svgSource(const QString& name) {
    return QString(":/zandor/pictures/%1.svg").arg(name);
}

} // namespace

QPixmap Pictures::load(const QString& name) const {
    const qreal ratio = screenRatio();
    const QString key = QString("zandor-picture:%1/%2@%3").arg(folder_, name).arg(ratio);
    QPixmap picture;
    if (QPixmapCache::find(key, &picture)) {
        return picture;
    }
    const QDir folder(folder_);
    QImage image;
    if (ratio > 1.0) {
        image = readImage(folder.filePath(name + "@2x.png"));
        if (!image.isNull() && !qFuzzyCompare(ratio, 2.0)) {
            image = resampled(image, ratio / 2);
        }
        image.setDevicePixelRatio(ratio);
    }
    if (image.isNull()) {
        // No sharp copy: the normal one, which Qt scales up.
        image = readImage(folder.filePath(name + ".png"));
    }
    picture = QPixmap::fromImage(std::move(image));
    if (!picture.isNull()) {
        QPixmapCache::insert(key, picture);
    }
    return picture;
}

QIcon Pictures::buttonIcon(const QString& name) const {
    const QDir folder(folder_);
    return QIcon(new SizedIconEngine(svgSource(name),
                                     {{kButtonIconSide, folder.filePath(name + ".png")},
                                      {2 * kButtonIconSide, folder.filePath(name + "@2x.png")}}));
}

QIcon Pictures::windowIcon() const {
    const QDir folder(folder_);
    QMap<int, QString> drawn;
    for (int side : kDrawnWindowIconSides) {
        drawn.insert(side, folder.filePath(QString("icon-%1.png").arg(side)));
    }
    return QIcon(new SizedIconEngine(svgSource("icon"), drawn, kWindowIconSizes));
}

QPixmap Pictures::portrait(int index) const {
    if (index < 1 || index > kPortraits) {
        return {};
    }
    return load(QString("portrait-%1").arg(index, 2, 10, QChar('0')));
}

QPixmap Pictures::bannerFrame(int frame) const {
    static const char* const names[] = {"banner-rest", "banner-sparkle-1", "banner-sparkle-2"};
    return frame >= 0 && frame < 3 ? load(names[frame]) : QPixmap();
}

} // namespace zandor::ui
