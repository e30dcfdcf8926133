// Text dropped on the mail pane from another program replaces the mail.

#include <gtest/gtest.h>

#include "control_state.h"
#include "newsletter.h"
#include "ole_drag.h"
#include "pasted_newsletter.h"
#include "real_input.h"
#include "vorenta_session.h"

namespace vorenta_e2e {
namespace {

using DropOnMailPane = PastedNewsletterTest;

TEST_F(DropOnMailPane, UnicodeTextReplacesTheMail) {
  const DragOutcome outcome =
      DropOnPane({UnicodeText(u"ドロップ一行目\r\n二行目 http://example.net/x\r\n")});
  ASSERT_TRUE(outcome.started);
  ASSERT_TRUE(outcome.finished);
  EXPECT_EQ(outcome.result, DRAGDROP_S_DROP);
  EXPECT_NE(outcome.effects_offered_by_target, static_cast<DWORD>(DROPEFFECT_NONE));
  const std::vector<std::u16string> lines = {u"ドロップ一行目", u"二行目 http://example.net/x",
                                             u""};
  EXPECT_TRUE(WaitUntil([&] { return ListItems(pane()) == lines; }))
      << ListItems(pane()).size() << " lines";
}

TEST_F(DropOnMailPane, AnsiTextIsTakenWhenNoUnicodeIsOffered) {
  const DragOutcome outcome = DropOnPane({AnsiText(std::string(kSaleCp932) + "\r\nabc")});
  ASSERT_TRUE(outcome.finished);
  EXPECT_EQ(outcome.result, DRAGDROP_S_DROP);
  const std::vector<std::u16string> lines = {u"セール", u"abc"};
  EXPECT_TRUE(WaitUntil([&] { return ListItems(pane()) == lines; }));
}

TEST_F(DropOnMailPane, DataWithoutTextIsRefusedAndChangesNothing) {
  const CLIPFORMAT private_format =
      static_cast<CLIPFORMAT>(RegisterClipboardFormatW(L"VorentaE2eNotText"));
  const DragOutcome outcome = DropOnPane({{private_format, std::string("not text", 9)}});
  ASSERT_TRUE(outcome.started);
  ASSERT_TRUE(outcome.finished);
  EXPECT_EQ(outcome.effect, static_cast<DWORD>(DROPEFFECT_NONE));
  EXPECT_EQ(outcome.effects_offered_by_target, static_cast<DWORD>(DROPEFFECT_NONE));
  PumpFor(std::chrono::milliseconds(500));
  EXPECT_EQ(ListItems(pane()), kNewsletterLines);
  EXPECT_TRUE(vorenta.IsRunning());
}

}  // namespace
}  // namespace vorenta_e2e
