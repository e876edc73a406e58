// SvgDrawingReader: the outlines of every shape and text of an SVG drawing as pen strokes, at the
// drawing's real size.
#pragma once

#include "drawing/pendrawing.h"

#include <QCoreApplication>

class SvgDrawingReader
{
    Q_DECLARE_TR_FUNCTIONS(SvgDrawingReader)

public:
    // Reads data into drawing, curves flattened to tolerance mm. The size comes from the root's
    // width and height (mm, cm, in, pt, pc, px at 96 per inch) and its viewBox; without them a
    // user unit is a pixel. False, with the reason in error and drawing untouched, for a file that
    // is not a well-formed SVG drawing or draws nothing.
    static bool read(const QByteArray &data, double tolerance, PenDrawing &drawing, QString &error);
};
