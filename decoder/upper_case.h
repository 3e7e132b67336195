// Upper-casing one character the same way everywhere the program runs: the
// simple (one-to-one) upper-case mapping of the Unicode data the build was
// made from, independent of the C library, the toolkit or the browser.
#pragma once

#include <cstddef>

namespace tarnwick {

// The upper-case form of c; c itself when it has none of its own.
char32_t SimpleUpperCase(char32_t c);

// The characters the mapping changes, in code point order (for tests).
struct UpperCasePair {
    char32_t code;
    char32_t upper;
};
std::size_t UpperCasePairCount();
UpperCasePair UpperCasePairAt(std::size_t index);

}  // namespace tarnwick
