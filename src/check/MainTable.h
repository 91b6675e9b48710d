#pragma once

namespace tabulex::word {
class Tables;
}

namespace tabulex::check {

// The table with the most rows, the first among equally long ones (1-based); 0 when there is none.
int PickMainTable(word::Tables& tables);

}  // namespace tabulex::check
