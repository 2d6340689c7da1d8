// An icon drawn at exactly the pixel size asked for, so that it is as sharp at a ratio of 1.5 as
// at 1 or 2: from its SVG source, or from a PNG already rendered at that size, which is quicker
// to read than the SVG is to draw (the window's start notices).
#pragma once

#include <QIconEngine>
#include <QList>
#include <QMap>
#include <QString>
#include <map>
#include <tuple>

namespace zandor::ui {

class SizedIconEngine : public QIconEngine {
public:
    // source: the SVG; drawn: PNG files by their side in pixels; sizes: the sizes to offer the
    // window system, if any.
    SizedIconEngine(QString source, QMap<int, QString> drawn, QList<QSize> sizes = {})
        : source_(std::move(source)), drawn_(std::move(drawn)), sizes_(std::move(sizes)) {}

    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override;
    // Qt 6.4's QIcon::pixmap() asks for the size in device pixels already, with the ratio it
    // is for.
    QPixmap scaledPixmap(const QSize& size, QIcon::Mode mode, QIcon::State state,
                         qreal scale) override;
    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override;
    QList<QSize> availableSizes(QIcon::Mode, QIcon::State) override { return sizes_; }
    bool isNull() override;
    QString key() const override { return "zandor-icon"; }
    QIconEngine* clone() const override { return new SizedIconEngine(source_, drawn_, sizes_); }

private:
    QPixmap draw(const QSize& size) const;

    QString source_;
    QMap<int, QString> drawn_;
    QList<QSize> sizes_;
    int valid_ = -1; // whether the source parses, once asked
    // The pixmaps drawn so far, by width, height and mode: a button asks at every paint.
    std::map<std::tuple<int, int, int>, QPixmap> drawnBefore_;
};

} // namespace zandor::ui
