// DrawingFile: a drawing file read from disk, SVG or G-code, kept so that it can be read again at
// another tolerance when the user changes the drawing's size.
#pragma once

#include "drawing/pendrawing.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QString>

class DrawingFile
{
    Q_DECLARE_TR_FUNCTIONS(DrawingFile)

public:
    enum class Kind { Svg, Gcode };

    // Reads the file's bytes. False, with the reason in error, for what is not a regular readable
    // file or is larger than PenDrawing::MaxFileBytes.
    bool load(const QString &path, QString &error);
    // Its strokes, curves flattened to tolerance mm; see the readers.
    bool read(double tolerance, PenDrawing &drawing, QString &error) const;

    QString fileName() const { return name; }

private:
    QByteArray data;
    Kind fileKind = Kind::Svg;
    QString name;
};
