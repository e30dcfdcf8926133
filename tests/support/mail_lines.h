#pragma once
// Helpers the tests, fuzzers and benchmarks share: a mail's lines as a
// vector, and TextRange in failure messages.

#include <string>
#include <vector>

#include "core/keyword_matcher.h"

namespace vorenta {

// Every line MailLineReader gives, at once.
std::vector<std::u16string> SplitMailText(const std::u16string& mail_text);

template <typename Stream>
Stream& operator<<(Stream& out, const TextRange& range) {
  return out << '[' << range.begin << ',' << range.end << ')';
}

}  // namespace vorenta
