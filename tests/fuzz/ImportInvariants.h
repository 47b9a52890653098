#pragma once

#include <string>

// Proposes a layout for `bytes` as a delimited history, reads it with that
// layout (and with the opposite order) and checks what must hold whatever the
// file holds. Returns the first broken rule, empty when all hold.
std::string CheckImportHistory(const std::string& bytes);
