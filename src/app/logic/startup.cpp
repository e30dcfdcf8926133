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

void RunStartUp(WindowLogic& logic, SettingsStore& settings, const AnsiCodec& codec) {
  Platform& p = logic.platform();
  if (!IsCompiled(p.system, p.window, codec)) p.search_button.SetToolTip(kDevelopmentToolTip);
  logic.SetKeywords(LoadKeywordsTellingTheUser(settings, p.dialogs).keywords);
  logic.FillUrlChars();
  logic.LoadOptions();
  logic.LoadSenders();
  // Before KeepOnTop shows the window, so that it does not jump.
  const bool placed =
      logic.options().remember_placement && PlaceAsSaved(p.window, settings.LoadGeometry());
  if (!placed) FitToWorkArea(p.window);
  // A user who turned "always on top" off gets an ordinary window.
  if (logic.options().always_on_top) KeepOnTop(p.system, p.window, 1);
}

bool RunShutDown(WindowLogic& logic, SettingsStore& settings, CloseReason reason) {
  if (!logic.MayClose(/*may_ask=*/reason == CloseReason::kUser)) return false;
  Platform& p = logic.platform();
  // The window's place is not worth a question: a failure passes quietly.
  // Closed while minimised or maximised, a remembered window is to come
  // back as the user last saw it restored.
  const TwipsRect place = logic.options().remember_placement
                              ? p.window.NormalOuter()
                              : TwipsRect{p.window.Left(), p.window.Top(), p.window.OuterWidth(),
                                          p.window.OuterHeight()};
  settings.SaveGeometry(place.width, place.height, place.left, place.top);
  return true;
}

}  // namespace vorenta
