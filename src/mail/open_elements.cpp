#include "mail/open_elements.h"

#include <algorithm>

namespace vorenta::html {

namespace {

char16_t LowerAscii(char16_t c) {
  return c >= u'A' && c <= u'Z' ? static_cast<char16_t>(c + (u'a' - u'A')) : c;
}

bool SameName(std::u16string_view a, std::u16string_view b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i) {
    if (LowerAscii(a[i]) != LowerAscii(b[i])) return false;
  }
  return true;
}

bool IsItemEdge(Tag tag) {
  switch (tag) {
    case Tag::kAddress:
    case Tag::kDiv:
    case Tag::kP:
    case Tag::kLi:
    case Tag::kDd:
    case Tag::kDt:
      return false;
    default:
      return HasFlag(tag, kSpecial);
  }
}

}  // namespace

static_assert(kKnownTagCount < 128, "known tags and other names need buckets of their own");

size_t OpenElements::BucketOf(Tag tag, std::u16string_view name) {
  if (tag != Tag::kOther) return static_cast<size_t>(tag);
  size_t hash = 0;
  for (char16_t c : name) hash = hash * 31 + LowerAscii(c);
  return 128 + hash % 128;
}

int OpenElements::Topmost(std::initializer_list<Tag> tags) const {
  int top = kNone;
  for (Tag tag : tags) top = std::max(top, Topmost(tag));
  return top;
}

int OpenElements::TopmostNamed(std::u16string_view name, int floor) const {
  for (int i = top_in_bucket_[BucketOf(Tag::kOther, name)]; i > floor;
       i = links_[static_cast<size_t>(i)].below_in_bucket) {
    if (SameName(elements_[static_cast<size_t>(i)].name, name)) return i;
  }
  return kNone;
}

void OpenElements::Push(OpenElement element) {
  const int index = static_cast<int>(elements_.size());
  const size_t bucket = BucketOf(element.tag, element.name);
  const Links below = empty() ? Links{kNone, kNone, kNone, kNone} : links_.back();
  links_.push_back({top_in_bucket_[bucket],
                    HasFlag(element.tag, kScopeBoundary) ? index : below.boundary,
                    HasFlag(element.tag, kSpecial) ? index : below.special,
                    IsItemEdge(element.tag) ? index : below.item_edge});
  top_in_bucket_[bucket] = index;
  buckets_.push_back(bucket);
  elements_.push_back(std::move(element));
}

OpenElement OpenElements::Take(size_t index) {
  const int removed = static_cast<int>(index);
  OpenElement element = std::move(elements_[index]);
  const Links links = links_[index];
  const size_t bucket = buckets_[index];
  elements_.erase(elements_.begin() + removed);
  links_.erase(links_.begin() + removed);
  buckets_.erase(buckets_.begin() + removed);
  if (top_in_bucket_[bucket] == removed) top_in_bucket_[bucket] = links.below_in_bucket;
  // Only an element closed in place has others above it; their indexes
  // move down by one. Each was pushed after it, which pays for the fix.
  const Links below = index == 0 ? Links{kNone, kNone, kNone, kNone} : links_[index - 1];
  const auto moved = [removed](int value, int instead) {
    return value == removed ? instead : value > removed ? value - 1 : value;
  };
  for (size_t j = index; j < links_.size(); ++j) {
    Links& l = links_[j];
    l.below_in_bucket = moved(l.below_in_bucket, links.below_in_bucket);
    l.boundary = moved(l.boundary, below.boundary);
    l.special = moved(l.special, below.special);
    l.item_edge = moved(l.item_edge, below.item_edge);
    if (top_in_bucket_[buckets_[j]] == static_cast<int>(j) + 1) {
      top_in_bucket_[buckets_[j]] = static_cast<int>(j);
    }
  }
  return element;
}

}  // namespace vorenta::html
