// Blanks and invisible characters in what users type and spreadsheets save:
// trimmed around codes and header names, and shown visibly in messages,
// where a no-break space would otherwise look like nothing at all.
#pragma once

#include <string>
#include <string_view>

namespace tarnwick::cli {

// The text without the blanks around it: tab, space and every other Unicode
// space character (no-break, narrow no-break, figure, thin, ideographic …).
std::string_view TrimBlanks(std::string_view text);

// The text trimmed as TrimBlanks does when trim is set (--trim), else as it stands.
inline std::string_view TrimBlanksIf(std::string_view text, bool trim) { return trim ? TrimBlanks(text) : text; }

// Appends the text as UTF-8 with every character that cannot be seen (controls,
// spaces other than the plain one, zero-width and direction marks) written
// as <U+XXXX>, and bytes that are not UTF-8 as U+FFFD.
void AppendVisible(std::string_view text, std::string& out);

}  // namespace tarnwick::cli
