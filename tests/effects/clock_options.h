#pragma once

// The clock formats the tests of the clock's text and of the clock share.

#include "effects/clock_text.h"

using Options = Clock::Options;

inline const Options HhMm{.showSeconds = false, .leadingZero = true, .twelveHour = false};
inline const Options HMm{.showSeconds = false, .leadingZero = false, .twelveHour = false};
inline const Options HhMmSs{.showSeconds = true, .leadingZero = true, .twelveHour = false};
inline const Options HMmSs{.showSeconds = true, .leadingZero = false, .twelveHour = false};
inline const Options HMmAp{.showSeconds = false, .leadingZero = false, .twelveHour = true};
inline const Options HMmSsAp{.showSeconds = true, .leadingZero = false, .twelveHour = true};
