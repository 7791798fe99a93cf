// The calculation's commands (check, relevant, changes, days) are registered here.
#include "ToolSupport.h"

void RegisterCalcCommands() {}
