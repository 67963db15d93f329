#include "globe.h"

#include <cmath>
#include <vector>

namespace art {
namespace {

constexpr double Pi = 3.14159265358979323846;

struct Point {
    double lon;
    double lat;
};

using Outline = std::vector<Point>;

bool inside(const Outline &shape, double lon, double lat)
{
    bool in = false;
    for (size_t i = 0, j = shape.size() - 1; i < shape.size(); j = i++) {
        const Point &a = shape[i];
        const Point &b = shape[j];
        if ((a.lat > lat) != (b.lat > lat)
            && lon < (b.lon - a.lon) * (lat - a.lat) / (b.lat - a.lat) + a.lon)
            in = !in;
    }
    return in;
}

// Coarse coastlines, good enough for a globe forty pixels across.
const std::vector<Outline> &landShapes()
{
    static const std::vector<Outline> shapes = {
        // North America
        { { -168, 66 }, { -162, 70 }, { -150, 71 }, { -140, 70 }, { -128, 70 },
          { -115, 68 }, { -100, 68 }, { -95, 72 }, { -85, 70 }, { -88, 64 },
          { -94, 60 }, { -92, 57 }, { -82, 55 }, { -79, 52 }, { -78, 58 },
          { -78, 62 }, { -72, 62 }, { -65, 60 }, { -62, 56 }, { -56, 52 },
          { -60, 47 }, { -66, 44 }, { -70, 42 }, { -75, 38 }, { -76, 35 },
          { -81, 31 }, { -80, 27 }, { -81, 25 }, { -83, 29 }, { -90, 30 },
          { -97, 28 }, { -97, 22 }, { -95, 18 }, { -90, 21 }, { -87, 21 },
          { -88, 16 }, { -84, 15 }, { -83, 10 }, { -79, 9 }, { -77, 8 },
          { -80, 7 }, { -86, 12 }, { -92, 14 }, { -98, 16 }, { -105, 20 },
          { -110, 24 }, { -115, 30 }, { -118, 34 }, { -123, 38 }, { -124, 42 },
          { -124, 48 }, { -130, 54 }, { -137, 58 }, { -148, 60 }, { -155, 58 },
          { -165, 60 } },
        // Arctic islands of Canada
        { { -80, 73 }, { -70, 71 }, { -62, 67 }, { -65, 63 }, { -72, 64 },
          { -78, 65 }, { -86, 70 } },
        { { -120, 77 }, { -100, 79 }, { -85, 81 }, { -72, 80 }, { -82, 76 },
          { -95, 74 }, { -110, 73 }, { -122, 73 } },
        // South America
        { { -77, 8 }, { -72, 12 }, { -63, 11 }, { -60, 8 }, { -52, 5 },
          { -50, 0 }, { -44, -2 }, { -35, -5 }, { -35, -9 }, { -39, -15 },
          { -40, -22 }, { -48, -26 }, { -53, -34 }, { -58, -35 }, { -57, -38 },
          { -62, -40 }, { -65, -45 }, { -68, -50 }, { -69, -55 }, { -74, -53 },
          { -74, -45 }, { -73, -37 }, { -71, -30 }, { -70, -18 }, { -76, -14 },
          { -81, -6 }, { -80, -1 }, { -78, 2 } },
        // Africa
        { { -17, 21 }, { -13, 28 }, { -9, 32 }, { -6, 36 }, { 10, 37 },
          { 11, 33 }, { 20, 31 }, { 32, 31 }, { 34, 28 }, { 39, 20 },
          { 43, 12 }, { 51, 12 }, { 51, 10 }, { 42, -1 }, { 40, -10 },
          { 35, -20 }, { 33, -26 }, { 27, -34 }, { 20, -35 }, { 18, -31 },
          { 12, -18 }, { 13, -9 }, { 9, -1 }, { 9, 4 }, { 5, 5 },
          { -4, 5 }, { -8, 4 }, { -13, 8 }, { -17, 14 } },
        { { 44, -25 }, { 47, -25 }, { 50, -15 }, { 49, -12 }, { 44, -17 } },
        // Europe and Asia
        { { -9, 37 }, { -9, 43 }, { -1, 44 }, { -4, 48 }, { 2, 51 },
          { 8, 54 }, { 8, 57 }, { 7, 58 }, { 5, 60 }, { 5, 62 },
          { 10, 64 }, { 15, 68 }, { 20, 70 }, { 28, 71 }, { 40, 68 },
          { 44, 66 }, { 50, 68 }, { 60, 69 }, { 70, 73 }, { 80, 73 },
          { 100, 77 }, { 112, 74 }, { 130, 72 }, { 140, 72 }, { 160, 70 },
          { 179, 69 }, { 178, 64 }, { 165, 60 }, { 156, 57 }, { 143, 59 },
          { 137, 54 }, { 141, 52 }, { 140, 48 }, { 133, 43 }, { 129, 40 },
          { 127, 35 }, { 126, 38 }, { 122, 40 }, { 121, 37 }, { 122, 31 },
          { 121, 28 }, { 117, 23 }, { 110, 21 }, { 109, 12 }, { 105, 9 },
          { 101, 13 }, { 103, 1 }, { 100, 6 }, { 98, 10 }, { 98, 16 },
          { 94, 17 }, { 92, 22 }, { 87, 21 }, { 80, 15 }, { 78, 8 },
          { 73, 18 }, { 72, 21 }, { 67, 24 }, { 57, 25 }, { 56, 27 },
          { 50, 30 }, { 48, 29 }, { 51, 24 }, { 56, 24 }, { 59, 22 },
          { 52, 16 }, { 43, 12 }, { 39, 21 }, { 35, 28 }, { 34, 31 },
          { 36, 36 }, { 30, 36 }, { 27, 37 }, { 26, 40 }, { 23, 40 },
          { 22, 37 }, { 20, 40 }, { 19, 42 }, { 13, 45 }, { 12, 44 },
          { 18, 40 }, { 16, 38 }, { 11, 42 }, { 8, 44 }, { 3, 43 },
          { -2, 37 }, { -5, 36 } },
        // Britain, Ireland, Iceland
        { { -5, 50 }, { 1, 51 }, { 2, 53 }, { -1, 55 }, { -2, 57 },
          { -5, 59 }, { -6, 56 }, { -3, 54 }, { -5, 52 } },
        { { -10, 52 }, { -6, 52 }, { -6, 55 }, { -8, 55 }, { -10, 54 } },
        { { -24, 64 }, { -13, 65 }, { -15, 66.5 }, { -22, 66.5 } },
        // Japan, the islands of South East Asia, Australia
        { { 130, 31 }, { 135, 34 }, { 140, 35 }, { 142, 40 }, { 142, 45 },
          { 139, 42 }, { 136, 37 }, { 131, 34 } },
        { { 95, 5 }, { 106, -6 }, { 103, -5 }, { 98, 0 } },
        { { 109, 1 }, { 117, 7 }, { 119, 1 }, { 116, -4 }, { 110, -3 } },
        { { 132, -1 }, { 141, -3 }, { 150, -10 }, { 141, -9 }, { 138, -8 } },
        { { 114, -22 }, { 122, -18 }, { 130, -12 }, { 137, -12 }, { 141, -11 },
          { 145, -15 }, { 150, -22 }, { 153, -28 }, { 150, -37 }, { 145, -39 },
          { 138, -35 }, { 131, -32 }, { 122, -34 }, { 115, -34 } },
    };
    return shapes;
}

const std::vector<Outline> &iceShapes()
{
    static const std::vector<Outline> shapes = {
        // Greenland
        { { -73, 78 }, { -60, 82 }, { -35, 83 }, { -20, 81 }, { -18, 75 },
          { -22, 70 }, { -32, 68 }, { -40, 65 }, { -43, 60 }, { -50, 62 },
          { -53, 67 }, { -55, 71 }, { -66, 76 } },
    };
    return shapes;
}

const std::vector<Outline> &inlandSeas()
{
    static const std::vector<Outline> shapes = {
        // Black Sea, Caspian Sea, Baltic Sea
        { { 28, 42 }, { 28, 45 }, { 33, 46 }, { 38, 47 }, { 41, 42 }, { 36, 41 } },
        { { 47, 45 }, { 52, 47 }, { 54, 41 }, { 54, 37 }, { 49, 37 }, { 48, 42 } },
        { { 12, 54 }, { 20, 54 }, { 22, 57 }, { 24, 59 }, { 30, 60 }, { 22, 61 },
          { 21, 64 }, { 25, 66 }, { 22, 66 }, { 17, 62 }, { 18, 59 }, { 16, 57 },
          { 12, 56 } },
    };
    return shapes;
}

enum class Ground { Sea, Land, Ice };

Ground groundAt(double lon, double lat)
{
    if (lat < -66)
        return Ground::Ice;
    for (const Outline &shape : iceShapes())
        if (inside(shape, lon, lat))
            return Ground::Ice;
    for (const Outline &shape : inlandSeas())
        if (inside(shape, lon, lat))
            return Ground::Sea;
    for (const Outline &shape : landShapes())
        if (inside(shape, lon, lat))
            return Ground::Land;
    return Ground::Sea;
}

// A shading ramp: brightness stops with the colour used from that point on.
// Between two stops the colours are mixed by ordered dithering.
struct Stop {
    double level;
    char code;
};

char shade(const std::vector<Stop> &ramp, double level, int x, int y)
{
    if (level <= ramp.front().level)
        return ramp.front().code;
    for (size_t i = 1; i < ramp.size(); ++i) {
        if (level < ramp[i].level) {
            const double t = (level - ramp[i - 1].level) / (ramp[i].level - ramp[i - 1].level);
            return t > bayer(x, y) ? ramp[i].code : ramp[i - 1].code;
        }
    }
    return ramp.back().code;
}

} // namespace

// A globe seen from above the Atlantic, lit from the top left, in the
// sixteen colours.
Grid globe(int size)
{
    const double radius = size / 2.0 - 1.0; // leaves room for the rim
    const double centre = size / 2.0;
    const double tilt = 16.0 * Pi / 180.0;
    const double facing = -24.0;
    double light[3] = { -0.4, 0.5, 0.77 };
    const double length = std::sqrt(light[0] * light[0] + light[1] * light[1] + light[2] * light[2]);
    for (double &component : light)
        component /= length;

    const std::vector<Stop> sea = { { 0.0, 'n' }, { 0.45, 'b' }, { 0.955, 'b' }, { 0.995, 'a' } };
    const std::vector<Stop> land = { { 0.82, 'g' }, { 1.0, 'l' } };
    const std::vector<Stop> ice = { { 0.25, 'd' }, { 0.45, 's' }, { 0.80, 's' }, { 1.0, 'w' } };

    Grid grid(size, size);
    for (int y = 0; y < size; ++y) {
        for (int x = 0; x < size; ++x) {
            const double nx = (x + 0.5 - centre) / radius;
            const double ny = (centre - (y + 0.5)) / radius;
            const double d2 = nx * nx + ny * ny;
            if (d2 > 1.0)
                continue;
            const double nz = std::sqrt(1.0 - d2);
            const double lat = std::asin(ny * std::cos(tilt) + nz * std::sin(tilt)) * 180.0 / Pi;
            double lon = facing
                + std::atan2(nx, nz * std::cos(tilt) - ny * std::sin(tilt)) * 180.0 / Pi;
            if (lon > 180.0)
                lon -= 360.0;
            if (lon < -180.0)
                lon += 360.0;
            const double level = nx * light[0] + ny * light[1] + nz * light[2];
            switch (groundAt(lon, lat)) {
            case Ground::Sea: grid.set(x, y, shade(sea, level, x, y)); break;
            case Ground::Land: grid.set(x, y, shade(land, level, x, y)); break;
            case Ground::Ice: grid.set(x, y, shade(ice, level, x, y)); break;
            }
        }
    }
    grid.outline('k');
    return grid;
}

} // namespace art
