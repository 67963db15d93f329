#include "effects/clock_text.h"
