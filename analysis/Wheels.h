#pragma once

// The declarations live in analysis/wheels/Wheels.h with the rest of their capability.
#include "analysis/wheels/Wheels.h"
