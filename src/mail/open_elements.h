#pragma once
// The stack of open elements while HTML is laid out, answering in constant
// time what a browser's tree builder asks by walking down its stack: where
// the highest open p, li or cell is, and where the highest element is that
// an end tag cannot reach past. Every scope test is then a comparison of two
// indexes, so a run of stray end tags under a deep stack costs no walks.

#include <array>
#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

#include "mail/html_tags.h"
#include "mail/inline_style.h"

namespace vorenta::html {

struct OpenElement {
  Tag tag = Tag::kOther;
  std::u16string_view name;  // as written
  Display display = Display::kInline;
  WhiteSpace white_space = WhiteSpace::kCollapse;  // with what it inherits
  bool hides = false;                              // its subtree is not shown
  bool shown = false;        // it is laid out: not hidden, nor inside something hidden
  bool blank_after = false;  // a paragraph whose bottom margin shows as an empty line
  std::u16string address;    // a shown link's web address
  size_t link_text = std::u16string::npos;  // where the link's first character was written
};

class OpenElements {
 public:
  static constexpr int kNone = -1;

  size_t size() const { return elements_.size(); }
  bool empty() const { return elements_.empty(); }
  OpenElement& operator[](size_t index) { return elements_[index]; }
  const OpenElement& back() const { return elements_.back(); }

  void Push(OpenElement element);
  // Removes the element at index, from the middle too, and hands it back.
  OpenElement Take(size_t index);

  // The index of the highest open element of a known tag, or of any of
  // several; kNone when there is none.
  int Topmost(Tag tag) const { return top_in_bucket_[static_cast<size_t>(tag)]; }
  int Topmost(std::initializer_list<Tag> tags) const;
  // The highest element of no known tag with this name (any case) above floor.
  int TopmostNamed(std::u16string_view name, int floor) const;

  // The highest element that stops end tags (cells, tables, templates ...).
  int TopmostScopeBoundary() const { return empty() ? kNone : links_.back().boundary; }
  // The highest element that stops the end tag of an ordinary inline one.
  int TopmostSpecial() const { return empty() ? kNone : links_.back().special; }
  // The highest special element that a new list item closes past, list items
  // themselves aside.
  int TopmostItemEdge() const { return empty() ? kNone : links_.back().item_edge; }

 private:
  static constexpr size_t kBuckets = 256;

  // Per element: the next lower one of its bucket, and the highest element
  // of each kind at or below it.
  struct Links {
    int below_in_bucket;
    int boundary;
    int special;
    int item_edge;
  };

  static size_t BucketOf(Tag tag, std::u16string_view name);

  std::vector<OpenElement> elements_;
  std::vector<Links> links_;
  std::vector<size_t> buckets_;
  std::array<int, kBuckets> top_in_bucket_ = FilledWithNone();

  static constexpr std::array<int, kBuckets> FilledWithNone() {
    std::array<int, kBuckets> a{};
    for (int& v : a) v = kNone;
    return a;
  }
};

}  // namespace vorenta::html
