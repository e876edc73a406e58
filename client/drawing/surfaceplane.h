// SurfacePlane: the paper's surface under the pen, level or tilted, as heights over the table.
#pragma once

#include <QCoreApplication>

#include <optional>

// A point the pen touched, in the arm's millimetres.
struct TouchedPoint
{
    double x = 0;
    double y = 0;
    double z = 0;
};

class SurfacePlane
{
    Q_DECLARE_TR_FUNCTIONS(SurfacePlane)

public:
    // Touched points closer together than this define no plane worth following, mm squared.
    static constexpr double MinTriangleArea = 100;

    static SurfacePlane level(double z);
    // The plane through three touched points; none, with the reason in error, when they lie too
    // close together or on one line, or the plane stands too steep for a pen to follow.
    static std::optional<SurfacePlane> through(
        const TouchedPoint &a, const TouchedPoint &b, const TouchedPoint &c, QString &error);

    double z(double x, double y) const;
    // The angle between the plane and a level one, degrees.
    double tiltDegrees() const;

private:
    // z = slopeX x + slopeY y + height
    double slopeX = 0;
    double slopeY = 0;
    double height = 0;
};
