#pragma once

#include <QImage>
#include <QSet>
#include <QString>
#include <array>
#include <functional>

class Body;

// The small pictures the map draws bodies with ("<Name>Small.bmp" in the media folder),
// lit from the left and turned so that the lit side faces the Sun. Only four are kept; a
// fifth takes the place of the one loaded longest ago.
class SmallPictureCache {
  public:
    static constexpr int kSlots = 4;
    using Loader = std::function<QImage(const QString& bodyName)>;

    // Reads "<Name>Small.bmp" from the media folder.
    SmallPictureCache();
    explicit SmallPictureCache(Loader loader);

    // The body's picture turned by angleDegrees (anticlockwise on the map), or null when
    // it has none. tick stamps a newly loaded picture.
    const QImage* Picture(const Body& body, int angleDegrees, qint64 tick);
    void Clear();

    // A picture turned anticlockwise by the angle about its centre, same size, the corners
    // it uncovers black.
    static QImage Rotated(const QImage& picture, int angleDegrees);

    int loads() const { return loads_; }
    int rotations() const { return rotations_; }
    const Body* slotBody(int slot) const { return slots_[static_cast<std::size_t>(slot)].body; }

  private:
    struct Slot {
        const Body* body = nullptr;
        QImage loaded;
        QImage rotated;
        int angle = 0;
        qint64 tick = 0;
    };
    const QImage& Shown(Slot& slot, int angle);

    Loader loader_;
    std::array<Slot, kSlots> slots_;
    QSet<QString> missing_;  // bodies without a picture: not looked for again
    int loads_ = 0;
    int rotations_ = 0;
};
