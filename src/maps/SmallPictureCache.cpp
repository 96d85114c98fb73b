#include "maps/SmallPictureCache.h"

#include <QPainter>
#include <algorithm>

#include "core/Body.h"
#include "core/Services.h"

SmallPictureCache::SmallPictureCache()
    : SmallPictureCache([](const QString& name) {
          return QImage(Services::instance().mediaDirectory() + name + QStringLiteral("Small.bmp"));
      }) {}

SmallPictureCache::SmallPictureCache(Loader loader) : loader_(std::move(loader)) {}

void SmallPictureCache::Clear() {
    slots_ = {};
    missing_.clear();
}

QImage SmallPictureCache::Rotated(const QImage& picture, int angleDegrees) {
    QImage out(picture.size(), QImage::Format_RGB32);
    out.fill(Qt::black);
    QPainter p(&out);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    const QPointF centre(picture.width() / 2.0, picture.height() / 2.0);
    p.translate(centre);
    // Pixel rows run downwards, so turning anticlockwise on the screen is a negative angle.
    p.rotate(-angleDegrees);
    p.translate(-centre);
    p.drawImage(0, 0, picture);
    return out;
}

const QImage& SmallPictureCache::Shown(Slot& slot, int angle) {
    if (angle == 0) return slot.loaded;
    if (slot.rotated.isNull() || slot.angle != angle) {
        slot.rotated = Rotated(slot.loaded, angle);
        slot.angle = angle;
        ++rotations_;
    }
    return slot.rotated;
}

const QImage* SmallPictureCache::Picture(const Body& body, int angleDegrees, qint64 tick) {
    for (Slot& slot : slots_)
        if (slot.body == &body) return &Shown(slot, angleDegrees);
    if (missing_.contains(body.name())) return nullptr;

    QImage picture = loader_(body.name());
    ++loads_;
    if (picture.isNull()) {
        missing_.insert(body.name());
        return nullptr;
    }
    auto slot = std::find_if(slots_.begin(), slots_.end(), [](const Slot& s) { return !s.body; });
    if (slot == slots_.end())
        slot = std::min_element(slots_.begin(), slots_.end(),
                                [](const Slot& a, const Slot& b) { return a.tick < b.tick; });
    *slot = Slot{&body, picture.convertToFormat(QImage::Format_RGB32), QImage(), 0, tick};
    return &Shown(*slot, angleDegrees);
}
