#include "scan.h"

#include <chrono>

#include "ui/memory/memory_platform.h"
#include "ui/window_logic.h"

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
  return ScanReport(keywords, ScanMail{ScanMail::Source::kClipboardText, mail_text, {}, {}, {}},
                    options, times);
}

std::u16string ScanReport(const std::vector<std::u16string>& keywords, const ScanMail& mail,
                          const ScanOptions& options, ScanTimes* times) {
  MemoryPlatform memory;
  const auto codec = MakeSystemAnsiCodec();
  SettingsStore settings(memory.files, *codec);
  WindowLogic logic(memory.platform, settings);
  logic.FillUrlChars();
  logic.SetKeywords(keywords);
  if (options.fold) logic.RunMenuCommand(MenuCommand::kFuzzySearch);

  const std::u16string dropped_file = u"C:\\Mail\\" + mail.file_name;
  if (mail.source == ScanMail::Source::kClipboardText) memory.clipboard.Put(mail.text);
  if (mail.source == ScanMail::Source::kClipboardHtml) memory.clipboard.PutHtml(mail.bytes);
  if (mail.source == ScanMail::Source::kFile) memory.files.Put(dropped_file, mail.bytes);
  if (mail.item) memory.outlook_items.Put(dropped_file, *mail.item);
  const auto start = Clock::now();
  switch (mail.source) {
    case ScanMail::Source::kClipboardText:
      logic.OnMailPaneKey(kKeyEnter, 0);
      break;
    case ScanMail::Source::kClipboardHtml:
      logic.OnMailPaneKey(kKeyV, kCtrlMask);
      break;
    case ScanMail::Source::kFile:
      logic.OnMailPaneDrop(MemoryDropData().WithFiles({dropped_file}));
      break;
  }
  const auto pasted = Clock::now();
  logic.OnSearchClick();
  if (times) {
    times->paste = Milliseconds(pasted - start);
    times->search = Milliseconds(Clock::now() - pasted);
  }

  std::u16string report;
  for (const auto& shown : memory.dialogs.shown())
    report += u"told\t" + shown.message.heading + u'\n';
  for (int i = 0; i < memory.mail_pane.Count(); ++i) {
    memory.address_box.SetText({});
    memory.mail_pane.SetCurrentIndex(i);
    logic.OnMailLineClick();
    report += ToU16(i) + u'\t' + ToU16(logic.FirstKeywordPositionIn(i)) + u'\t' +
              memory.address_box.Text() + u'\t' + memory.mail_pane.ItemText(i) + u'\n';
  }

  logic.OnSearchButtonDown(kButtonRight, kShiftMask);
  const auto& started = memory.process.started();
  report +=
      u"sender\t" + (started.empty() ? std::u16string() : started.back().command_line) + u'\n';
  return report;
}

}  // namespace vorenta::tools
