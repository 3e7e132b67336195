// Upper-casing of field texts character by character, as typing into the
// window does: each UTF-8 character is replaced by its upper-case form;
// bytes that are not well-formed UTF-8 pass through unchanged.
#pragma once

#include <string>
#include <string_view>

namespace tarnwick::cli {

// Appends the upper-cased text to out: the core's simple upper case, as the
// window and the web page apply it.
void AppendUpperCase(std::string_view text, std::string& out);

// The same into a buffer of at least 4 * text.size() bytes; returns the end.
char* UpperCaseInto(std::string_view text, char* out);

}  // namespace tarnwick::cli
