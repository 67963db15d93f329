#pragma once

class QScreen;

// The resolution of the screen as the learner's display is set up, in dots
// per inch: what the desktop asked for, before the toolkit's own scaling.
int screenDotsPerInch(const QScreen *screen);
