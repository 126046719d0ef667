#pragma once
#include <fstream>
#include <functional>
#include <string>

// The committed lists (links.txt, graded.txt, spelling.txt) share one plain
// form: an entry a line, and lines starting with '#' are comments.
namespace ListFile {

// Calls `entry` with each line that is neither empty nor a comment, and its
// line number. Stops when `entry` returns false; `error` then says why, as
// it does when the file cannot be read.
bool read(const std::string& path,
    const std::function<bool(const std::string& line, int lineNumber)>& entry, std::string& error);

// Opens `path` for writing with `header` first, each of its lines made a
// comment.
std::ofstream create(const std::string& path, const std::string& header);

} // namespace ListFile
