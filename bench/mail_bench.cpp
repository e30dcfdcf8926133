// How long the window logic takes on a large newsletter: the paste, the
// search walk and a click, on the in-memory platform.

#include <benchmark/benchmark.h>

#include "core/keyword_matcher.h"
#include "core/mail_text.h"
#include "core/url_chars.h"
#include "core/utf8.h"
#include "mail/html_text.h"
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
  const std::vector<std::u16string> keywords = MakeKeywords(20);
  const KeywordMatcher matcher(keywords, state.range(0) != 0);
  std::vector<int> lines_per_keyword(keywords.size(), 0);
  for (auto _ : state) {
    // As the search does it: the hits and each keyword's lines in one pass.
    int hits = 0;
    for (const auto& line : lines) hits += matcher.CountKeywordsIn(line, lines_per_keyword);
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

// A shop's HTML newsletter of about target_bytes of UTF-8: a style sheet,
// Outlook's conditional comments, a hidden preheader, then nested layout
// tables of products with picture links, prices and buttons.
std::u16string MakeHtmlNewsletter(size_t target_bytes) {
  std::u16string html =
      u"<!DOCTYPE html PUBLIC \"-//W3C//DTD XHTML 1.0 Transitional//EN\">\r\n"
      u"<html><head><meta http-equiv=\"Content-Type\" content=\"text/html; charset=utf-8\">"
      u"<title>春のセール</title><style type=\"text/css\">\r\n"
      u"body{margin:0;padding:0} .btn a{display:block;color:#fff} td{font-size:14px}\r\n"
      u"@media screen and (max-width:600px){.col{display:block!important;width:100%}}\r\n"
      u"</style><!--[if mso]><xml><o:OfficeDocumentSettings></o:OfficeDocumentSettings></xml>"
      u"<![endif]--></head>\r\n<body style=\"margin:0\">\r\n"
      u"<div style=\"display:none;max-height:0;overflow:hidden;mso-hide:all\">"
      u"今だけ全品送料無料&nbsp;&zwnj;&nbsp;&zwnj;</div>\r\n"
      u"<table width=\"100%\" cellpadding=\"0\" cellspacing=\"0\" border=\"0\">"
      u"<tr><td align=\"center\">\r\n";
  size_t bytes = EncodeUtf8(html).size();
  for (int item = 0; bytes < target_bytes; ++item) {
    const std::u16string id = u"item" + std::u16string{static_cast<char16_t>(u'0' + item / 10 % 10),
                                                       static_cast<char16_t>(u'0' + item % 10)};
    const std::u16string block =
        u"  <table class=\"col\" width=\"600\" cellpadding=\"0\" cellspacing=\"0\">\r\n"
        u"    <tr>\r\n      <td class=\"img\" style=\"padding:10px 0\">"
        u"<a href=\"https://shop.example.jp/" +
        id +
        u"?utm_source=mail&amp;utm_medium=html\" "
        u"target=\"_blank\"><img src=\"https://img.example.jp/" +
        id + u".jpg\" alt=\"" +
        u"【新着】春の新作ワンピース\" width=\"280\" style=\"display:block;border:0\"></a></td>\r\n"
        u"      <td style=\"padding:10px;font-family:'メイリオ',Meiryo,sans-serif\">\r\n"
        u"        <p "
        u"style=\"margin:0;font-size:16px\"><b>人気の商品が続々入荷しています</b></p>\r\n"
        u"        <p style=\"margin:0\">価格&nbsp;&yen;3,980（税込）&nbsp;&rarr;&nbsp;"
        u"<span style=\"color:#c00\">&yen;2,980</span><br>\r\n"
        u"        送料無料&hellip;ご注文は<a href=\"https://shop.example.jp/cart?id=" +
        id +
        u"&amp;ref=mail\">こちら</a>から。</p>\r\n"
        u"        <table class=\"btn\"><tr><td style=\"background:#c00;border-radius:4px\">"
        u"<a href=\"https://shop.example.jp/" +
        id +
        u"\" style=\"display:block;padding:8px\">"
        u"詳しく見る &raquo;</a></td></tr></table>\r\n"
        u"      </td>\r\n    </tr>\r\n  </table>\r\n"
        u"  <!--[if mso]><table><tr><td><![endif]--><hr style=\"border:0;height:1px\">\r\n";
    html += block;
    bytes += EncodeUtf8(block).size();
  }
  html +=
      u"</td></tr></table>\r\n<p style=\"font-size:11px\">配信停止は"
      u"<a href=\"https://shop.example.jp/unsubscribe\">こちら</a>&nbsp;|&nbsp;"
      u"&copy; 2026 Example Shop</p>\r\n</body></html>\r\n";
  return html;
}

// HTML to lines on a 5 MB newsletter; the budget is 50 ms in a Release build.
void BM_HtmlToText(benchmark::State& state) {
  const std::u16string html = MakeHtmlNewsletter(static_cast<size_t>(state.range(0)) << 20);
  for (auto _ : state) benchmark::DoNotOptimize(HtmlToText(html));
  state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(html.size() * 2));
  state.counters["text_units"] = static_cast<double>(HtmlToText(html).size());
}
BENCHMARK(BM_HtmlToText)->Arg(5)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace vorenta
