#include "ui/pictures.h"

#include <QDir>

namespace zandor::ui {

QPixmap Pictures::load(const QString& name) const {
    // QPixmap looks for name@2x.png beside name.png on a high-DPI screen.
    return QPixmap(QDir(folder_).filePath(name + ".png"));
}

QIcon Pictures::windowIcon() const {
    QIcon icon;
    // The sizes window managers and task bars ask for; larger ones only slow the start.
    for (int size : {16, 32, 48, 64}) {
        const QPixmap picture = load(QString("icon-%1").arg(size));
        if (!picture.isNull()) {
            icon.addPixmap(picture);
        }
    }
    return icon;
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
