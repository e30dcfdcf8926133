#pragma once
// A shop newsletter as a mail program puts it on the clipboard, and the lines
// the mail pane must show for it.

#include <string>
#include <vector>

namespace vorenta_e2e {

inline const std::u16string kNewsletter =
    u"From: news@shop-aoba.example.jp>\r\n"
    u"件名: 青葉ショップ 今週のお知らせ\r\n"
    u"\r\n"
    u"■ 春のセール開催中！ 全品10%オフ\r\n"
    u"詳しくは http://www.example.com/adt/aoba/sale.html?id=12&ref=mail をご覧ください\r\n"
    u"■ 送料無料キャンペーン http://example.jp/free「特集」\r\n"
    u"新着商品のご案内\r\n"
    u"HTTP://EXAMPLE.JP/CAPITALS\r\n";

inline const std::vector<std::u16string> kNewsletterLines = {
    u"From: news@shop-aoba.example.jp>",
    u"件名: 青葉ショップ 今週のお知らせ",
    u"",
    u"■ 春のセール開催中！ 全品10%オフ",
    u"詳しくは http://www.example.com/adt/aoba/sale.html?id=12&ref=mail をご覧ください",
    u"■ 送料無料キャンペーン http://example.jp/free「特集」",
    u"新着商品のご案内",
    u"HTTP://EXAMPLE.JP/CAPITALS",
    u"",
};

inline constexpr int kSaleLine = 3;
inline constexpr int kAddressLine = 4;
inline constexpr int kFreeShippingLine = 5;
inline constexpr int kCapitalsLine = 7;

inline const std::u16string kAddressOfLine4 =
    u"http://www.example.com/adt/aoba/sale.html?id=12&ref=mail";
inline const std::u16string kAddressOfLine5 = u"http://example.jp/free";

// The new-arrivals page of the shop that sent the newsletter.
inline const std::u16string kSenderPage = u"http://www.example.com/adt/aoba/sintyaku.shtml";

// Keywords as the keyword file holds them: code page 932, CR LF.
inline constexpr char kSaleCp932[] = "\x83\x5A\x81\x5B\x83\x8B";                 // セール
inline constexpr char kPostageCp932[] = "\x91\x97\x97\xBF";                      // 送料
inline constexpr char kFreePostageCp932[] = "\x91\x97\x97\xBF\x96\xB3\x97\xBF";  // 送料無料
inline constexpr char kPointsCp932[] = "\x83\x7C\x83\x43\x83\x93\x83\x67";       // ポイント
inline constexpr char kNewArrivalsCp932[] = "\x90\x56\x92\x85";                  // 新着

}  // namespace vorenta_e2e
