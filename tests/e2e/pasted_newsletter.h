#pragma once
// A running Vorenta in front with the newsletter pasted into its mail pane:
// where the tests of the pane's own gestures start.

#include <gtest/gtest.h>

#include "control_state.h"
#include "gestures.h"
#include "newsletter.h"
#include "ole_drag.h"
#include "real_input.h"
#include "vorenta_session.h"
#include "wait_until.h"

namespace vorenta_e2e {

class PastedNewsletterTest : public testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(vorenta.BringToFront());
    ASSERT_TRUE(PasteMail(vorenta.window(), kNewsletter));
    ASSERT_TRUE(WaitUntil([&] { return ListItems(pane()) == kNewsletterLines; }));
  }

  HWND pane() const { return vorenta.control(kMailPane); }

  // Dragged from beside the window, where nothing covers the source.
  DragOutcome DropOnPane(const std::vector<OfferedFormat>& formats) {
    return DragAndDrop(formats, BesideWindow(vorenta.window()), CenterOf(pane()));
  }

  VorentaSession vorenta;
};

}  // namespace vorenta_e2e
