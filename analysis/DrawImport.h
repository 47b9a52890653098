#pragma once

// Kept at the path outside programs have included; the declarations live in
// analysis/import/DrawImport.h with the rest of their capability.
#include "analysis/import/DrawImport.h"
