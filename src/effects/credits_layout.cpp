#include "effects/credits_layout.h"
