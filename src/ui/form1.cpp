#include "ui/form1.h"

#include "core/mail_text.h"
#include "core/sender_pages.h"
#include "core/url_chars.h"
#include "core/version.h"
#include "ui/keep_on_top.h"
#include "ui/layout.h"
#include "ui/texts.h"

namespace vorenta {

Form1::Form1(Platform& platform, SettingsStore& settings)
    : p_(platform),
      settings_(settings),
      keyword_saving_(settings, platform.Dialog),
      user_senders_(settings, platform.Dialog) {}

void Form1::GetMLData(std::u16string_view mail_text) {
  // Line by line from the text itself: a large mail is never held twice.
  MailLineReader lines(mail_text);
  p_.List1.ReplaceItems(lines);
  highlighter_ = KeywordMatcher();
}

const KeywordMatcher& Form1::HanteiMatcher() const {
  if (hantei_generation_ != keywords_generation_ || hantei_fold_ != options_.fuzzy_search) {
    hantei_matcher_ = KeywordMatcher(Keywords(), options_.fuzzy_search);
    hantei_generation_ = keywords_generation_;
    hantei_fold_ = options_.fuzzy_search;
  }
  return hantei_matcher_;
}

int Form1::HANTEI(int line_index) const {
  return HanteiMatcher().FirstPosition(p_.List1.ItemText(line_index));
}

std::vector<TextRange> Form1::HighlightsIn(std::u16string_view line) const {
  return highlighter_.Occurrences(line);
}

int Form1::LN1(const std::u16string& s, int p) const { return UrlRunLength(s, p, url_chars_); }

void Form1::FillUrlChars() { url_chars_ = BuildUrlChars(); }

void Form1::Command1_Click() {
  // Every keyword at once, every line read once; the hits are selected in one
  // go, adding to what was selected before.
  KeywordMatcher matcher(Keywords(), options_.fuzzy_search);
  std::vector<int> hits;
  p_.List1.ForEachItem([&](int index, std::u16string_view line) {
    if (matcher.AnyIn(line)) hits.push_back(index);
  });
  highlighter_ = std::move(matcher);
  p_.List1.SelectItems(hits);
}

void Form1::Command1_MouseDown(int button, int shift) {
  if (button == kButtonRight && shift == 0) ToggleKeywordPanel();
  if (button == kButtonRight && shift == kShiftMask) OpenSenderPage();
}

void Form1::List1_Click() {
  const std::u16string url = ExtractUrl(p_.List1.ItemText(p_.List1.CurrentIndex()), url_chars_);
  if (url.empty()) return;
  p_.Text1.SetText(url);
  p_.Clip.Clear();
  p_.Clip.SetText(p_.Text1.Text());
}

void Form1::List1_KeyDown(int key_code, int shift) {
  if (key_code == kKeyEnter) {
    // A clipboard held by another program is not an empty mail: keep the pane.
    p_.Clip.UseText([this](std::u16string_view text) { GetMLData(text); });
  } else if (key_code == kKeyC && shift == kCtrlMask) {
    CopySelectedLines();
  } else if (key_code == kKeyA && shift == kCtrlMask) {
    p_.List1.SelectAll();
  }
}

void Form1::List1_OLEDragDrop(const DropData& data) {
  if (const auto text = data.Text()) GetMLData(*text);
}

void Form1::Text2_KeyDown(int key_code, int /*shift*/) {
  if (key_code != kKeyEnter) return;
  p_.List2.AddItem(p_.Text2.Text());
  KeywordsChanged();
}

void Form1::List2_DblClick() { RemoveCurrentKeyword(); }

void Form1::List2_KeyDown(int key_code, int shift) {
  if (key_code == kKeyDelete && shift == 0) RemoveCurrentKeyword();
}

void Form1::RemoveCurrentKeyword() {
  const int current = p_.List2.CurrentIndex();
  if (current < 0 || current >= p_.List2.Count()) return;
  p_.List2.RemoveItem(current);
  KeywordsChanged();
}

void Form1::KeywordsChanged() {
  keywords_edited_ = true;
  ++keywords_generation_;
  // Saved at once: a program killed right after an edit loses nothing.
  keyword_saving_.AfterEdit(Keywords());
}

bool Form1::MayClose(bool may_ask) {
  return keyword_saving_.MayClose(Keywords(), keywords_edited_, may_ask);
}

void Form1::Command1_ContextKey() { ToggleKeywordPanel(); }

std::u16string Form1::SelectedLinesText() const {
  std::u16string text;
  bool first = true;
  for (const int index : p_.List1.SelectedIndexes()) {
    if (!first) text += u"\r\n";
    text += p_.List1.ItemText(index);
    first = false;
  }
  return text;
}

void Form1::CopySelectedLines() {
  const std::vector<int> selected = p_.List1.SelectedIndexes();
  if (selected.empty()) return;
  p_.Clip.Clear();
  p_.Clip.SetText(SelectedLinesText());
}

void Form1::LoadOptions() { options_ = settings_.LoadOptions(); }

void Form1::LoadSenders() { user_senders_.Load(); }

void Form1::ChangeOptions(const Options& options) {
  // The choice holds for this run even when it cannot be kept for the next.
  options_ = options;
  const SaveOutcome outcome = settings_.SaveOptions(options_);
  if (outcome) return;
  p_.Dialog.Inform(texts::OptionsNotSaved(
      {outcome.path, outcome.result.error, settings_.ErrorText(outcome.result)}));
}

std::vector<MenuItem> Form1::SystemMenu() const {
  const int current_keyword = p_.List2.CurrentIndex();
  const bool keyword_current =
      IsKeywordPanelOpen() && current_keyword >= 0 && current_keyword < p_.List2.Count();
  return {
      {MenuCommand::kTogglePanel, texts::kMenuTogglePanel, true, IsKeywordPanelOpen(), true},
      {MenuCommand::kRemoveKeyword, texts::kMenuRemoveKeyword, keyword_current},
      {MenuCommand::kCopyLines, texts::kMenuCopyLines, !p_.List1.SelectedIndexes().empty()},
      {MenuCommand::kOpenSenderPage, texts::kMenuOpenSenderPage,
       !user_senders_.PageFor(p_.List1.ItemText(0)).empty()},
      {MenuCommand::kRegisterSender, texts::kMenuRegisterSender,
       user_senders_.CanRegister(p_.List1.ItemText(0), p_.Text1.Text())},
      {MenuCommand::kFuzzySearch, texts::kMenuFuzzySearch, true, options_.fuzzy_search, true},
      {MenuCommand::kAlwaysOnTop, texts::kMenuAlwaysOnTop, true, options_.always_on_top},
      {MenuCommand::kRememberPlacement, texts::kMenuRememberPlacement, true,
       options_.remember_placement},
      {MenuCommand::kAbout, texts::kMenuAbout, true, false, true},
  };
}

void Form1::RunMenuCommand(MenuCommand command) {
  Options options = options_;
  switch (command) {
    case MenuCommand::kTogglePanel:
      ToggleKeywordPanel();
      return;
    case MenuCommand::kRemoveKeyword:
      if (IsKeywordPanelOpen()) RemoveCurrentKeyword();
      return;
    case MenuCommand::kCopyLines:
      CopySelectedLines();
      return;
    case MenuCommand::kOpenSenderPage:
      OpenSenderPage();
      return;
    case MenuCommand::kRegisterSender:
      user_senders_.Register(p_.List1.ItemText(0), p_.Text1.Text());
      return;
    case MenuCommand::kFuzzySearch:
      options.fuzzy_search = !options.fuzzy_search;
      ChangeOptions(options);
      return;
    case MenuCommand::kAlwaysOnTop:
      options.always_on_top = !options.always_on_top;
      KeepOnTop(p_.System, p_.Window, options.always_on_top ? 1 : 0);
      ChangeOptions(options);
      return;
    case MenuCommand::kRememberPlacement:
      // Takes effect at the next start; the place is saved at every close.
      options.remember_placement = !options.remember_placement;
      ChangeOptions(options);
      return;
    case MenuCommand::kAbout:
      ShowAbout();
      return;
  }
}

void Form1::ShowAbout() { p_.Dialog.Inform(texts::About(kVersionText, settings_.Folder())); }

bool Form1::IsKeywordPanelOpen() const { return p_.Text2.IsVisible(); }

std::vector<std::u16string> Form1::Keywords() const {
  std::vector<std::u16string> keywords;
  const int count = p_.List2.Count();
  keywords.reserve(static_cast<size_t>(count));
  for (int i = 0; i < count; ++i) keywords.push_back(p_.List2.ItemText(i));
  return keywords;
}

void Form1::SetKeywords(const std::vector<std::u16string>& keywords) {
  for (const auto& keyword : keywords) p_.List2.AddItem(keyword);
  ++keywords_generation_;
}

void Form1::Form_Resize() {
  using namespace layout;
  MainWindow& window = p_.Window;
  if (window.OuterWidth() < kMinOuterWidth && !window.SetOuterWidth(kMinOuterWidth)) return;
  const float client_width = window.ClientWidth();
  p_.Command1.SetLeft(client_width - kButtonRightMargin);
  // Right edges follow the client area; left edges stay where the panel
  // toggle put them, so the layout is right whether the panel is open or not.
  p_.Text1.SetWidth(client_width - kUrlBoxRightMargin - p_.Text1.Left());
  p_.List1.SetWidth(client_width - kMailPaneRightMargin - p_.List1.Left());
  if (window.OuterHeight() < kMinOuterHeight && !window.SetOuterHeight(kMinOuterHeight)) return;
  const float client_height = window.ClientHeight();
  p_.List1.SetHeight(client_height - kListHeightMargin);
  p_.List2.SetHeight(client_height - kListHeightMargin);
}

void Form1::ToggleKeywordPanel() {
  using layout::kPanelGap;
  if (!p_.Text2.IsVisible()) {
    p_.Text2.Show();
    p_.List2.Show();
    p_.Text1.SetLeft(p_.Text2.Width() + p_.Text1.Left() + kPanelGap);
    p_.Text1.SetWidth(p_.Text1.Width() - p_.Text2.Width() - kPanelGap);
    p_.List1.SetLeft(p_.List2.Width() + p_.List1.Left() + kPanelGap);
    p_.List1.SetWidth(p_.List1.Width() - p_.List2.Width() - kPanelGap);
  } else {
    p_.Text2.Hide();
    p_.List2.Hide();
    p_.Text1.SetLeft(p_.Text1.Left() - p_.Text2.Width() - kPanelGap);
    p_.Text1.SetWidth(p_.Text2.Width() + p_.Text1.Width() + kPanelGap);
    p_.List1.SetLeft(p_.List1.Left() - p_.List2.Width() - kPanelGap);
    p_.List1.SetWidth(p_.List2.Width() + p_.List1.Width() + kPanelGap);
  }
}

void Form1::OpenSenderPage() {
  const std::u16string page = user_senders_.PageFor(p_.List1.ItemText(0));
  if (page.empty()) return;
  // Internet Explorer is gone from current Windows: fall back to the
  // user's browser rather than doing nothing.
  if (!p_.Process.Start(BrowserCommandLine(page), kShowNoActivate)) {
    p_.Process.OpenWithDefaultBrowser(page);
  }
}

}  // namespace vorenta
