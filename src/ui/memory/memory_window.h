#pragma once
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "ui/controls.h"

namespace vorenta {

// A top-level window with the standard sizable frame of the design: the
// outer size is the client size plus 120 by 405 twips.
class MemoryWindow : public MainWindow {
 public:
  static constexpr float kFrameWidth = 120;
  static constexpr float kFrameHeight = 405;

  float OuterWidth() const override { return outer_width_; }
  float OuterHeight() const override { return outer_height_; }
  bool SetOuterWidth(float twips) override;
  bool SetOuterHeight(float twips) override;
  float ClientWidth() const override { return outer_width_ - kFrameWidth; }
  float ClientHeight() const override { return outer_height_ - kFrameHeight; }
  float Left() const override { return left_; }
  float Top() const override { return top_; }
  TwipsRect NormalOuter() const override;
  std::intptr_t Handle() const override { return handle_; }
  void SetTitle(const std::u16string& title) override { title_ = title; }
  const std::u16string& Title() const { return title_; }
  std::vector<Monitor> Monitors() const override { return monitors_; }
  // The monitor whose work area holds the window's top left corner, else
  // the first.
  Monitor CurrentMonitor() const override;
  void Place(const Monitor& monitor, const TwipsRect& outer) override;

  // What the user or the system does to the window. Each size change runs
  // the resize handler, as the real window's size messages do.
  void UserResize(float outer_width, float outer_height);
  void MoveTo(float left, float top);
  void SetMinimised(bool minimised) { minimised_ = minimised; }
  // Minimised or maximised to `shown`; NormalOuter keeps the rectangle the
  // window had.
  void ShowNotNormal(const TwipsRect& shown);
  void SetMonitors(std::vector<Monitor> monitors) { monitors_ = std::move(monitors); }
  // The calls of Place, in order.
  const std::vector<TwipsRect>& placed() const { return placed_; }
  void OnResize(std::function<void()> handler) { on_resize_ = std::move(handler); }

 private:
  void Resized() {
    if (on_resize_) on_resize_();
  }

  float outer_width_ = 8685;
  float outer_height_ = 8445;
  float left_ = 0;
  float top_ = 0;
  std::intptr_t handle_ = 0x1234;
  std::u16string title_ = u"Vorenta";
  bool minimised_ = false;
  std::optional<TwipsRect> normal_;
  // One 1920 x 1040 pixel work area at 96 DPI.
  std::vector<Monitor> monitors_{{1, {0, 0, 28800, 15600}}};
  std::vector<TwipsRect> placed_;
  std::function<void()> on_resize_;
};

}  // namespace vorenta
