#include "effects/harm_fade_core.h"
