#pragma once

#include <QString>

#include "sky/SkyData.h"
#include "sky/StarField.h"
#include "sky/StarFieldSurface.h"

// The star field as the 3D view draws it: through the renderer's primitives while the scene
// renders ("StarsUseDrawPrim" on), or onto the finished picture afterwards (off).
class StarFieldView {
  public:
    StarFieldView(sky::SkyData& sky, QString mediaDirectory);

    void setUseDrawPrimitives(bool on);
    bool useDrawPrimitives() const { return useDrawPrim_; }
    sky::StarField& field() { return field_; }

    // For the star frame's user visual: draws when the device path is chosen.
    bool DevicePath(scene::UserVisualContext& context, const scene::Vec3& forward);
    // After the scene render: draws when the surface path is chosen.
    void SurfacePath(const scene::Viewport& viewport, const scene::Vec3& forward, Surface& target);

  private:
    sky::SkyData& sky_;
    sky::StarField field_;
    sky::StarPictures pictures_;
    scene::Image sprites_;
    QString media_;
    bool useDrawPrim_ = true;
};
