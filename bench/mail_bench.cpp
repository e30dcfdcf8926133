// How long the window logic takes on a large newsletter: the paste, the
// search walk and a click, on the in-memory platform.

#include <benchmark/benchmark.h>

#include "core/keyword_matcher.h"
#include "core/mail_text.h"
#include "core/url_chars.h"
#include "support/mail_lines.h"
#include "ui/memory/memory_platform.h"
#include "ui/window_logic.h"

namespace vorenta {
namespace {

std::u16string MakeMail(int lines) {
  std::u16string mail;
  for (int i = 0; i < lines; ++i) {
    switch (i % 4) {
      case 0:
        mail += u"【新着】春のセール開催中！人気の商品が続々入荷しています\r\n";
        break;
      case 1:
        mail += u"詳しくは http://www.example.jp/item/12345?ref=mail&id=678 をご覧ください\r\n";
        break;
      case 2:
        mail += u"------------------------------------------------------------\r\n";
        break;
      default:
        mail += u"ご不明な点がございましたら、お気軽にお問い合わせください。\r\n";
        break;
    }
  }
  return mail;
}

std::vector<std::u16string> MakeKeywords(int count) {
  std::vector<std::u16string> keywords;
  for (int i = 0; i < count; ++i)
    keywords.push_back(u"見つからない語" + std::u16string(1, u'A' + i % 26));
  keywords.push_back(u"送料無料");
  return keywords;
}

void BM_SplitMailText(benchmark::State& state) {
  const std::u16string mail = MakeMail(static_cast<int>(state.range(0)));
  for (auto _ : state) benchmark::DoNotOptimize(SplitMailText(mail));
  state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_SplitMailText)->Arg(1000)->Arg(40000);

// The search's matching step alone, exact (0) or with the fold (1): 40,000
// lines against 21 keywords.
void BM_MatchLines(benchmark::State& state) {
  const std::vector<std::u16string> lines = SplitMailText(MakeMail(40000));
  const KeywordMatcher matcher(MakeKeywords(20), state.range(0) != 0);
  for (auto _ : state) {
    int hits = 0;
    for (const auto& line : lines) hits += matcher.AnyIn(line);
    benchmark::DoNotOptimize(hits);
  }
  state.SetItemsProcessed(state.iterations() * static_cast<int64_t>(lines.size()));
}
BENCHMARK(BM_MatchLines)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

void BM_PasteAndSearch(benchmark::State& state) {
  const std::u16string mail = MakeMail(static_cast<int>(state.range(0)));
  MemoryPlatform memory;
  const auto codec = MakeSystemAnsiCodec();
  SettingsStore settings(memory.files, *codec);
  WindowLogic logic(memory.platform, settings);
  logic.SetKeywords(MakeKeywords(20));
  memory.clipboard.Put(mail);
  for (auto _ : state) {
    logic.OnMailPaneKey(kKeyEnter, 0);
    logic.OnSearchClick();
  }
  state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_PasteAndSearch)->Arg(1000)->Arg(40000)->Unit(benchmark::kMillisecond);

void BM_ExtractUrl(benchmark::State& state) {
  const auto table = BuildUrlChars();
  const std::u16string line =
      u"詳しくは http://www.example.jp/item/12345?ref=mail&id=678 をご覧ください";
  for (auto _ : state) benchmark::DoNotOptimize(ExtractUrl(line, table));
}
BENCHMARK(BM_ExtractUrl);

}  // namespace
}  // namespace vorenta
