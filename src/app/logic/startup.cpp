#include "app/logic/startup.h"

#include <algorithm>
#include <string>

#include "ui/placement.h"
#include "ui/texts.h"

namespace vorenta {

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

namespace {

enum StartChoice { kRetry, kContinue };

// A file another program holds open is worth a second try once the user
// has closed that program: searching with no keywords finds nothing.
KeywordLoad LoadKeywordsTellingTheUser(SettingsStore& settings, Dialogs& dialogs) {
  KeywordLoad load = settings.LoadKeywordFile();
  while (load.status == KeywordLoad::Status::kUnreadable) {
    const int choice =
        dialogs.Choose(texts::KeywordFileUnreadableAtStart(
                           load.path, load.error, settings.ErrorText(FileResult{load.error})),
                       {texts::kChoiceRetry, texts::kChoiceContinue});
    if (choice != kRetry) break;
    load = settings.LoadKeywordFile();
  }
  if (load.status == KeywordLoad::Status::kRecovered) {
    dialogs.Inform(texts::KeywordsRecovered(load.path, load.recovered_from, load.recovered_saved));
  }
  return load;
}

}  // namespace

void Form_Load(Form1& form, SettingsStore& settings, const AnsiCodec& codec) {
  Platform& p = form.platform();
  if (!IsCompiled(p.System, p.Window, codec)) p.Command1.SetToolTip(kDevelopmentToolTip);
  form.SetKeywords(LoadKeywordsTellingTheUser(settings, p.Dialog).keywords);
  form.FillUrlChars();
  form.LoadOptions();
  form.LoadSenders();
  // Before KeepOnTop shows the window, so that it does not jump.
  if (form.options().remember_placement) PlaceAsSaved(p.Window, settings.LoadGeometry());
  // A user who turned "always on top" off gets an ordinary window.
  if (form.options().always_on_top) KeepOnTop(p.System, p.Window, 1);
}

bool Form_QueryUnload(Form1& form, SettingsStore& settings, CloseReason reason) {
  if (!form.MayClose(/*may_ask=*/reason == CloseReason::kUser)) return false;
  Platform& p = form.platform();
  // The window's place is not worth a question: a failure passes quietly.
  // Closed while minimised or maximised, a remembered window is to come
  // back as the user last saw it restored.
  const TwipsRect place = form.options().remember_placement
                              ? p.Window.NormalOuter()
                              : TwipsRect{p.Window.Left(), p.Window.Top(), p.Window.OuterWidth(),
                                          p.Window.OuterHeight()};
  settings.SaveGeometry(place.width, place.height, place.left, place.top);
  return true;
}

}  // namespace vorenta
