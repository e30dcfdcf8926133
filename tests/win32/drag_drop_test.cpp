#include <gtest/gtest.h>

#include <vector>

#include "ui/win32/drag_threshold.h"
#include "ui/win32/ole_drop_target.h"
#include "ui/win32/ole_text_source.h"
#include "win32_test_support.h"

namespace vorenta {
namespace {

using testing::FakeDataObject;
using testing::WideBytes;

constexpr char kSaleSjis[] = "\x83\x5A\x81\x5B\x83\x8B";  // セール

// Releases a COM object at the end of a scope.
template <class T>
class Owned {
 public:
  explicit Owned(T* object) : object_(object) {}
  ~Owned() { object_->Release(); }
  T* operator->() const { return object_; }
  T* get() const { return object_; }

 private:
  T* object_;
};

std::optional<std::u16string> DroppedText(FakeDataObject* data) {
  return Win32DropData(data).Text();
}

TEST(DropData, PrefersUnicodeText) {
  Owned data(new FakeDataObject);
  data->Offer(CF_UNICODETEXT, WideBytes(u"\U0001F600 mail"));
  data->Offer(CF_TEXT, "? mail");
  EXPECT_EQ(DroppedText(data.get()), u"\U0001F600 mail");
}

TEST(DropData, FallsBackToAnsiTextInCodePage932) {
  Owned data(new FakeDataObject);
  data->Offer(CF_TEXT, std::string(kSaleSjis) + "\r\n");
  EXPECT_EQ(DroppedText(data.get()), u"セール\r\n");
}

TEST(DropData, NoTextIsNotAnEmptyText) {
  Owned data(new FakeDataObject);
  data->Offer(CF_BITMAP, "pixels");
  EXPECT_EQ(DroppedText(data.get()), std::nullopt);
  Owned empty(new FakeDataObject);
  empty->Offer(CF_UNICODETEXT, "");
  EXPECT_EQ(DroppedText(empty.get()), u"");
}

class DropTargetTest : public ::testing::Test {
 protected:
  DWORD Enter(IDataObject* data, DWORD offered) {
    DWORD effect = offered;
    EXPECT_EQ(target_->DragEnter(data, MK_LBUTTON, POINTL{0, 0}, &effect), S_OK);
    return effect;
  }
  DWORD Over(DWORD offered) {
    DWORD effect = offered;
    EXPECT_EQ(target_->DragOver(MK_LBUTTON, POINTL{1, 1}, &effect), S_OK);
    return effect;
  }
  DWORD DropOn(IDataObject* data, DWORD offered) {
    DWORD effect = offered;
    EXPECT_EQ(target_->Drop(data, 0, POINTL{1, 1}, &effect), S_OK);
    return effect;
  }

  std::vector<std::optional<std::u16string>> dropped_;
  bool refuse_ = false;
  Owned<ListDropTarget> target_{
      new ListDropTarget([this](const DropData& data) { dropped_.push_back(data.Text()); },
                         [this](const DropData& data) { return !refuse_ && data.OffersText(); })};
};

TEST_F(DropTargetTest, TextIsCopiedInAndHandedOverOnce) {
  Owned data(new FakeDataObject);
  data->Offer(CF_UNICODETEXT, WideBytes(u"a\r\nb"));
  EXPECT_EQ(Enter(data.get(), DROPEFFECT_COPY | DROPEFFECT_MOVE), DROPEFFECT_COPY);
  EXPECT_EQ(Over(DROPEFFECT_COPY | DROPEFFECT_MOVE), DROPEFFECT_COPY);
  EXPECT_TRUE(dropped_.empty());
  EXPECT_EQ(DropOn(data.get(), DROPEFFECT_COPY | DROPEFFECT_MOVE), DROPEFFECT_COPY);
  ASSERT_EQ(dropped_.size(), 1u);
  EXPECT_EQ(dropped_[0], u"a\r\nb");
}

TEST_F(DropTargetTest, ASourceThatOnlyMovesIsStillTaken) {
  Owned data(new FakeDataObject);
  data->Offer(CF_TEXT, kSaleSjis);
  EXPECT_EQ(Enter(data.get(), DROPEFFECT_MOVE), DROPEFFECT_MOVE);
  EXPECT_EQ(DropOn(data.get(), DROPEFFECT_MOVE), DROPEFFECT_MOVE);
  ASSERT_EQ(dropped_.size(), 1u);
  EXPECT_EQ(dropped_[0], u"セール");
}

TEST_F(DropTargetTest, DataWithoutTextIsRefusedAndChangesNothing) {
  Owned data(new FakeDataObject);
  data->Offer(CF_HDROP, "files");
  EXPECT_EQ(Enter(data.get(), DROPEFFECT_COPY), DROPEFFECT_NONE);
  EXPECT_EQ(Over(DROPEFFECT_COPY), DROPEFFECT_NONE);
  EXPECT_EQ(DropOn(data.get(), DROPEFFECT_COPY), DROPEFFECT_NONE);
  EXPECT_TRUE(dropped_.empty());
  EXPECT_EQ(data->get_data_calls(), 0);
}

TEST_F(DropTargetTest, RefusesWhileTheWindowDragsItsOwnLines) {
  Owned data(new FakeDataObject);
  data->Offer(CF_UNICODETEXT, WideBytes(u"own line"));
  refuse_ = true;
  EXPECT_EQ(Enter(data.get(), DROPEFFECT_COPY), DROPEFFECT_NONE);
  EXPECT_EQ(DropOn(data.get(), DROPEFFECT_COPY), DROPEFFECT_NONE);
  EXPECT_TRUE(dropped_.empty());
}

TEST_F(DropTargetTest, LeavingEndsTheAcceptance) {
  Owned data(new FakeDataObject);
  data->Offer(CF_UNICODETEXT, WideBytes(u"x"));
  Enter(data.get(), DROPEFFECT_COPY);
  EXPECT_EQ(target_->DragLeave(), S_OK);
  EXPECT_EQ(Over(DROPEFFECT_COPY), DROPEFFECT_NONE);
}

FORMATETC Format(CLIPFORMAT format) {
  return FORMATETC{format, nullptr, DVASPECT_CONTENT, -1, TYMED_HGLOBAL};
}

TEST(TextDataObject, OffersTheTextAsUnicodeAndAnsi) {
  Owned data(new TextDataObject(u"セール\r\nhttp://a.jp"));
  EXPECT_EQ(Win32DropData(data.get()).Text(), u"セール\r\nhttp://a.jp");

  FORMATETC ansi = Format(CF_TEXT);
  STGMEDIUM medium{};
  ASSERT_EQ(data->GetData(&ansi, &medium), S_OK);
  ASSERT_EQ(medium.tymed, static_cast<DWORD>(TYMED_HGLOBAL));
  const auto* bytes = static_cast<const char*>(GlobalLock(medium.hGlobal));
  EXPECT_STREQ(bytes, (std::string(kSaleSjis) + "\r\nhttp://a.jp").c_str());
  GlobalUnlock(medium.hGlobal);
  ReleaseStgMedium(&medium);
}

TEST(TextDataObject, RefusesOtherFormats) {
  Owned data(new TextDataObject(u"x"));
  FORMATETC bitmap = Format(CF_BITMAP);
  STGMEDIUM medium{};
  EXPECT_EQ(data->QueryGetData(&bitmap), DV_E_FORMATETC);
  EXPECT_EQ(data->GetData(&bitmap, &medium), DV_E_FORMATETC);
  FORMATETC wide_in_a_stream{CF_UNICODETEXT, nullptr, DVASPECT_CONTENT, -1, TYMED_ISTREAM};
  EXPECT_EQ(data->QueryGetData(&wide_in_a_stream), DV_E_FORMATETC);
}

TEST(TextDataObject, ListsBothTextFormats) {
  Owned data(new TextDataObject(u"x"));
  IEnumFORMATETC* formats = nullptr;
  ASSERT_EQ(data->EnumFormatEtc(DATADIR_GET, &formats), S_OK);
  FORMATETC listed[4]{};
  ULONG count = 0;
  formats->Next(4, listed, &count);
  formats->Release();
  ASSERT_EQ(count, 2u);
  EXPECT_EQ(listed[0].cfFormat, CF_UNICODETEXT);
  EXPECT_EQ(listed[1].cfFormat, CF_TEXT);
}

// A pane on a shown window, with the pointer placed over it in screen terms.
class DragThresholdTest : public ::testing::Test {
 protected:
  void SetUp() override {
    pane_ = CreateWindowExW(0, L"LISTBOX", L"", WS_CHILD | WS_VISIBLE, 10, 10, 300, 300,
                            host_.hwnd(), nullptr, GetModuleHandleW(nullptr), nullptr);
    ASSERT_NE(pane_, nullptr);
    testing::PumpMessages();
  }
  void PutPointer(int x, int y) {
    POINT screen{x, y};
    ClientToScreen(pane_, &screen);
    SetCursorPos(screen.x, screen.y);
    testing::PumpMessages();
  }

  testing::HostWindow host_{/*visible=*/true};
  HWND pane_ = nullptr;
  const POINT press_{50, 50};
};

TEST_F(DragThresholdTest, AReleaseBeforeMovingIsAClick) {
  PutPointer(press_.x, press_.y);
  PostMessageW(pane_, WM_LBUTTONUP, 0, MAKELPARAM(press_.x, press_.y));
  EXPECT_FALSE(PressBecomesDrag(pane_, press_));
  EXPECT_NE(GetCapture(), pane_);
  MSG left_over;
  EXPECT_FALSE(PeekMessageW(&left_over, pane_, WM_LBUTTONUP, WM_LBUTTONUP, PM_NOREMOVE));
}

TEST_F(DragThresholdTest, MovingWithinTheDragRectangleIsStillAClick) {
  PutPointer(press_.x + 1, press_.y + 1);
  PostMessageW(pane_, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(press_.x + 1, press_.y + 1));
  PostMessageW(pane_, WM_LBUTTONUP, 0, MAKELPARAM(press_.x + 1, press_.y + 1));
  EXPECT_FALSE(PressBecomesDrag(pane_, press_));
}

TEST_F(DragThresholdTest, LeavingTheDragRectangleWithTheButtonDownIsADrag) {
  const int beyond = GetSystemMetrics(SM_CXDRAG) + 3;
  PutPointer(press_.x + beyond, press_.y);
  PostMessageW(pane_, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(press_.x + beyond, press_.y));
  EXPECT_TRUE(PressBecomesDrag(pane_, press_));
  EXPECT_NE(GetCapture(), pane_);
}

}  // namespace
}  // namespace vorenta
