#pragma once
// A plain, slow statement of the line split and of the field rules, written
// step by step without any of the engine's shortcuts. The randomised tests
// compare the engine with it.

#include <string>
#include <string_view>
#include <vector>

#include "layout/UGlobal.h"

namespace validador::reference {

// The fields of `line` when it has exactly QtdeCampos-1 tabs, else no fields.
// The line's fields between its tabs, however many.
std::vector<std::string> SplitAtTabs(std::string_view line);
std::vector<std::string> Split(std::string_view line, RecordTypeIndex type);

// The calendar check of one date value: "" when valid, else its message.
std::string Date(std::string_view value);

// The message of the last failing rule of the record ("" when valid).
std::string Check(const std::vector<std::string>& values, RecordTypeIndex type);

}  // namespace validador::reference
