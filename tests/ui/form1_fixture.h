#pragma once
#include <gtest/gtest.h>

#include <memory>

#include "ui/form1.h"
#include "ui/memory/memory_platform.h"

namespace vorenta {

class Form1Test : public testing::Test {
 protected:
  Form1Test() {
    form.FillUrlChars();
    memory.window.OnResize([this] { form.Form_Resize(); });
  }

  void Paste(const std::u16string& mail) {
    memory.clipboard.Put(mail);
    form.List1_KeyDown(kKeyEnter, 0);
  }

  std::vector<std::u16string> MailLines() const {
    std::vector<std::u16string> lines;
    for (int i = 0; i < memory.list1.Count(); ++i) lines.push_back(memory.list1.ItemText(i));
    return lines;
  }

  void ClickLine(int index) {
    memory.list1.SetCurrentIndex(index);
    form.List1_Click();
  }

  MemoryPlatform memory;
  std::unique_ptr<AnsiCodec> codec = MakeSystemAnsiCodec();
  SettingsStore settings{memory.files, *codec};
  Form1 form{memory.platform, settings};
};

}  // namespace vorenta
