#pragma once

#include <QSize>

class QScreen;

// The course zoom on the screen (see course_zoom.h for its arithmetic). The
// toolkit draws every window at its scale factor times the zoom, so the
// course lays itself out on a screen that is the zoom times smaller.

// The zoom the course is drawn at now: 1 until setCourseZoom.
double courseZoom();

// The screen's size in the course's pixels at zoom 1, whatever the zoom now.
QSize screenAtZoom1(const QScreen *screen);

// Draws the whole program at this zoom from now on, at once: the toolkit's
// factor, the period fonts for the new scale (the bitmap face only at 1x),
// every window that shows laid out again (one that filled the screen or its
// free area fills the new one, any other keeps its place and size in the
// course's pixels, moved onto the screen where it would stand off it), and
// the pictures that labels show made anew for the scale. An open popup menu
// is closed: it stood where the old layout put it. Nothing else is lost: no
// window is made anew, so a typed text, a selection, the focus and an open
// dialog stay as they are.
void setCourseZoom(double zoom);
