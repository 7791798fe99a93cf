#pragma once
// The JSON form of a data file's records, as vesk-tool dumps and builds them.

#include "DataFile.h"

#include <nlohmann/json.hpp>

#include <stdexcept>

class EJsonFormError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

nlohmann::ordered_json PlainFileToJson(const TPlainFile& file);
// Throws EJsonFormError when the JSON does not describe records.
TPlainFile JsonToPlainFile(const nlohmann::json& json);
