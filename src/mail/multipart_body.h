#pragma once
// The body parts of a multipart body, as views into it.

#include <string_view>
#include <vector>

namespace vorenta {

// The parts between the delimiter lines "--boundary" (trailing white space
// allowed). The preamble before the first one and the epilogue after
// "--boundary--" are dropped; without the closing line the last part runs to
// the end. The line break before each delimiter belongs to the delimiter.
// At most max_parts parts are returned. One pass over the body.
std::vector<std::string_view> SplitMultipartBody(std::string_view body, std::string_view boundary,
                                                 size_t max_parts);

}  // namespace vorenta
