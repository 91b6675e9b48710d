#pragma once

// The field rules the row rules call: titles, whitespace, covering dates and case numbers.

#include "rules/CaseNumbers.h"
#include "rules/DateRules.h"
#include "rules/TitleRules.h"
#include "rules/WhitespaceRules.h"
