#include "documents/document_context.h"

namespace velmo {

namespace {

DocumentContext& Context() {
    static DocumentContext context;
    return context;
}

}  // namespace

void SetDocumentContext(const DocumentContext& context) { Context() = context; }

const DocumentContext& Documents() { return Context(); }

}  // namespace velmo
