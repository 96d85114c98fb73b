#include "sky/StarFieldView.h"

StarFieldView::StarFieldView(sky::SkyData& sky, QString mediaDirectory)
    : sky_(sky), field_(sky.catalogue, sky.constellations), media_(std::move(mediaDirectory)) {
    field_.setDrawConstellations(sky.drawConstellations);
    field_.setVisualCutOff(sky.catalogue.limitMagnitude());
}

void StarFieldView::setUseDrawPrimitives(bool on) {
    if (on == useDrawPrim_) return;
    useDrawPrim_ = on;
    // Each path keeps only its own pictures.
    if (on)
        pictures_ = sky::StarPictures{};
    else
        sprites_ = scene::Image{};
}

bool StarFieldView::DevicePath(scene::UserVisualContext& context, const scene::Vec3& forward) {
    if (!useDrawPrim_) return true;
    if (sprites_.isNull()) {
        sky::StarPictures pictures;
        pictures.Load(media_);
        sprites_ = pictures.StarsImage();
    }
    field_.DrawWithPrimitives(context.viewport, forward, context.sink,
                              sprites_.isNull() ? nullptr : &sprites_);
    return true;
}

void StarFieldView::SurfacePath(const scene::Viewport& viewport, const scene::Vec3& forward,
                                Surface& target) {
    if (useDrawPrim_) return;
    pictures_.Load(media_);
    sky::DrawStarFieldOnSurface(field_, sky_.catalogue, viewport, forward, target, pictures_);
}
