#pragma once

class QScreen;

// How the course is drawn on a screen: the toolkit's factor from the course's
// pixels to the screen's, the course zoom aside (a whole number unless the
// learner forces another),
// and what the display then does to the drawn window: 1 when it shows it as
// drawn (X, the offscreen screen), the output's own scale over the window's
// on a Wayland compositor that resamples it for a fractional scale.
struct DisplayScale {
    double course = 1;
    double shown = 1;
    // The output's scale as the desktop set it: on X the server's or the
    // desktop's font resolution over 96 (1.5 at 144 dots per inch, though
    // the course is drawn at 1 there).
    double output = 1;
};
DisplayScale displayScale(const QScreen *screen);
