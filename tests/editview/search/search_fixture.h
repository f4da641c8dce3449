#pragma once
// A search engine on the editing fixture's store, with the store's search
// host and Latin-1 case forms.
#include <string>

#include "../model/editing_fixture.h"
#include "search_host.h"

namespace velmo::testing {

class SearchFixture : public EditingFixture {
protected:
    std::uint32_t Run(std::uint32_t operation, const std::string& find, const std::string& with = "",
                      bool down = true, bool ignoreCase = false) {
        SearchRequest request{operation, down ? 1u : 0u, ignoreCase ? 1u : 0u, find.c_str(), with.c_str()};
        return engine.Run(request, host);
    }
    std::uint32_t Find(const std::string& find, bool down = true, bool ignoreCase = false) {
        return Run(SEARCH_FIND, find, "", down, ignoreCase);
    }
    std::uint32_t ReplaceAll(const std::string& find, const std::string& with, bool ignoreCase = false) {
        return Run(SEARCH_REPLACE_ALL, find, with, true, ignoreCase);
    }

    StoreSearchHost host{store, editor};
    SearchEngine engine{store, events, CaseMapping{UpperInPlace, LowerInPlace}};
};

}  // namespace velmo::testing
