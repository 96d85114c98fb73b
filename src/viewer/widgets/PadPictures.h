#pragma once

#include <QImage>

// The two movement pads: pitch and yaw (128 x 128) and roll (128 x 79). On the roll pad the
// black band turns the camera, white and the red stop spot stop it.
QImage StickPadPicture();
QImage RollPadPicture();
// The glyphs of the targeting buttons.
QImage EncyclopediaGlyph();
QImage MoveToGlyph();
QImage LookAtGlyph();
