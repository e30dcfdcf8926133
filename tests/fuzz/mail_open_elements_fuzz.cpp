// The open-element stack of the HTML layout against plain walks down a copy
// of it: after any pushes and removals, from the top or the middle, every
// constant-time answer is the one a walk gives.

#include <cstddef>
#include <cstdint>
#include <iterator>
#include <string_view>
#include <vector>

#include "fuzz_check.h"
#include "mail/html_tags.h"
#include "mail/open_elements.h"

using namespace vorenta::html;

namespace {

// Tags of every kind the stack tells apart, and names of no known tag, two
// of them in one case-folded bucket.
constexpr Tag kTags[] = {Tag::kA,  Tag::kB,  Tag::kTd, Tag::kTable,  Tag::kDiv,      Tag::kP,
                         Tag::kLi, Tag::kDd, Tag::kI,  Tag::kButton, Tag::kTemplate, Tag::kTr};
constexpr std::u16string_view kNames[] = {u"x-a", u"X-A", u"o:p", u"y"};

bool SameNameAnyCase(std::u16string_view a, std::u16string_view b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i) {
    const auto lower = [](char16_t c) { return c >= u'A' && c <= u'Z' ? c + 32 : c; };
    if (lower(a[i]) != lower(b[i])) return false;
  }
  return true;
}

int Walk(const std::vector<OpenElement>& stack, bool (*is)(const OpenElement&)) {
  for (size_t i = stack.size(); i-- > 0;) {
    if (is(stack[i])) return static_cast<int>(i);
  }
  return OpenElements::kNone;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  OpenElements open;
  std::vector<OpenElement> copy;
  for (size_t i = 0; i + 1 < size; i += 2) {
    const uint8_t op = data[i];
    const uint8_t arg = data[i + 1];
    if (op % 3 != 0 || copy.empty()) {
      OpenElement e;
      if (op % 2 == 0) {
        e.tag = kTags[arg % std::size(kTags)];
      } else {
        e.name = kNames[arg % std::size(kNames)];
      }
      open.Push(e);
      copy.push_back(e);
    } else {
      const size_t index = arg % copy.size();
      FUZZ_CHECK(open.Take(index).name == copy[index].name);
      copy.erase(copy.begin() + static_cast<std::ptrdiff_t>(index));
    }
    FUZZ_CHECK(open.size() == copy.size());
    for (Tag tag : kTags) {
      int expected = OpenElements::kNone;
      for (size_t k = 0; k < copy.size(); ++k) {
        if (copy[k].tag == tag) expected = static_cast<int>(k);
      }
      FUZZ_CHECK(open.Topmost(tag) == expected);
    }
    const int special = Walk(copy, [](const OpenElement& e) { return HasFlag(e.tag, kSpecial); });
    FUZZ_CHECK(open.TopmostSpecial() == special);
    FUZZ_CHECK(open.TopmostScopeBoundary() ==
               Walk(copy, [](const OpenElement& e) { return HasFlag(e.tag, kScopeBoundary); }));
    FUZZ_CHECK(open.TopmostItemEdge() == Walk(copy, [](const OpenElement& e) {
                 return HasFlag(e.tag, kSpecial) && e.tag != Tag::kDiv && e.tag != Tag::kP &&
                        e.tag != Tag::kAddress && e.tag != Tag::kLi && e.tag != Tag::kDd &&
                        e.tag != Tag::kDt;
               }));
    for (std::u16string_view name : kNames) {
      int expected = OpenElements::kNone;
      for (size_t k = copy.size(); k-- > 0 && static_cast<int>(k) > special;) {
        if (copy[k].tag == Tag::kOther && SameNameAnyCase(copy[k].name, name)) {
          expected = static_cast<int>(k);
          break;
        }
      }
      FUZZ_CHECK(open.TopmostNamed(name, special) == expected);
    }
  }
  return 0;
}
