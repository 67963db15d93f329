#include "effects/secret_panel.h"
