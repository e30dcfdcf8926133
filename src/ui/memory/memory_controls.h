#pragma once
// Controls held in memory, keeping every promise the real ones make.

#include <optional>
#include <string>
#include <vector>

#include "ui/controls.h"
#include "ui/layout.h"

namespace vorenta {

template <typename Base>
class MemoryControl : public Base {
 public:
  MemoryControl(float left, float top, float width, float height, bool visible)
      : left_(left), top_(top), width_(width), height_(height), visible_(visible) {}
  explicit MemoryControl(const layout::ControlDesign& d)
      : MemoryControl(d.left, d.top, d.width, d.height, d.visible) {}

  float Left() const override { return left_; }
  void SetLeft(float twips) override { left_ = twips; }
  float Top() const override { return top_; }
  float Width() const override { return width_; }
  void SetWidth(float twips) override { width_ = twips; }
  float Height() const override { return height_; }
  void SetHeight(float twips) override { height_ = twips; }
  void Show() override { visible_ = true; }
  void Hide() override { visible_ = false; }
  bool IsVisible() const override { return visible_; }

 private:
  float left_, top_, width_, height_;
  bool visible_;
};

class MemoryListBox : public MemoryControl<ListBox> {
 public:
  using MemoryControl::MemoryControl;

  void Clear() override;
  void AddItem(const std::u16string& text) override;
  void RemoveItem(int index) override;
  std::u16string ItemText(int index) const override;
  int Count() const override { return static_cast<int>(items_.size()); }
  int CurrentIndex() const override { return current_; }
  void SetSelected(int index) override;
  bool IsSelected(int index) const override;

  // What a user's click does: the item becomes current.
  void SetCurrentIndex(int index) { current_ = index; }
  void MoveCurrentTo(int index) override {
    if (Has(index)) current_ = index;
  }
  void SelectAll() override;
  void DeselectAll() override;
  std::vector<int> SelectedIndexes() const override;
  void ReplaceItems(LineSource& lines) override;
  void SelectItems(const std::vector<int>& ascending) override;
  void ForEachItem(const std::function<void(int, std::u16string_view)>& visit) const override;
  void Repaint() override { ++repaints_; }
  // Items added or selected while the list was visible: each would have
  // been painted on its own.
  int VisibleChanges() const { return visible_changes_; }
  // Times the whole list was painted after bulk work or a Repaint.
  int Repaints() const { return repaints_; }

 private:
  bool Has(int index) const { return index >= 0 && index < Count(); }
  void NoteChange() {
    if (IsVisible()) ++visible_changes_;
  }

  std::vector<std::u16string> items_;
  std::vector<bool> selected_;
  int current_ = kNoItem;
  int visible_changes_ = 0;
  int repaints_ = 0;
};

// The data of one drop: text, HTML, files, messages, or none at all.
class MemoryDropData : public DropData {
 public:
  MemoryDropData() = default;
  explicit MemoryDropData(std::u16string text) : text_(std::move(text)) {}
  bool OffersText() const override { return text_.has_value(); }
  std::optional<std::u16string> Text() const override { return text_; }
  std::optional<std::string> Html() const override { return html_; }
  std::vector<std::u16string> FileNames() const override { return files_; }
  std::vector<std::u16string> MessageNames() const override {
    std::vector<std::u16string> names;
    for (const DraggedMessage& message : messages_) names.push_back(message.name);
    return names;
  }
  std::optional<DraggedMessage> Message(int index) const override {
    if (index < 0 || index >= static_cast<int>(messages_.size())) return std::nullopt;
    return messages_[static_cast<size_t>(index)];
  }

  MemoryDropData& WithHtml(std::string bytes) {
    html_ = std::move(bytes);
    return *this;
  }
  MemoryDropData& WithFiles(std::vector<std::u16string> names) {
    files_ = std::move(names);
    return *this;
  }
  MemoryDropData& WithMessage(DraggedMessage message) {
    messages_.push_back(std::move(message));
    return *this;
  }

 private:
  std::optional<std::u16string> text_;
  std::optional<std::string> html_;
  std::vector<std::u16string> files_;
  std::vector<DraggedMessage> messages_;
};

class MemoryTextBox : public MemoryControl<TextBox> {
 public:
  using MemoryControl::MemoryControl;
  std::u16string Text() const override { return text_; }
  void SetText(const std::u16string& text) override { text_ = text; }

 private:
  std::u16string text_;
};

class MemoryButton : public MemoryControl<PushButton> {
 public:
  using MemoryControl::MemoryControl;
  void SetToolTip(const std::u16string& text) override { tooltip_ = text; }
  const std::u16string& ToolTip() const { return tooltip_; }

 private:
  std::u16string tooltip_;
};

}  // namespace vorenta
