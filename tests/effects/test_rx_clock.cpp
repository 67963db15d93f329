#include "effects/rx_clock.h"
