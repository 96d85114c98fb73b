#pragma once

#include <QIcon>
#include <QString>

namespace sky {

// The pictures on the sky view's tool bar buttons, drawn rather than loaded.
enum class SkyIcon {
    Grid,
    Figures,
    Boundaries,
    LevelOfDetail,
    Options,
    Earth,
    UpdateSpeed,
    ZoomIn,
    ZoomOut,
    ZoomDefault,
};

QIcon SkyViewIcon(SkyIcon icon);
// A compass button: its letter on a small dial.
QIcon CompassIcon(const QString& letter);

}  // namespace sky
