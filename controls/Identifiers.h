#pragma once
// Check digits and display groups of the identifiers a taxpayer types: tax file number, business
// number, company number, superannuation fund number, document number, employer group number.
// Shared by the edit box and the grid's cells.

#include <QString>

enum class TIdentifier { TFN, ABN, ACN, SFN, DIN, EGN };

// An empty or blank entry always passes.
bool IdentifierValid(TIdentifier kind, const QString& text);
QString IdentifierMessage(TIdentifier kind);
// The entry in its display groups; empty stays empty.
QString FormatIdentifier(TIdentifier kind, const QString& text);
