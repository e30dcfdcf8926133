// The mail pane's own menu and Esc, the ways a new user tries first.

#include <gtest/gtest.h>

#include "clipboard_text.h"
#include "control_state.h"
#include "message_dialogs.h"
#include "newsletter.h"
#include "real_input.h"
#include "vorenta_session.h"

namespace vorenta_e2e {
namespace {

TEST(MailPaneMenu, ARightClickPastesTheMailAndEscClearsTheSelection) {
  VorentaSession vorenta;
  const HWND pane = vorenta.control(kMailPane);
  ASSERT_TRUE(vorenta.BringToFront());
  ASSERT_TRUE(SetClipboardText(kNewsletter));
  Click(CenterOf(pane), MouseButton::kRight);
  ASSERT_TRUE(WaitUntil([&] { return PopupMenuIsOpen(vorenta.process_id()); }));
  PressKey('P');
  ASSERT_TRUE(WaitUntil([&] { return ListItems(pane) == kNewsletterLines; }));

  Click(ListItemPoint(pane, 1));
  Click(ListItemPoint(pane, kSaleLine), MouseButton::kLeft, kShift);
  ASSERT_TRUE(WaitUntil([&] { return SelectedIndexes(pane).size() == 3; }));
  PressKey(VK_ESCAPE);
  EXPECT_TRUE(WaitUntil([&] { return SelectedIndexes(pane).empty(); }));
  EXPECT_EQ(ListItems(pane), kNewsletterLines);
}

}  // namespace
}  // namespace vorenta_e2e
