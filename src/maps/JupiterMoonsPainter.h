#pragma once

#include <QFont>
#include <QImage>

#include "maps/GalileanPositions.h"
#include "maps/JupiterPicture.h"
#include "maps/JupiterViewGeometry.h"

struct JupiterViewOptions {
    bool showOrbits = true;
    bool showLabels = false;
};

// Draws the two pictures of the Jupiter's moons window: the plan view from above the
// orbits, the Earth side at the bottom, and the Earth view, the strip of moons either side
// of the planet as seen from the Earth. Both share the plan view's scale.
class JupiterMoonsPainter {
  public:
    explicit JupiterMoonsPainter(const JupiterPicture& planet, const QFont& font = QFont());

    // Clears and draws the whole plan view: title, planet, orbits, moons, labels.
    void PaintPlanView(QImage& picture, const GalileanConfiguration& moons,
                       const JupiterViewOptions& options) const;
    // Clears and draws the Earth view at the plan view's scale: the moons beyond the planet,
    // then the planet over them, then the moons in front of it.
    void PaintEarthView(QImage& picture, const JupiterViewGeometry& scale,
                        const GalileanConfiguration& moons,
                        const JupiterViewOptions& options) const;

  private:
    void Clear(QImage& picture, const QString& title) const;
    void DrawPlanet(QImage& picture, const JupiterViewGeometry& scale, QPoint centre) const;
    void DrawMoon(QImage& picture, GalileanMoon moon, QPoint at, bool label) const;

    const JupiterPicture& planet_;
    QFont font_;
};
