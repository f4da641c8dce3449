#pragma once
// Answering a request of the find or replace dialog: the search parameter
// block for the edit control, and what the user is told afterwards.
#include <windows.h>
#include <commdlg.h>

#include "search/find_commands.h"

namespace velmo {

void AnswerFindRequest(const FindContext& context, const FINDREPLACEA& record);

}  // namespace velmo
