#include "RunState.h"

namespace {
TRunState state;
}

TRunState& RunState() {
    return state;
}

void ResetRunState() {
    state = TRunState{};
}
