#include "ui/sized_icon_engine.h"

#include <QApplication>
#include <QImageReader>
#include <QPainter>
#include <QStyle>
#include <QStyleOption>
#include <QSvgRenderer>

namespace zandor::ui {

QPixmap SizedIconEngine::pixmap(const QSize& size, QIcon::Mode mode, QIcon::State) {
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

QPixmap SizedIconEngine::scaledPixmap(const QSize& size, QIcon::Mode mode, QIcon::State state,
                                      qreal scale) {
    QPixmap picture = pixmap(size, mode, state);
    picture.setDevicePixelRatio(scale);
    return picture;
}

void SizedIconEngine::paint(QPainter* painter, const QRect& rect, QIcon::Mode mode,
                            QIcon::State state) {
    const qreal ratio = painter->device()->devicePixelRatio();
    painter->drawPixmap(rect, scaledPixmap(rect.size() * ratio, mode, state, ratio));
}

bool SizedIconEngine::isNull() {
    if (valid_ < 0) {
        valid_ = QSvgRenderer(source_).isValid() ? 1 : 0;
    }
    return valid_ == 0;
}

QPixmap SizedIconEngine::draw(const QSize& size) const {
    if (size.width() == size.height() && drawn_.contains(size.width())) {
        QImage image = QImageReader(drawn_.value(size.width())).read();
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

} // namespace zandor::ui
