#pragma once

// Kept at the path outside programs have included; the declarations live in
// analysis/groups/Groups.h with the rest of their capability.
#include "analysis/groups/Groups.h"
