#pragma once
// A cheap estimate of how wide a line is drawn, so that only the few widest
// lines of a long mail need measuring with the real font.

#include <string_view>
#include <vector>

namespace vorenta {

// Half-width characters (ASCII, half-width katakana) count 1, the rest 2; a
// surrogate pair counts as one character.
int DisplayColumns(std::u16string_view line);

// The indexes of the lines with the most columns seen, at most `keep` of them.
class WidestLines {
 public:
  explicit WidestLines(int keep) : keep_(keep) {}
  void Offer(int index, int columns);
  // Widest first.
  std::vector<int> Indexes() const;
  int MostColumns() const { return most_columns_; }

 private:
  struct Entry {
    int columns;
    int index;
  };
  int keep_;
  int most_columns_ = 0;
  std::vector<Entry> heap_;  // a min-heap on columns
};

}  // namespace vorenta
