// The search and what it leaves behind: the hits to move through, the
// count in the title, and each keyword's count and colour.

#include <algorithm>

#include "ui/keyword_colours.h"
#include "ui/texts.h"
#include "ui/window_logic.h"

namespace vorenta {

void WindowLogic::OnSearchClick() {
  // Every keyword at once, every line read once; the hits are selected in one
  // go, adding to what was selected before.
  KeywordMatcher matcher(keywords_, options_.fuzzy_search);
  std::vector<int> hits;
  std::vector<int> lines_per_keyword(keywords_.size(), 0);
  p_.mail_pane.ForEachItem([&](int index, std::u16string_view line) {
    if (matcher.CountKeywordsIn(line, lines_per_keyword)) hits.push_back(index);
  });
  p_.mail_pane.SelectItems(hits);
  results_.Take(keywords_, matcher, std::move(hits), lines_per_keyword);
  highlighter_ = std::move(matcher);
  ShowSearchResults();
}

void WindowLogic::ShowSearchResults() {
  p_.window.SetTitle(results_.searched() ? texts::TitleWithHits(results_.hits().size())
                                         : std::u16string(texts::kWindowTitle));
  // The counts beside the keywords.
  p_.keyword_list.Repaint();
}

bool WindowLogic::OnWindowKey(int key_code, int shift) {
  if (key_code != kKeyF3 || (shift != 0 && shift != kShiftMask)) return false;
  MoveToHit(shift == kShiftMask);
  return true;
}

void WindowLogic::MoveToHit(bool backwards) {
  const std::optional<int> hit = results_.NextHit(p_.mail_pane.CurrentIndex(), backwards);
  if (hit) p_.mail_pane.MoveCurrentTo(*hit);
}

std::vector<Highlight> WindowLogic::HighlightsIn(std::u16string_view line) const {
  std::vector<Highlight> highlights;
  for (const KeywordRange& range : highlighter_.KeywordOccurrences(line)) {
    highlights.push_back({range.begin, range.end, results_.ColourOfMatch(range.keyword)});
  }
  return highlights;
}

KeywordListEntry WindowLogic::KeywordListEntryAt(int index) const {
  if (index < 0 || index >= static_cast<int>(keywords_.size())) return {};
  const std::u16string& keyword = keywords_[static_cast<size_t>(index)];
  const auto first = std::find(keywords_.begin(), keywords_.end(), keyword);
  const int first_place = static_cast<int>(first - keywords_.begin());
  KeywordListEntry entry;
  entry.empty = keyword.empty();
  entry.repeated = first_place < index;
  entry.lines = results_.LinesOf(keyword);
  if (!entry.empty) {
    // A keyword added since the search takes the colour the next one gives.
    entry.colour = results_.ColourOf(keyword).value_or(KeywordColourAt(first_place));
  }
  return entry;
}

}  // namespace vorenta
