// The fixture screens as a library the host loads for scenarios (VESK_TEST_SCREENS).

#include "FixtureScreens.h"

namespace {
const bool registered = (RegisterFixtureScreens(), true);
}
