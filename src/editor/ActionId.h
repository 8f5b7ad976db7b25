#pragma once
// The main window's command ids, one per row of the command table.

namespace tarvex {

// The names are the commands' own, in the order of the command table (CommandTable.inc).
enum class TActionId {
#define TARVEX_COMMAND(id, ...) id,
#include "CommandTable.inc"
#undef TARVEX_COMMAND
};

inline constexpr int ActionCount = 0
#define TARVEX_COMMAND(id, ...) +1
#include "CommandTable.inc"
#undef TARVEX_COMMAND
    ;

} // namespace tarvex
