#pragma once

// Kept at the path outside programs include; the declarations live in
// analysis/wheels/TicketCheck.h with the rest of their capability.
#include "analysis/wheels/TicketCheck.h"
