#pragma once
#include <string>
#include <vector>

namespace vorenta {

// The lines of a mail as the mail pane shows them: every LF is deleted first
// (so LF alone is not a line break), then the text is split at each CR. An
// empty text has no lines; a CR at the end gives an empty last line.
std::vector<std::u16string> SplitMailText(const std::u16string& mail_text);

}  // namespace vorenta
