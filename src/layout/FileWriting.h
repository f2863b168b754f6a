#pragma once

#include <string>

namespace orvanest {

// Writes `content` to a temporary file beside `path`, then renames it over `path`, so a failed or
// interrupted write never leaves a truncated file and never destroys the previous one. Answers
// false (with a reason in `error` when given) when the file could not be written completely.
bool writeFileAtomically(const std::string& path, const std::string& content, std::string* error = nullptr);

}  // namespace orvanest
