#include "WorksheetDeletion.h"

namespace {
TDeletionCascade& Cascade() {
    static TDeletionCascade cascade;
    return cascade;
}
} // namespace

void SetDeletionCascade(TDeletionCascade cascade) {
    Cascade() = std::move(cascade);
}

bool WorksheetDeletionAllowed(int group, int instance) {
    return Cascade() && Cascade()(group, instance);
}
