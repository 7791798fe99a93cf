#include "ClaimantScreens.h"

#include "Cp1252.h"
#include "FieldStore.h"
#include "Lookups.h"

QStringList SpouseDisplayNames() {
    QStringList names;
    for (int index = 0; index < WorksheetInstanceCount(SpouseGroup); ++index)
        names << QString::fromStdString(Cp1252ToUtf8(SpouseName(index)));
    return names;
}
