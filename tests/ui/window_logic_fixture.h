#pragma once
#include <gtest/gtest.h>

#include <memory>

#include "ui/memory/memory_platform.h"
#include "ui/window_logic.h"

namespace vorenta {

class WindowLogicTest : public testing::Test {
 protected:
  WindowLogicTest() {
    logic.FillUrlChars();
    memory.window.OnResize([this] { logic.OnResize(); });
  }

  void Paste(const std::u16string& mail) {
    memory.clipboard.Put(mail);
    logic.OnMailPaneKey(kKeyEnter, 0);
  }

  std::vector<std::u16string> MailLines() const {
    std::vector<std::u16string> lines;
    for (int i = 0; i < memory.mail_pane.Count(); ++i)
      lines.push_back(memory.mail_pane.ItemText(i));
    return lines;
  }

  void ClickLine(int index) {
    memory.mail_pane.SetCurrentIndex(index);
    logic.OnMailLineClick();
  }

  MemoryPlatform memory;
  std::unique_ptr<AnsiCodec> codec = MakeSystemAnsiCodec();
  SettingsStore settings{memory.files, *codec};
  WindowLogic logic{memory.platform, settings};
};

}  // namespace vorenta
