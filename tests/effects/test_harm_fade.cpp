#include "effects/harm_fade.h"
