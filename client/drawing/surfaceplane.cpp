// SurfacePlane: the paper's surface under the pen.
#include "drawing/surfaceplane.h"

#include <cmath>

namespace {
constexpr double Pi = 3.14159265358979323846;
// Steeper than this the pen would slide down the surface rather than draw on it.
constexpr double MaxTiltDegrees = 45;
} // namespace

SurfacePlane SurfacePlane::level(double z)
{
    SurfacePlane plane;
    plane.height = z;
    return plane;
}

std::optional<SurfacePlane> SurfacePlane::through(
    const TouchedPoint &a, const TouchedPoint &b, const TouchedPoint &c, QString &error)
{
    const double ux = b.x - a.x, uy = b.y - a.y, uz = b.z - a.z;
    const double vx = c.x - a.x, vy = c.y - a.y, vz = c.z - a.z;
    const double nx = uy * vz - uz * vy;
    const double ny = uz * vx - ux * vz;
    const double nz = ux * vy - uy * vx;
    if (!(std::sqrt(nx * nx + ny * ny + nz * nz) / 2 >= MinTriangleArea)) {
        error = tr("The three points lie too close together or on one line: touch three corners "
                   "of the paper.");
        return std::nullopt;
    }
    SurfacePlane plane;
    plane.slopeX = -nx / nz;
    plane.slopeY = -ny / nz;
    plane.height = a.z - plane.slopeX * a.x - plane.slopeY * a.y;
    if (!(plane.tiltDegrees() <= MaxTiltDegrees)) {
        error = tr("The three points make a surface steeper than %1°.").arg(MaxTiltDegrees);
        return std::nullopt;
    }
    return plane;
}

double SurfacePlane::z(double x, double y) const
{
    return slopeX * x + slopeY * y + height;
}

double SurfacePlane::tiltDegrees() const
{
    return std::atan(std::hypot(slopeX, slopeY)) * 180 / Pi;
}
