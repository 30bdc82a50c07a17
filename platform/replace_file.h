#pragma once
// Putting a file in place whole, or not at all.

#include <string>
#include <string_view>

namespace glandwise {

// Writes `bytes` as the file `name` in the folder `directory`: first to a new temporary
// file in that folder (created exclusively, so never through a link), flushed to the disk,
// then renamed over `name`. An existing file or link of that name is replaced, never
// written through; a failure leaves no partial file behind. Returns an empty text on
// success, otherwise what failed, with the path and the system's reason.
std::string replaceFile(const std::string& directory, const std::string& name, std::string_view bytes);

// replaceFile for the file at `path`: in its folder, or in the current folder when it names none.
std::string replaceFileAt(const std::string& path, std::string_view bytes);

}  // namespace glandwise
