#pragma once
// The window and its controls as the window logic sees them: real ones in
// ui/win32/, in-memory ones for tests in ui/memory/. Geometry is in twips;
// counts and indexes are int.
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/mail_text.h"
#include "mail/item_streams.h"

namespace vorenta {

struct TwipsRect {
  float left = 0, top = 0, width = 0, height = 0;
  float right() const { return left + width; }
  float bottom() const { return top + height; }
  bool operator==(const TwipsRect&) const = default;
};

// Position, size and visibility of one control, in twips relative to the
// window's client area.
class Control {
 public:
  virtual ~Control() = default;
  virtual float Left() const = 0;
  virtual void SetLeft(float twips) = 0;
  virtual float Top() const = 0;
  virtual float Width() const = 0;
  virtual void SetWidth(float twips) = 0;
  virtual float Height() const = 0;
  virtual void SetHeight(float twips) = 0;
  virtual void Show() = 0;
  virtual void Hide() = 0;
  virtual bool IsVisible() const = 0;
};

// Never sorted: items stay in the order they were added.
class ListBox : public Control {
 public:
  static constexpr int kNoItem = -1;

  // No items and no selection afterwards.
  virtual void Clear() = 0;
  virtual void AddItem(const std::u16string& text) = 0;
  // Later items move up by one; an index with no item is ignored.
  virtual void RemoveItem(int index) = 0;
  // Empty for an index with no item.
  virtual std::u16string ItemText(int index) const = 0;
  virtual int Count() const = 0;
  // The item last clicked or moved to, or kNoItem.
  virtual int CurrentIndex() const = 0;
  // Other items keep their selection state.
  virtual void SetSelected(int index) = 0;
  virtual bool IsSelected(int index) const = 0;
  // The item becomes current and is scrolled into view; every item keeps
  // its selection state. An index with no item is ignored.
  virtual void MoveCurrentTo(int index) = 0;
  // Every item becomes selected, in one go.
  virtual void SelectAll() = 0;
  // No item stays selected, in one go; the current item stays current.
  virtual void DeselectAll() = 0;
  // The indexes of the selected items, ascending.
  virtual std::vector<int> SelectedIndexes() const = 0;

  // Bulk work, for lists of any length: nothing is painted item by item,
  // and the list is painted once afterwards.
  //
  // Replaces every item with the lines of the source; no selection after.
  virtual void ReplaceItems(LineSource& lines) = 0;
  // Selects the items (ascending indexes); other items keep their state.
  virtual void SelectItems(const std::vector<int>& ascending) = 0;
  // Visits every item in order; the text is valid during the call only.
  virtual void ForEachItem(const std::function<void(int, std::u16string_view)>& visit) const = 0;
  // Draws the items again, once, when what they show beside their text has
  // changed.
  virtual void Repaint() = 0;
};

class TextBox : public Control {
 public:
  virtual std::u16string Text() const = 0;
  virtual void SetText(const std::u16string& text) = 0;
};

class PushButton : public Control {
 public:
  virtual void SetToolTip(const std::u16string& text) = 0;
};

// A monitor that exists now, with its work area (the screen less the task
// bar) in twips at the monitor's own DPI: twips are physical units, so a
// size in twips is the same size on every monitor.
struct Monitor {
  std::intptr_t handle = 0;
  TwipsRect work_area;
  bool operator==(const Monitor&) const = default;
};

// The top-level window. Outer sizes include the frame; the layout works in
// the client area so that controls stay inside it whatever the frame width.
class MainWindow {
 public:
  virtual ~MainWindow() = default;
  virtual float OuterWidth() const = 0;
  virtual float OuterHeight() const = 0;
  // False when the window refuses the size (minimised, for instance).
  virtual bool SetOuterWidth(float twips) = 0;
  virtual bool SetOuterHeight(float twips) = 0;
  virtual float ClientWidth() const = 0;
  virtual float ClientHeight() const = 0;
  virtual float Left() const = 0;
  virtual float Top() const = 0;
  // The outer rectangle the window has when neither minimised nor
  // maximised: the current one, or the one a restore gives back.
  virtual TwipsRect NormalOuter() const = 0;
  virtual std::intptr_t Handle() const = 0;
  virtual void SetTitle(const std::u16string& title) = 0;

  virtual std::vector<Monitor> Monitors() const = 0;
  // The monitor that holds the window, or most of it.
  virtual Monitor CurrentMonitor() const = 0;
  // Moves and sizes the window; the outer rectangle is in twips at the
  // monitor's DPI.
  virtual void Place(const Monitor& monitor, const TwipsRect& outer) = 0;
};

// The data object of one drop.
// A message a mail program drags out of its list: a name and its contents,
// no file.
struct DraggedMessage {
  std::u16string name;
  std::string bytes;                // an .eml, .txt or .htm file's bytes
  std::optional<ItemStreams> item;  // an Outlook item
};

class DropData {
 public:
  virtual ~DropData() = default;
  // Whether Text would give text, asked without reading it.
  virtual bool OffersText() const = 0;
  // nullopt when the data offers no text at all.
  virtual std::optional<std::u16string> Text() const = 0;
  // The bytes of the "HTML Format" (as the clipboard holds it), nullopt when
  // the data offers none.
  virtual std::optional<std::string> Html() const = 0;
  // Files dragged from Explorer: their full names, in order; empty when none.
  virtual std::vector<std::u16string> FileNames() const = 0;
  // The names of the messages a mail program drags, in order; empty when
  // none.
  virtual std::vector<std::u16string> MessageNames() const = 0;
  // The message of that index among MessageNames, with its contents;
  // nullopt when they cannot be had.
  virtual std::optional<DraggedMessage> Message(int index) const = 0;
};

}  // namespace vorenta
