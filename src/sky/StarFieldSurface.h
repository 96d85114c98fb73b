#pragma once

#include <QString>

#include "render/Surface.h"
#include "sky/StarField.h"

namespace sky {

// "Stars.bmp" (sprites by spectral class) and "Objects.bmp" (sky object pictures, with
// spare cells for rotated copies) from the media folder.
struct StarPictures {
    Surface stars;
    Surface objects;
    // Loads whichever is missing; false when either file is absent.
    bool Load(const QString& mediaDirectory);
    scene::Image StarsImage() const;
};

// The surface path: draws the sky objects, the stars and the figures onto an already rendered
// picture, as pixels, sprite copies and pen lines.
void DrawStarFieldOnSurface(StarField& field, StarCatalogue& catalogue,
                            const scene::Viewport& viewport, const scene::Vec3& forward,
                            Surface& target, StarPictures& pictures);

}  // namespace sky
