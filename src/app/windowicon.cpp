#include "app/windowicon.h"

#include <QIconEngine>
#include <QImage>
#include <algorithm>
#include <iterator>
#include <QPainter>
#include <QPixmap>

namespace velmora::app {
namespace {

constexpr int kSizes[] = {16, 32, 48, 64, 128, 256};

// The compiled-in square pictures, read from the resource when asked for.
class PicturesOnDemand final : public QIconEngine {
public:
    QIconEngine* clone() const override { return new PicturesOnDemand; }
    QString key() const override { return QStringLiteral("velmora-pictures"); }

    QList<QSize> availableSizes(QIcon::Mode, QIcon::State) override {
        QList<QSize> out;
        for (int s : kSizes) out << QSize(s, s);
        return out;
    }
    QSize actualSize(const QSize& size, QIcon::Mode, QIcon::State) override {
        const int side = std::min({size.width(), size.height(), kSizes[std::size(kSizes) - 1]});
        return QSize(side, side);
    }
    QPixmap pixmap(const QSize& size, QIcon::Mode, QIcon::State) override {
        const QSize want = actualSize(size, QIcon::Normal, QIcon::Off);
        int pick = kSizes[std::size(kSizes) - 1];  // the smallest picture not smaller than asked
        for (int s : kSizes)
            if (s >= want.width()) {
                pick = s;
                break;
            }
        // Read as an image: a pixmap read from a file would stay in the pixmap cache.
        QImage image(QStringLiteral(":/icons/velmora-%1.png").arg(pick), "PNG");
        if (image.size() != want) image = image.scaled(want, Qt::KeepAspectRatio, Qt::SmoothTransformation);
        return QPixmap::fromImage(std::move(image));
    }
    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override {
        painter->drawPixmap(rect, pixmap(rect.size(), mode, state));
    }
};

}  // namespace

QIcon windowIcon() {
    return QIcon(new PicturesOnDemand);
}

}  // namespace velmora::app
