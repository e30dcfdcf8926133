// Mail files dropped from Explorer and messages dragged out of a mail
// program show as mails. Which sender page each names is settled in the
// in-memory window's tests; here each drop route arrives.

#include <gtest/gtest.h>

#include "control_state.h"
#include "file_bytes.h"
#include "ole_drag.h"
#include "pasted_newsletter.h"
#include "real_input.h"
#include "support/sample_mails.h"

namespace vorenta_e2e {
namespace {

using Lines = std::vector<std::u16string>;

const std::u16string kFromLine = u"差出人: 青葉ショップ <news@kaede-shop.example.jp>";
const std::u16string kSubjectLine = u"件名: 冬のセールのお知らせ";
const std::u16string kDateLine = u"日付: 2026/12/07 09:30";

std::string Utf16Le(std::u16string_view text) {
  return std::string(reinterpret_cast<const char*>(text.data()), text.size() * 2);
}

class MailFilesAndMessages : public PastedNewsletterTest {
 protected:
  bool Shows(const std::vector<std::u16string>& first_lines) {
    return WaitUntil([&] {
      const Lines lines = ListItems(pane());
      return lines.size() >= first_lines.size() &&
             std::equal(first_lines.begin(), first_lines.end(), lines.begin());
    });
  }
};

// One drop per route the operating system gives: a file from Explorer, a
// message as a storage (Outlook) and one as a stream (Thunderbird). Each
// shows lines the one before did not, so each drop is seen to arrive.
TEST_F(MailFilesAndMessages, MailFilesAndDraggedMessagesShowAsMails) {
  const std::wstring file = vorenta.PathOf(L"冬のセール.eml");
  ASSERT_TRUE(WriteFileBytes(file, vorenta::kIso2022JpNewsletterEml));
  const struct {
    const char* route;
    std::vector<OfferedFormat> formats;
    Lines first_lines;
  } cases[] = {
      {"file", {DroppedFiles({file})}, {kFromLine, kSubjectLine, kDateLine}},
      {"storage",
       DraggedMessageStorage(L"冬のセール.msg",
                             {{L"__substg1.0_0037001F", Utf16Le(u"冬のセールのお知らせ")},
                              {L"__substg1.0_0C1A001F", Utf16Le(u"青葉ショップ")},
                              {L"__substg1.0_5D01001F", Utf16Le(u"news@kaede-shop.example.jp")},
                              {L"__substg1.0_1000001F", Utf16Le(u"Outlook の本文")}}),
       {kFromLine, kSubjectLine, u"", u"Outlook の本文"}},
      {"stream",
       DraggedMessageStream(L"冬のセール.eml", vorenta::kIso2022JpNewsletterEml),
       {kFromLine, kSubjectLine, kDateLine}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.route);
    const DragOutcome outcome = DropOnPane(c.formats);
    ASSERT_TRUE(outcome.finished);
    EXPECT_EQ(outcome.result, DRAGDROP_S_DROP);
    EXPECT_TRUE(Shows(c.first_lines));
  }
}

}  // namespace
}  // namespace vorenta_e2e
