#pragma once
// The control's side of searching: EVM_SEARCH runs the search engine on the
// control's document and shows what it found; EVM_GETSEARCHERROR tells how
// the last request ended.
#include <windows.h>

#include "editview/search/search_pattern.h"

namespace velmo {

// The case forms of the user's ANSI code page (CharUpperBuffA, CharLowerBuffA).
CaseMapping UserCaseMapping();

// EVM_SEARCH with the address of a SearchRequest; all five fields are
// copied before anything else is done.
LRESULT RunSearch(WPARAM request);

}  // namespace velmo
