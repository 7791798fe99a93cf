#pragma once
// Deleting a spouse or dependant record, and renaming a spouse, with everything that names
// them: the marital status table, the blind-pension periods and the dependants' maintenance
// tables.

#include <string>

// Asks before a record of the worksheet group is deleted (record numbers from 1); true when it
// may go. For a spouse the rows naming them go too. Other groups always answer true.
bool ConfirmRecordDeletion(int group, int record);

// Every name-column cell equal to oldName becomes newName.
void RenameSpouseReferences(const std::string& oldName, const std::string& newName);
