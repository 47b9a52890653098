#pragma once

// Kept at the path outside programs have included; the declarations live in
// analysis/chance/Fairness.h with the rest of their capability.
#include "analysis/chance/Fairness.h"
