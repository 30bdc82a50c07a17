#pragma once
// The text of a data table file (the AS568 sizes, the design rules): read whole, at most
// kMaxTableFileBytes, from a file or a pipe.

#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace glandwise {

// The longest table file read: the shipped tables hold tens of kilobytes.
inline constexpr std::size_t kMaxTableFileBytes = 1 << 20;

// The text of `file` (a pipe will do), or nothing with why in `error`, which names the file
// as `what` ("the AS568 table"): a missing or unreadable file with the system's reason, a
// folder, and a file longer than kMaxTableFileBytes, which is not read beyond that.
std::optional<std::string> readTableFile(const std::filesystem::path& file, std::string_view what,
                                         std::string& error);

}  // namespace glandwise
