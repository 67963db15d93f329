#pragma once

#include <QFont>
#include <QIcon>
#include <QPalette>
#include <QPixmap>

#include "platform/period_color.h"

class QApplication;
class QLabel;
class QWidget;

// The look of the classic desktop: the "Windows" widget style, the grey
// palette with navy highlight, and the period fonts (Tahoma, MS Sans Serif,
// Marlett) from the fonts-wine package when it is installed. Without those
// font files the look falls back quietly to metric-compatible fonts.
void applyPeriodLook(QApplication &app);

QPalette periodPalette();

// A container that the lessons disable to lock it (the taskbar, the Open
// button's panel) ignores input but keeps its look: what it holds is drawn
// as if enabled. A control disabled on its own is still drawn greyed.
void keepLookWhenDisabled(QWidget *container);
// Whether w is disabled only by such a container, and so drawn as enabled.
bool keepsEnabledLook(const QWidget *w);
// The palette to draw w with: an enabled one's colours when it keeps its look.
QPalette lookPalette(const QWidget *w);

// A font of the period by pixel height, as the classic forms give it:
// Tahoma 8 pt is 11 pixels at 96 dots per inch, Courier New 10 pt is 13.
QFont periodFont(const QString &family, int pixelHeight, bool bold = false);

// Registers the bitmap face MS Sans Serif while the course is drawn at 1x,
// and takes it away at any other scale, where Tahoma stands for it; for a
// change of scale while the course runs.
void updatePeriodFonts();
// A picture as the course shows it: each of its pixels N x N device pixels at
// the whole scale N, copied, never smoothed (the toolkit would smooth a
// picture it scales itself). At a fractional scale the copy at the whole
// scale above, smoothed down to the screen's pixels. At 1 the picture itself.
QPixmap crispPixmap(const QPixmap &picture);
// Shows a picture on a label as crispPixmap makes it, and again at a new
// scale when refreshCrispPixmaps is called (the course zoom changed).
void setCrispPixmap(QLabel *label, const QPixmap &picture);
void refreshCrispPixmaps();
// Adds a picture to an icon for a mode, with its copies at whole scales, so
// the icon is never smoothed either; crispIcon makes an icon of one picture.
void addCrispPixmap(QIcon &icon, const QPixmap &picture, QIcon::Mode mode = QIcon::Normal);
QIcon crispIcon(const QPixmap &picture);
