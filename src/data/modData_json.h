// The game record as JSON, with the record's own field names, for replay dumps and debugging.
#pragma once
#include <string>

#include "data/modData.h"

// {"udtProgress":{"strPlaceName":...,"intFlag":[...1001 values],...},"udtC1":{...}}; arrays in index
// order (intWeNo[0] is slot 1). Texts are UTF-8 with JSON escapes.
std::string GameData_ToJson(const typGameData& In_udtData);
