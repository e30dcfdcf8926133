#include "scan.h"

#include <chrono>

#include "ui/form1.h"
#include "ui/memory/memory_platform.h"

namespace vorenta::tools {
namespace {

using Clock = std::chrono::steady_clock;

double Milliseconds(Clock::duration duration) {
  return std::chrono::duration<double, std::milli>(duration).count();
}

std::u16string ToU16(int number) {
  const std::string digits = std::to_string(number);
  return std::u16string(digits.begin(), digits.end());
}

}  // namespace

std::vector<std::u16string> SplitKeywordLines(const std::u16string& text) {
  std::vector<std::u16string> keywords;
  size_t start = 0;
  while (start < text.size()) {
    size_t end = text.find(u'\n', start);
    const size_t next = end == std::u16string::npos ? text.size() : end + 1;
    if (end == std::u16string::npos) end = text.size();
    if (end > start && end < text.size() && text[end - 1] == u'\r') --end;
    keywords.push_back(text.substr(start, end - start));
    start = next;
  }
  return keywords;
}

std::u16string ScanReport(const std::vector<std::u16string>& keywords,
                          const std::u16string& mail_text, const ScanOptions& options,
                          ScanTimes* times) {
  MemoryPlatform memory;
  const auto codec = MakeSystemAnsiCodec();
  SettingsStore settings(memory.files, *codec);
  Form1 form(memory.platform, settings);
  form.FillUrlChars();
  form.SetKeywords(keywords);
  if (options.fold) form.RunMenuCommand(MenuCommand::kFuzzySearch);

  memory.clipboard.Put(mail_text);
  const auto start = Clock::now();
  form.List1_KeyDown(kKeyEnter, 0);
  const auto pasted = Clock::now();
  form.Command1_Click();
  if (times) {
    times->paste = Milliseconds(pasted - start);
    times->search = Milliseconds(Clock::now() - pasted);
  }

  std::u16string report;
  for (int i = 0; i < memory.list1.Count(); ++i) {
    memory.text1.SetText({});
    memory.list1.SetCurrentIndex(i);
    form.List1_Click();
    report += ToU16(i) + u'\t' + ToU16(form.HANTEI(i)) + u'\t' + memory.text1.Text() + u'\t' +
              memory.list1.ItemText(i) + u'\n';
  }

  form.Command1_MouseDown(kButtonRight, kShiftMask);
  const auto& started = memory.process.started();
  report +=
      u"sender\t" + (started.empty() ? std::u16string() : started.back().command_line) + u'\n';
  return report;
}

}  // namespace vorenta::tools
