#include "editview/model/row_table_keeper.h"

#include "editview/model/text_store.h"

namespace velmo {

bool RowTableKeeper::Prepare(TextStore& store, const TextChange& change) {
    const TextBuffer& buffer = store.Buffer();
    return PrepareRewrap(store.Heap(), &store.Rows(), buffer.base, buffer.length, change, store.Rules(), &plan_);
}

std::uint32_t RowTableKeeper::Apply(TextStore& store, const TextChange&) {
    FinishRewrap(&store.Rows(), store.Buffer().base, plan_, store.Rules());
    rowsChanged_ = plan_.newRows != plan_.endRow - plan_.firstRow || plan_.newLines != plan_.oldLines;
    return plan_.firstLine;
}

}  // namespace velmo
