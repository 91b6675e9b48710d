#include "check/MainTable.h"

#include "word/WordModel.h"

namespace tabulex::check {

int PickMainTable(word::Tables& tables) {
    int best = 0;
    int bestRows = -1;
    const int count = tables.Count();
    for (int k = 1; k <= count; ++k) {
        const int rows = tables.Item(k)->Rows()->Count();
        if (rows > bestRows) {
            best = k;
            bestRows = rows;
        }
    }
    return best;
}

}  // namespace tabulex::check
