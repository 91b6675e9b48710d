#pragma once

// What the window says when a check has ended: a caption that stays until the next status text,
// and a message with the counts, the certification line and where the report is (1251).

#include "check/CheckOutcome.h"

#include <string>

namespace tabulex::app {

std::string OutcomeCaption(const check::CheckOutcome& outcome);
std::string OutcomeMessage(const check::CheckOutcome& outcome);

}  // namespace tabulex::app
