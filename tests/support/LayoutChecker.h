#pragma once

#include <string>

#include "layout/Layout.h"
#include "packing/Overlap.h"

namespace orvanest::testing {

// The check every packing method must pass: each part that lies on the board is compatible with every
// other part. Answers an empty text, or a description of the first fault found.
inline std::string checkLayout(const Layout& layout) {
    int i = 0;
    for (const Part& a : layout.parts) {
        if (liesWithin(a, layout.extent)) {
            int j = 0;
            for (const Part& b : layout.parts) {
                if (&a != &b && !compatibleWith(a, b))
                    return "part " + std::to_string(i) + " (" + a.name + ") on the board conflicts with part " +
                           std::to_string(j) + " (" + b.name + ")";
                ++j;
            }
        }
        ++i;
    }
    return "";
}

}  // namespace orvanest::testing
