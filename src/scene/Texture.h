#pragma once

#include <memory>

#include "scene/Image.h"
#include "scene/Visual.h"

namespace scene {

// A texture handle: the picture, plus the settings used when the texture itself is shown
// as a decal (a picture that always faces the camera).
class Texture : public Visual {
  public:
    Texture(const std::shared_ptr<ObjectRegistry>& registry, std::shared_ptr<const Image> image);
    const char* className() const override { return "Texture"; }
    VisualKind visualKind() const override { return VisualKind::Texture; }

    const std::shared_ptr<const Image>& image() const { return image_; }
    int width() const { return image_ ? image_->width : 0; }
    int height() const { return image_ ? image_->height : 0; }

    void generateMipmaps() { mipmaps_ = true; }
    bool hasMipmaps() const { return mipmaps_; }

    void setDecalScale(bool on) { decalScale_ = on; }
    void setDecalTransparency(bool on) { decalTransparency_ = on; }
    void setDecalOrigin(int x, int y) { originX_ = x, originY_ = y; }
    void setDecalSize(double w, double h) { decalWidth_ = w, decalHeight_ = h; }
    bool decalScale() const { return decalScale_; }
    bool decalTransparency() const { return decalTransparency_; }
    int decalOriginX() const { return originX_; }
    int decalOriginY() const { return originY_; }
    double decalWidth() const { return decalWidth_; }
    double decalHeight() const { return decalHeight_; }

  private:
    std::shared_ptr<const Image> image_;
    bool mipmaps_ = false;
    bool decalScale_ = true;
    bool decalTransparency_ = false;
    int originX_ = 0, originY_ = 0;
    double decalWidth_ = 1.0, decalHeight_ = 1.0;
};

}  // namespace scene
