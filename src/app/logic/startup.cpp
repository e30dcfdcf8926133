#include "app/logic/startup.h"

#include <algorithm>
#include <string>

namespace vorenta {

std::int32_t KeepOnTop(SystemCalls& system, const MainWindow& window, int mode) {
  const std::intptr_t handle = window.Handle();
  if (mode == 1) return system.SetWindowPos(handle, kHwndTopmost, 0, 0, 0, 0, kKeepOnTopFlags);
  if (mode == 0) return system.SetWindowPos(handle, kHwndNoTopmost, 0, 0, 0, 0, kKeepOnTopFlags);
  return 0;
}

bool IsCompiled(SystemCalls& system, const MainWindow& /*window*/, const AnsiCodec& codec) {
  constexpr std::uint32_t kBufferSize = 256;
  std::string buffer(kBufferSize, ' ');
  const std::uint32_t byte_count = system.GetModuleFileNameA(buffer.data(), kBufferSize);
  const std::u16string converted = codec.Decode(buffer).text;

  // The byte count is used as a character count: a path with double-byte
  // characters runs into the NUL and the spaces after it, and never matches.
  std::u16string path = converted.substr(0, std::min<size_t>(byte_count, converted.size()));
  for (auto& c : path) {
    if (c >= u'a' && c <= u'z') c = static_cast<char16_t>(c - u'a' + u'A');
  }
  const std::u16string tail = path.size() > 8 ? path.substr(path.size() - 8) : path;
  return tail != u"VB32.EXE" && tail != u"\\VB6.EXE";
}

void Form_Load(Form1& form, SettingsStore& settings, const AnsiCodec& codec) {
  Platform& p = form.platform();
  if (!IsCompiled(p.System, p.Window, codec)) p.Command1.SetToolTip(kDevelopmentToolTip);
  form.SetKeywords(settings.LoadKeywords());
  form.FillUrlChars();
  KeepOnTop(p.System, p.Window, 1);
}

void Form_QueryUnload(Form1& form, SettingsStore& settings) {
  Platform& p = form.platform();
  settings.SaveKeywords(form.Keywords(), form.KeywordsEdited());
  settings.SaveGeometry(p.Window.OuterWidth(), p.Window.OuterHeight(), p.Window.Left(),
                        p.Window.Top());
}

}  // namespace vorenta
