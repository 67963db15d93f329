#pragma once

#include <QByteArrayView>
#include <QSize>
#include <QString>

#include <optional>

// The course zoom: the whole course drawn Z times larger, as if the screen
// were its size over Z. An older learner on a large monitor reads the
// instructions and the simulated desktop in large print. At a whole Z every
// pixel of the course is Z x Z pixels of the screen.

inline constexpr double MinZoom = 1;
inline constexpr double MaxZoom = 4;
// Ctrl+Plus and Ctrl+Minus move by this much.
inline constexpr double ZoomStep = 0.25;
// The course's layout needs this many of its own pixels.
inline constexpr QSize ZoomLayoutNeeds(800, 600);

// How the zoom is asked for: a number, or "fit", the largest zoom whose
// screen still holds the layout.
struct ZoomSetting {
    bool fit = false;
    double value = 1;  // when not fit
    friend bool operator==(const ZoomSetting &, const ZoomSetting &) = default;
};

// "fit", or a number from MinZoom to MaxZoom with at most two decimals
// ("1.5", "2", "1.25"), blanks around it allowed; anything else is not a zoom.
std::optional<ZoomSetting> parseZoom(QByteArrayView text);
// The text parseZoom reads back: "fit", "1.5", "2".
QString zoomText(double zoom);
QString zoomText(const ZoomSetting &setting);

// The largest zoom, in steps of ZoomStep from 1 to MaxZoom, at which a screen
// of this many course pixels (its size at zoom 1) still holds the layout;
// 1 on a screen that is smaller than the layout already.
double fitZoom(QSize screenAtZoom1);

// The zoom to draw at when `wanted` is asked for on that screen: `wanted`
// when the screen holds the layout at it, else the largest that does.
double usableZoom(double wanted, QSize screenAtZoom1);

// The next zoom up (direction > 0) or down from `current`, on the steps of
// ZoomStep, never above the screen's fit nor below 1. Returns `current` when
// there is no step that way.
double steppedZoom(double current, int direction, QSize screenAtZoom1);
