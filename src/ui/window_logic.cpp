#include "ui/window_logic.h"

#include "core/mail_text.h"
#include "core/sender_pages.h"
#include "core/url_chars.h"
#include "core/version.h"
#include "ui/keep_on_top.h"
#include "ui/layout.h"
#include "ui/texts.h"

namespace vorenta {

WindowLogic::WindowLogic(Platform& platform, SettingsStore& settings)
    : p_(platform),
      settings_(settings),
      keyword_saving_(settings, platform.dialogs),
      user_senders_(settings, platform.dialogs) {}

void WindowLogic::ShowMail(std::u16string_view mail_text) {
  // Line by line from the text itself: a large mail is never held twice.
  MailLineReader lines(mail_text);
  p_.mail_pane.ReplaceItems(lines);
  highlighter_ = KeywordMatcher();
  if (results_.searched()) {
    results_.Clear();
    ShowSearchResults();
  }
  address_from_mail_.clear();
  // A pasted mail's sender is named by its first line.
  mail_sender_address_.clear();
}

const KeywordMatcher& WindowLogic::PositionMatcher() const {
  if (!position_matcher_ || position_fold_ != options_.fuzzy_search) {
    position_matcher_.emplace(keywords_, options_.fuzzy_search);
    position_fold_ = options_.fuzzy_search;
  }
  return *position_matcher_;
}

int WindowLogic::FirstKeywordPositionIn(int line_index) const {
  return PositionMatcher().FirstPosition(p_.mail_pane.ItemText(line_index));
}

int WindowLogic::AddressRunLength(const std::u16string& s, int p) const {
  return UrlRunLength(s, p, url_chars_);
}

void WindowLogic::FillUrlChars() { url_chars_ = BuildUrlChars(); }

void WindowLogic::OnSearchButtonDown(int button, int shift) {
  if (button == kButtonRight && shift == 0) ToggleKeywordPanel();
  if (button == kButtonRight && shift == kShiftMask) OpenSenderPage();
}

void WindowLogic::OnMailLineClick() {
  const std::u16string url =
      ExtractUrl(p_.mail_pane.ItemText(p_.mail_pane.CurrentIndex()), url_chars_);
  if (url.empty()) return;
  p_.address_box.SetText(url);
  address_from_mail_ = p_.address_box.Text();
  p_.clipboard.Clear();
  p_.clipboard.SetText(p_.address_box.Text());
}

void WindowLogic::OnMailPaneKey(int key_code, int shift) {
  if (key_code == kKeyEscape && shift == 0) {
    // The only way back from a selection short of pasting the mail again.
    p_.mail_pane.DeselectAll();
    return;
  }
  if (key_code == kKeyEnter) {
    if (options_.html_links) {
      PasteWithLinks();
    } else {
      PasteText();
    }
  } else if (key_code == kKeyV && shift == kCtrlMask) {
    PasteWithLinks();
  } else if (key_code == kKeyC && shift == kCtrlMask) {
    CopySelectedLines();
  } else if (key_code == kKeyA && shift == kCtrlMask) {
    p_.mail_pane.SelectAll();
  }
}

void WindowLogic::OnKeywordBoxKey(int key_code, int /*shift*/) {
  if (key_code != kKeyEnter) return;
  keywords_.push_back(p_.keyword_box.Text());
  p_.keyword_list.AddItem(keywords_.back());
  KeywordsChanged();
}

void WindowLogic::OnKeywordDoubleClick() { RemoveCurrentKeyword(); }

void WindowLogic::OnKeywordListKey(int key_code, int shift) {
  if (key_code == kKeyDelete && shift == 0) RemoveCurrentKeyword();
}

void WindowLogic::RemoveCurrentKeyword() {
  const int current = p_.keyword_list.CurrentIndex();
  if (current < 0 || current >= static_cast<int>(keywords_.size())) return;
  keywords_.erase(keywords_.begin() + current);
  p_.keyword_list.RemoveItem(current);
  // A keyword below may no longer repeat one, or take another colour.
  p_.keyword_list.Repaint();
  KeywordsChanged();
}

void WindowLogic::KeywordsChanged() {
  keywords_edited_ = true;
  position_matcher_.reset();
  // Saved at once: a program killed right after an edit loses nothing.
  keyword_saving_.AfterEdit(keywords_);
}

bool WindowLogic::MayClose(bool may_ask) {
  return keyword_saving_.MayClose(keywords_, keywords_edited_, may_ask);
}

void WindowLogic::OnSearchButtonContextKey() { ToggleKeywordPanel(); }

std::u16string WindowLogic::SelectedLinesText() const {
  std::u16string text;
  bool first = true;
  for (const int index : p_.mail_pane.SelectedIndexes()) {
    if (!first) text += u"\r\n";
    text += p_.mail_pane.ItemText(index);
    first = false;
  }
  return text;
}

void WindowLogic::CopySelectedLines() {
  const std::vector<int> selected = p_.mail_pane.SelectedIndexes();
  if (selected.empty()) return;
  p_.clipboard.Clear();
  p_.clipboard.SetText(SelectedLinesText());
}

void WindowLogic::LoadOptions() { options_ = settings_.LoadOptions(); }

void WindowLogic::LoadSenders() { user_senders_.Load(); }

void WindowLogic::ChangeOptions(const Options& options) {
  // The choice holds for this run even when it cannot be kept for the next.
  options_ = options;
  const SaveOutcome outcome = settings_.SaveOptions(options_);
  if (outcome) return;
  p_.dialogs.Inform(texts::OptionsNotSaved(
      {outcome.path, outcome.result.error, settings_.ErrorText(outcome.result)}));
}

std::vector<MenuItem> WindowLogic::SystemMenu() const {
  const int current_keyword = p_.keyword_list.CurrentIndex();
  const bool keyword_current = IsKeywordPanelOpen() && current_keyword >= 0 &&
                               current_keyword < static_cast<int>(keywords_.size());
  return {
      {MenuCommand::kTogglePanel, texts::kMenuTogglePanel, true, IsKeywordPanelOpen(), true},
      {MenuCommand::kRemoveKeyword, texts::kMenuRemoveKeyword, keyword_current},
      {MenuCommand::kExportKeywords, texts::kMenuExportKeywords},
      {MenuCommand::kImportKeywords, texts::kMenuImportKeywords},
      {MenuCommand::kCopyLines, texts::kMenuCopyLines, !p_.mail_pane.SelectedIndexes().empty()},
      {MenuCommand::kNextHit, texts::kMenuNextHit, !results_.hits().empty()},
      {MenuCommand::kPreviousHit, texts::kMenuPreviousHit, !results_.hits().empty()},
      {MenuCommand::kPasteWithLinks, texts::kMenuPasteWithLinks},
      {MenuCommand::kOpenSenderPage, texts::kMenuOpenSenderPage,
       !user_senders_.PageFor(SenderKey()).empty()},
      {MenuCommand::kRegisterSender, texts::kMenuRegisterSender, SenderRegistrable()},
      {MenuCommand::kOpenAddress, texts::kMenuOpenAddress, !p_.address_box.Text().empty()},
      {MenuCommand::kFuzzySearch, texts::kMenuFuzzySearch, true, options_.fuzzy_search, true},
      {MenuCommand::kAlwaysOnTop, texts::kMenuAlwaysOnTop, true, options_.always_on_top},
      {MenuCommand::kRememberPlacement, texts::kMenuRememberPlacement, true,
       options_.remember_placement},
      {MenuCommand::kHtmlLinks, texts::kMenuHtmlLinks, true, options_.html_links},
      {MenuCommand::kDefaultBrowser, texts::kMenuDefaultBrowser, true, options_.default_browser},
      {MenuCommand::kAbout, texts::kMenuAbout, true, false, true},
  };
}

void WindowLogic::RunMenuCommand(MenuCommand command) {
  Options options = options_;
  switch (command) {
    case MenuCommand::kTogglePanel:
      ToggleKeywordPanel();
      return;
    case MenuCommand::kRemoveKeyword:
      if (IsKeywordPanelOpen()) RemoveCurrentKeyword();
      return;
    case MenuCommand::kExportKeywords:
      ExportKeywords();
      return;
    case MenuCommand::kImportKeywords:
      ImportKeywords();
      return;
    case MenuCommand::kCopyLines:
      CopySelectedLines();
      return;
    case MenuCommand::kPasteWithLinks:
      PasteWithLinks();
      return;
    case MenuCommand::kNextHit:
      MoveToHit(false);
      return;
    case MenuCommand::kPreviousHit:
      MoveToHit(true);
      return;
    case MenuCommand::kOpenAddress:
      OpenAddress();
      return;
    case MenuCommand::kOpenSenderPage:
      OpenSenderPage();
      return;
    case MenuCommand::kRegisterSender:
      RegisterSender();
      return;
    case MenuCommand::kFuzzySearch:
      options.fuzzy_search = !options.fuzzy_search;
      ChangeOptions(options);
      return;
    case MenuCommand::kAlwaysOnTop:
      options.always_on_top = !options.always_on_top;
      KeepOnTop(p_.system, p_.window, options.always_on_top ? 1 : 0);
      ChangeOptions(options);
      return;
    case MenuCommand::kRememberPlacement:
      // Takes effect at the next start; the place is saved at every close.
      options.remember_placement = !options.remember_placement;
      ChangeOptions(options);
      return;
    case MenuCommand::kHtmlLinks:
      options.html_links = !options.html_links;
      ChangeOptions(options);
      return;
    case MenuCommand::kDefaultBrowser:
      options.default_browser = !options.default_browser;
      ChangeOptions(options);
      return;
    case MenuCommand::kAbout:
      ShowAbout();
      return;
  }
}

void WindowLogic::ShowAbout() { p_.dialogs.Inform(texts::About(kVersionText, settings_.Folder())); }

bool WindowLogic::IsKeywordPanelOpen() const { return p_.keyword_box.IsVisible(); }

void WindowLogic::SetKeywords(const std::vector<std::u16string>& keywords) {
  keywords_ = keywords;
  position_matcher_.reset();
  ItemLines lines(keywords_);
  p_.keyword_list.ReplaceItems(lines);
}

void WindowLogic::OnResize() {
  using namespace layout;
  MainWindow& window = p_.window;
  if (window.OuterWidth() < kMinOuterWidth && !window.SetOuterWidth(kMinOuterWidth)) return;
  const float client_width = window.ClientWidth();
  p_.search_button.SetLeft(client_width - kButtonRightMargin);
  // Right edges follow the client area; left edges stay where the panel
  // toggle put them, so the layout is right whether the panel is open or not.
  p_.address_box.SetWidth(client_width - kAddressBoxRightMargin - p_.address_box.Left());
  p_.mail_pane.SetWidth(client_width - kMailPaneRightMargin - p_.mail_pane.Left());
  if (window.OuterHeight() < kMinOuterHeight && !window.SetOuterHeight(kMinOuterHeight)) return;
  const float client_height = window.ClientHeight();
  p_.mail_pane.SetHeight(client_height - kListHeightMargin);
  p_.keyword_list.SetHeight(client_height - kListHeightMargin);
}

void WindowLogic::ToggleKeywordPanel() {
  using layout::kPanelGap;
  if (!p_.keyword_box.IsVisible()) {
    p_.keyword_box.Show();
    p_.keyword_list.Show();
    p_.address_box.SetLeft(p_.keyword_box.Width() + p_.address_box.Left() + kPanelGap);
    p_.address_box.SetWidth(p_.address_box.Width() - p_.keyword_box.Width() - kPanelGap);
    p_.mail_pane.SetLeft(p_.keyword_list.Width() + p_.mail_pane.Left() + kPanelGap);
    p_.mail_pane.SetWidth(p_.mail_pane.Width() - p_.keyword_list.Width() - kPanelGap);
  } else {
    p_.keyword_box.Hide();
    p_.keyword_list.Hide();
    p_.address_box.SetLeft(p_.address_box.Left() - p_.keyword_box.Width() - kPanelGap);
    p_.address_box.SetWidth(p_.keyword_box.Width() + p_.address_box.Width() + kPanelGap);
    p_.mail_pane.SetLeft(p_.mail_pane.Left() - p_.keyword_list.Width() - kPanelGap);
    p_.mail_pane.SetWidth(p_.keyword_list.Width() + p_.mail_pane.Width() + kPanelGap);
  }
}

std::u16string WindowLogic::SenderKey() const {
  if (!mail_sender_address_.empty()) return mail_sender_address_ + u">";
  return SenderKeyOf(p_.mail_pane.ItemText(0));
}

void WindowLogic::OpenSenderPage() {
  const std::u16string page = user_senders_.PageFor(SenderKey());
  if (page.empty()) return;
  if (options_.default_browser) {
    p_.process.OpenWithDefaultBrowser(page);
    return;
  }
  // Internet Explorer is gone from current Windows: fall back to the
  // user's browser rather than doing nothing.
  if (!p_.process.Start(BrowserCommandLine(page), kShowNoActivate)) {
    p_.process.OpenWithDefaultBrowser(page);
  }
}

}  // namespace vorenta
