#pragma once

#include <gtest/gtest.h>

#include <QColor>
#include <QImage>
#include <QRect>

class QWidget;

namespace tutor::test {

// How crisp a picture in device pixels is. A picture made at logical size and
// blown up to a higher device-pixel ratio is either pixel-doubled (every
// aligned 2 x 2 block one colour) or smoothed (soft edges, less edge energy);
// one drawn at device resolution is neither.

// Among aligned 2 x 2 blocks that hold or touch an edge, the share that is one
// colour inside: 1.0 for a pixel-doubled picture, well below for a crisp one.
double uniformEdgeBlockShare(const QImage& image);

// Mean squared grey step between neighbouring pixels: a smoothed or doubled
// copy of a picture has clearly less of it than the crisp picture.
double edgeEnergy(const QImage& image);

// The device pixels of image under rect, given in the image's logical pixels.
QImage logicalCrop(const QImage& image, const QRect& rect);

// Shown is as crisp as reference, the same content drawn directly at device
// resolution: at most 5 points more one-coloured edge blocks and at least
// 85 % of its edge energy. The message gives the figures either way.
::testing::AssertionResult asCrispAs(const QImage& shown, const QImage& reference);

// Pixels of exactly this colour (alpha ignored).
int pixelsOfColour(const QImage& image, QColor colour);

// The widget rendered at its own device-pixel ratio over a loud fill: any
// device pixel its painting leaves alone keeps the fill.
QImage renderOverFill(QWidget& widget, QColor fill);

}  // namespace tutor::test
