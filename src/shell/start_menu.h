#pragma once

// The rows of the simulated Start menu picture: 1 Programs, 2 Documents,
// 3 Settings, 4 Find, 5 Help, 6 Run, 7 Shut Down. Each row is 30 pixels
// high and its picture is drawn at x 24; a separator gap lies between Run
// and Shut Down.
inline constexpr int StartMenuRows = 7;
inline constexpr int StartMenuItemLeft = 24;

// The row whose band holds y (image coordinates), or -1 for none (above the
// first row, the separator gap, below the last row). The x coordinate never
// matters.
int startMenuRow(int y);
// The top y of a row's picture.
int startMenuRowTop(int row);
