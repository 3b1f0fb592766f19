// Tests pick list entries by caption, not by position, so that a table that gains or reorders
// an entry needs no renumbering in them.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "forms/runtime.h"

namespace testsupport {

// The position of the entry `caption` in the list `list` of `window`; -1, and a test failure,
// when the list has no such entry.
inline int entryIndex(const forms::Forms& forms, const std::string& window, const std::string& list,
                      const std::string& caption) {
    const auto& items = forms.definition(window).layout.find(list)->items;
    const auto it = std::find(items.begin(), items.end(), caption);
    if (it == items.end()) {
        ADD_FAILURE() << window << "." << list << " has no entry \"" << caption << "\"";
        return -1;
    }
    return static_cast<int>(it - items.begin());
}

}  // namespace testsupport
