#include "ui/pictures.h"

#include <QApplication>
#include <QDir>
#include <QIconEngine>
#include <QImageReader>
#include <QPainter>
#include <QPixmapCache>
#include <QStyle>
#include <QStyleOption>
#include <QSvgRenderer>
#include <map>
#include <tuple>

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

// Draws an icon at exactly the pixel size asked for, so that it is as sharp at a ratio of 1.5 as
// at 1 or 2: from its SVG source, or from a PNG already rendered at that size, which is quicker
// to read than the SVG is to draw (the window's start notices).
class IconEngine : public QIconEngine {
public:
    // source: the SVG; drawn: PNG files by their side in pixels; sizes: the sizes to offer the
    // window system, if any.
    IconEngine(QString source, QMap<int, QString> drawn, QList<QSize> sizes = {})
        : source_(std::move(source)), drawn_(std::move(drawn)), sizes_(std::move(sizes)) {}

    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State) override {
        if (size.isEmpty()) {
            return {};
        }
        const auto key = std::make_tuple(size.width(), size.height(), static_cast<int>(mode));
        const auto kept = drawnBefore_.find(key);
        if (kept != drawnBefore_.end()) {
            return kept->second;
        }
        QPixmap picture = draw(size);
        auto* application = qobject_cast<QApplication*>(QCoreApplication::instance());
        if (!picture.isNull() && mode != QIcon::Normal && application != nullptr) {
            // Disabled and selected looks come from the style, as for any other icon.
            QStyleOption option;
            option.palette = QApplication::palette();
            picture = QApplication::style()->generatedIconPixmap(mode, picture, &option);
        }
        drawnBefore_[key] = picture;
        return picture;
    }

    // Qt 6.4's QIcon::pixmap() asks for the size in device pixels already, with the ratio it
    // is for.
    QPixmap scaledPixmap(const QSize& size, QIcon::Mode mode, QIcon::State state,
                         qreal scale) override {
        QPixmap picture = pixmap(size, mode, state);
        picture.setDevicePixelRatio(scale);
        return picture;
    }

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode,
               QIcon::State state) override {
        const qreal ratio = painter->device()->devicePixelRatio();
        painter->drawPixmap(rect, scaledPixmap(rect.size() * ratio, mode, state, ratio));
    }

    QList<QSize> availableSizes(QIcon::Mode, QIcon::State) override { return sizes_; }
    bool isNull() override {
        if (valid_ < 0) {
            valid_ = QSvgRenderer(source_).isValid() ? 1 : 0;
        }
        return valid_ == 0;
    }
    QString key() const override { return "zandor-icon"; }
    QIconEngine* clone() const override { return new IconEngine(source_, drawn_, sizes_); }

private:
    QPixmap draw(const QSize& size) const {
        if (size.width() == size.height() && drawn_.contains(size.width())) {
            QImage image = readImage(drawn_.value(size.width()));
            if (image.size() == size) {
                return QPixmap::fromImage(std::move(image));
            }
        }
        QSvgRenderer renderer(source_);
        if (!renderer.isValid()) {
            return {};
        }
        QImage image(size, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        QPainter painter(&image);
        renderer.setAspectRatioMode(Qt::KeepAspectRatio);
        renderer.render(&painter);
        painter.end();
        return QPixmap::fromImage(std::move(image));
    }

    QString source_;
    QMap<int, QString> drawn_;
    QList<QSize> sizes_;
    int valid_ = -1; // whether the source parses, once asked
    // The pixmaps drawn so far, by width, height and mode: a button asks at every paint.
    std::map<std::tuple<int, int, int>, QPixmap> drawnBefore_;
};

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
    return QIcon(new IconEngine(svgSource(name),
                                {{kButtonIconSide, folder.filePath(name + ".png")},
                                 {2 * kButtonIconSide, folder.filePath(name + "@2x.png")}}));
}

QIcon Pictures::windowIcon() const {
    const QDir folder(folder_);
    QMap<int, QString> drawn;
    for (int side : kDrawnWindowIconSides) {
        drawn.insert(side, folder.filePath(QString("icon-%1.png").arg(side)));
    }
    return QIcon(new IconEngine(svgSource("icon"), drawn, kWindowIconSizes));
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
