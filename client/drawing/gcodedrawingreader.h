// GcodeDrawingReader: the pen strokes of G-code as pen plotters and lasers use it: G0 and G1,
// the arcs G2 and G3, inches (G20) or millimetres (G21), absolute (G90) or relative (G91)
// positions, the pen lowered by M3 and lifted by M5.
#pragma once

#include "drawing/pendrawing.h"

#include <QCoreApplication>

class GcodeDrawingReader
{
    Q_DECLARE_TR_FUNCTIONS(GcodeDrawingReader)

public:
    // Reads data into drawing, arcs flattened to tolerance mm. False, with the reason in error
    // and drawing untouched, for a file that is not G-code or draws nothing. Words it does not
    // know are listed in the drawing's warnings and left out, not guessed at.
    static bool read(const QByteArray &data, double tolerance, PenDrawing &drawing, QString &error);
};
