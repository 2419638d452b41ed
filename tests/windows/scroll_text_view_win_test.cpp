#include "textview/scroll_text_view_win.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "tests/windows/support/capture_win.h"
#include "tests/windows/support/gdi_count_win.h"
#include "textview/gdi_win.h"

namespace {

constexpr char kParentClass[] = "Scroll Text View Test Parent";
constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kFrameGrey = RGB(212, 208, 200);

// The rendered view: 508 x 160 pixels.
struct Pixels : Image {
    // Text ink: dark pixels. Antialiased edges in light grey do not count.
    bool InkAt(int x, int y) const {
        const COLORREF p = At(x, y);
        return GetRValue(p) < 160 && GetGValue(p) < 160 && GetBValue(p) < 160;
    }
    int InkIn(RECT r) const {
        int count = 0;
        for (int y = r.top; y < r.bottom; ++y) {
            for (int x = r.left; x < r.right; ++x) {
                count += InkAt(x, y) ? 1 : 0;
            }
        }
        return count;
    }
    // The leftmost and rightmost columns with ink in r, or {-1, -1}.
    std::pair<int, int> InkColumns(RECT r) const {
        int left = -1;
        int right = -1;
        for (int x = r.left; x < r.right; ++x) {
            for (int y = r.top; y < r.bottom; ++y) {
                if (InkAt(x, y)) {
                    left = left < 0 ? x : left;
                    right = x;
                    break;
                }
            }
        }
        return {left, right};
    }
};

LRESULT CALLBACK ParentProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    return DefWindowProcA(window, message, wParam, lParam);
}

HFONT ShellDlgFont(int weight) {
    return CreateFontA(14, 0, 0, 0, weight, 0, 0, 0, 0, 0, 0, 0, 0, "MS Shell Dlg");
}

// n paragraphs: line `inked` holds a word, every other line is empty.
std::string OneInkedLine(int n, int inked) {
    std::string text;
    for (int i = 0; i < n; ++i) {
        text += i == inked ? "Shabbat\n" : " \n";
    }
    return text;
}

class ScrollTextViewWindow : public ::testing::Test {
  protected:
    static void SetUpTestSuite() {
        const HINSTANCE instance = GetModuleHandleA(nullptr);
        largeIcon_ = LoadIconA(nullptr, IDI_APPLICATION);
        smallIcon_ = LoadIconA(nullptr, IDI_INFORMATION);
        viewClass_ = RegisterScrollTextViewClass(instance, largeIcon_, smallIcon_);
        WNDCLASSEXA parent{};
        parent.cbSize = sizeof parent;
        parent.lpfnWndProc = ParentProc;
        parent.hInstance = instance;
        parent.lpszClassName = kParentClass;
        RegisterClassExA(&parent);
    }

    void SetUp() override {
        ASSERT_NE(viewClass_, 0);
        const HINSTANCE instance = GetModuleHandleA(nullptr);
        parent_ = CreateWindowExA(0, kParentClass, "Scroll text view test", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 600,
                                  400, nullptr, nullptr, instance, nullptr);
        ASSERT_NE(parent_, nullptr);
        // As the main window places the holiday view: a 300 x 100 child with a sunken edge and a scroll bar.
        view_ = CreateWindowExA(WS_EX_CLIENTEDGE, kScrollTextViewClass, "Holiday View",
                                WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | WS_CLIPCHILDREN, 10, 19, 300, 100, parent_,
                                reinterpret_cast<HMENU>(static_cast<INT_PTR>(30)), instance, &fonts_);
        ASSERT_NE(view_, nullptr);
        ShowScrollBar(view_, SB_VERT, TRUE);
        UpdateWindow(parent_);
    }

    void TearDown() override {
        if (parent_ != nullptr) {
            DestroyWindow(parent_);
        }
    }

    void SetText(const char* text) { SendMessageA(view_, STVM_SETTEXT, reinterpret_cast<WPARAM>(text), 0); }
    void SetText(const std::string& text) { SetText(text.c_str()); }
    void SetColumns(const std::vector<std::string>& columns) {
        SendMessageA(view_, STVM_SETCOLUMNS, reinterpret_cast<WPARAM>(&columns), 0);
    }
    void SetAlignments(std::vector<UINT32> values) {
        SendMessageA(view_, STVM_SETALIGNMENTS, reinterpret_cast<WPARAM>(values.data()),
                     static_cast<LPARAM>(values.size()));
    }
    void Scroll(int request, int thumb = 0) { SendMessageA(view_, WM_VSCROLL, MAKEWPARAM(request, thumb), 0); }

    // Runs every paint still pending, such as the one a scroll bar that appears or vanishes leaves behind.
    void SettlePaints() const {
        UpdateWindow(view_);
        MSG message;
        while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
            DispatchMessageA(&message);
        }
        ValidateRect(view_, nullptr);
    }

    SCROLLINFO ScrollState() const {
        SCROLLINFO info{};
        info.cbSize = sizeof info;
        info.fMask = SIF_ALL;
        GetScrollInfo(view_, SB_VERT, &info);
        return info;
    }

    RECT Client() const {
        RECT client{};
        GetClientRect(view_, &client);
        return client;
    }

    // Renders the view through WM_PRINTCLIENT into a bitmap first filled with magenta.
    Pixels Render() const {
        Pixels pixels{Capture(508, 160, RGB(255, 0, 255), [this](HDC dc) {
            SendMessageA(view_, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc), PRF_CLIENT);
        })};
        EXPECT_EQ(pixels.width, 508) << "no bitmap to render into";
        return pixels;
    }

    // Band of text line i (at scroll position 0) inside the frame.
    RECT LineBand(int i) const {
        const RECT client = Client();
        return {1, 8 + 19 * i, client.right - 1, std::min<LONG>(8 + 19 * (i + 1), client.bottom - 1)};
    }

    static inline ATOM viewClass_ = 0;
    static inline HICON largeIcon_ = nullptr;
    static inline HICON smallIcon_ = nullptr;
    Font normal_{ShellDlgFont(FW_NORMAL)};
    Font bold_{ShellDlgFont(FW_BOLD)};
    ScrollTextViewFonts fonts_{normal_.Get(), bold_.Get()};
    HWND parent_ = nullptr;
    HWND view_ = nullptr;
};

TEST_F(ScrollTextViewWindow, ClassHasTheArrowCursorWhiteBackgroundAndTheGivenIcons) {
    WNDCLASSEXA info{};
    info.cbSize = sizeof info;
    ASSERT_TRUE(GetClassInfoExA(GetModuleHandleA(nullptr), kScrollTextViewClass, &info));
    EXPECT_EQ(info.style, static_cast<UINT>(CS_HREDRAW | CS_VREDRAW));
    EXPECT_EQ(info.hbrBackground, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    EXPECT_EQ(info.hCursor, LoadCursorA(nullptr, IDC_ARROW));
    EXPECT_EQ(info.hIcon, largeIcon_);
    EXPECT_EQ(info.hIconSm, smallIcon_);
}

TEST_F(ScrollTextViewWindow, EmptyTextDrawsOnlyTheFrameOnWhite) {
    SetText("");
    const SCROLLINFO state = ScrollState();
    EXPECT_EQ(state.nMax, 0);
    EXPECT_EQ(state.nPos, 0);

    const RECT client = Client();
    const Pixels pixels = Render();
    for (int y = 0; y < client.bottom; ++y) {
        for (int x = 0; x < client.right; ++x) {
            const bool frame = x == 0 || y == 0 || x == client.right - 1 || y == client.bottom - 1;
            ASSERT_EQ(pixels.At(x, y), frame ? kFrameGrey : kWhite) << "at " << x << "," << y;
        }
    }
}

TEST_F(ScrollTextViewWindow, ScrollArrowsAreDisabledOnlyWhenThereIsNothingToScroll) {
    const struct {
        const char* label;
        std::string text;
        bool disabled;
    } cases[] = {
        {"ten lines", OneInkedLine(10, 0), false},
        {"one line", "Shabbat", true},
        {"ten lines again", OneInkedLine(10, 0), false},
    };
    for (const auto& c : cases) {
        SetText(c.text);
        SCROLLBARINFO info{};
        info.cbSize = sizeof info;
        ASSERT_TRUE(GetScrollBarInfo(view_, static_cast<LONG>(OBJID_VSCROLL), &info)) << c.label;
        const DWORD upArrow = info.rgstate[1];
        const DWORD downArrow = info.rgstate[5];
        EXPECT_EQ((upArrow & STATE_SYSTEM_UNAVAILABLE) != 0, c.disabled) << c.label;
        EXPECT_EQ((downArrow & STATE_SYSTEM_UNAVAILABLE) != 0, c.disabled) << c.label;
    }
}

TEST_F(ScrollTextViewWindow, TenLinesInA96PixelClientScrollTo113) {
    ASSERT_EQ(Client().bottom, 96);
    SetText(OneInkedLine(10, 0));
    const SCROLLINFO state = ScrollState();
    EXPECT_EQ(state.nMin, 0);
    EXPECT_EQ(state.nMax, 113);
    EXPECT_EQ(state.nPos, 0);
    EXPECT_EQ(state.nPage, 0u);
}

TEST_F(ScrollTextViewWindow, ScrollRequestsMoveWithinTheRange) {
    SetText(OneInkedLine(10, 0));  // range 0..113
    const struct {
        const char* label;
        int from;
        int request;
        int thumb;
        int expected;
    } cases[] = {
        {"line down", 0, SB_LINEDOWN, 0, 19},
        {"line down at the maximum stays", 113, SB_LINEDOWN, 0, 113},
        {"line up", 50, SB_LINEUP, 0, 31},
        {"page up from 100 goes to 0", 100, SB_PAGEUP, 0, 0},
        {"page down from 0 goes to 113", 0, SB_PAGEDOWN, 0, 113},
        {"thumb track", 0, SB_THUMBTRACK, 77, 77},
        {"thumb beyond the range", 0, SB_THUMBPOSITION, 60000, 113},
        {"top", 80, SB_TOP, 0, 0},
        {"bottom", 0, SB_BOTTOM, 0, 113},
        {"end of scrolling", 40, SB_ENDSCROLL, 0, 40},
    };
    for (const auto& c : cases) {
        Scroll(SB_THUMBPOSITION, c.from);
        ASSERT_EQ(ScrollState().nPos, c.from) << c.label;
        Scroll(c.request, c.thumb);
        const SCROLLINFO state = ScrollState();
        EXPECT_EQ(state.nPos, c.expected) << c.label;
        EXPECT_EQ(state.nMax, 113) << c.label;
    }
}

TEST_F(ScrollTextViewWindow, NewTextReturnsToTheTop) {
    SetText(OneInkedLine(10, 0));
    Scroll(SB_PAGEDOWN);
    ASSERT_EQ(ScrollState().nPos, 113);
    SetText(OneInkedLine(20, 0));
    EXPECT_EQ(ScrollState().nPos, 0);
    EXPECT_EQ(ScrollState().nMax, 19 * 21 - 96);
}

// The scroll bar as the window shows it, read from the window's own DC.
std::vector<COLORREF> ShownScrollBar(HWND view) {
    SCROLLBARINFO info{};
    info.cbSize = sizeof info;
    GetScrollBarInfo(view, static_cast<LONG>(OBJID_VSCROLL), &info);
    RECT window{};
    GetWindowRect(view, &window);
    const RECT bar = info.rcScrollBar;
    std::vector<COLORREF> pixels;
    const HDC dc = GetWindowDC(view);
    for (LONG y = bar.top - window.top; y < bar.bottom - window.top; ++y) {
        for (LONG x = bar.left - window.left; x < bar.right - window.left; ++x) {
            pixels.push_back(GetPixel(dc, x, y));
        }
    }
    ReleaseDC(view, dc);
    return pixels;
}

// The bar is drawn with the view's next paint, not while the new text is set (that takes milliseconds under Wine):
// painting only what the new text left to paint shows the new thumb.
TEST_F(ScrollTextViewWindow, NewTextRedrawsTheScrollBarWithTheNextPaintWhenItsThumbMoves) {
    const struct {
        const char* label;
        std::string before;
        std::string after;
    } cases[] = {
        {"same length, scrolled to the bottom", OneInkedLine(10, 0), OneInkedLine(10, 0)},
        {"shorter text, scrolled to the bottom", OneInkedLine(20, 0), OneInkedLine(10, 0)},
    };
    for (const auto& c : cases) {
        SetText(c.before);
        Scroll(SB_BOTTOM);
        SettlePaints();
        RedrawWindow(view_, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_UPDATENOW);
        const std::vector<COLORREF> scrolled = ShownScrollBar(view_);

        SetText(c.after);
        RedrawWindow(view_, nullptr, nullptr, RDW_UPDATENOW);  // paints only what the new text invalidated
        const std::vector<COLORREF> shown = ShownScrollBar(view_);
        RedrawWindow(view_, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_UPDATENOW);
        const std::vector<COLORREF> redrawn = ShownScrollBar(view_);
        ASSERT_FALSE(redrawn.empty()) << c.label;
        ASSERT_TRUE(redrawn != scrolled) << c.label << ": the thumb does not move, so the case shows nothing";
        ASSERT_EQ(shown.size(), redrawn.size()) << c.label;
        int stale = 0;
        for (std::size_t i = 0; i < shown.size(); ++i) {
            stale += shown[i] != redrawn[i] ? 1 : 0;
        }
        EXPECT_EQ(stale, 0) << c.label << ": pixels of the bar still as before the new text";
    }
}

TEST_F(ScrollTextViewWindow, ColumnsClearAndNullTextLeaveTheScrollStateAlone) {
    SetText(OneInkedLine(10, 0));
    Scroll(SB_LINEDOWN);
    SetColumns({"a", "b"});
    SendMessageA(view_, STVM_CLEAR, 0, 0);
    SetText(nullptr);
    const SCROLLINFO state = ScrollState();
    EXPECT_EQ(state.nPos, 19);
    EXPECT_EQ(state.nMax, 113);
}

TEST_F(ScrollTextViewWindow, EachMessageRequestsARepaintOrNot) {
    SetAlignments({0, 2, 0});
    const std::vector<std::string> columns = {"a", "b"};
    const std::vector<UINT32> alignments = {0, 2, 0};
    const struct {
        const char* label;
        UINT message;
        WPARAM wParam;
        LPARAM lParam;
        bool repaint;
    } cases[] = {
        {"set text", STVM_SETTEXT, reinterpret_cast<WPARAM>("Purim"), 0, true},
        {"null text", STVM_SETTEXT, 0, 0, true},
        {"set columns", STVM_SETCOLUMNS, reinterpret_cast<WPARAM>(&columns), 0, true},
        {"clear", STVM_CLEAR, 0, 0, false},
        {"set alignments", STVM_SETALIGNMENTS, reinterpret_cast<WPARAM>(alignments.data()), 3, false},
        {"scroll", WM_VSCROLL, SB_LINEDOWN, 0, true},
        {"set font", WM_SETFONT, reinterpret_cast<WPARAM>(bold_.Get()), TRUE, false},
    };
    for (const auto& c : cases) {
        SettlePaints();
        ASSERT_FALSE(GetUpdateRect(view_, nullptr, FALSE)) << c.label;
        EXPECT_EQ(SendMessageA(view_, c.message, c.wParam, c.lParam), 0) << c.label;
        EXPECT_EQ(GetUpdateRect(view_, nullptr, FALSE) != 0, c.repaint) << c.label;
    }
}

// Counts the background-erase requests the view receives.
class EraseCounter {
  public:
    explicit EraseCounter(HWND window)
        : window_(window),
          original_(reinterpret_cast<WNDPROC>(
              SetWindowLongPtrA(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&EraseCounter::Proc)))) {
        original = original_;
        count = 0;
    }
    ~EraseCounter() { SetWindowLongPtrA(window_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(original_)); }

    static inline WNDPROC original = nullptr;
    static inline int count = 0;
    static inline LRESULT lastResult = 0;

  private:
    static LRESULT CALLBACK Proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
        const LRESULT result = CallWindowProcA(original, window, message, wParam, lParam);
        if (message == WM_ERASEBKGND) {
            ++count;
            lastResult = result;
        }
        return result;
    }

    HWND window_;
    WNDPROC original_;
};

TEST_F(ScrollTextViewWindow, TextAndScrollingEraseButColumnsDoNot) {
    SetAlignments({0, 2, 0});
    const EraseCounter counter(view_);
    const struct {
        const char* label;
        std::function<void()> send;
        int erases;
    } cases[] = {
        {"set text", [&] { SetText(OneInkedLine(10, 0)); }, 1},
        {"scroll", [&] { Scroll(SB_LINEDOWN); }, 1},
        {"set columns",
         [&] {
             SetColumns({"a", "b"});
         },
         0},
    };
    for (const auto& c : cases) {
        SettlePaints();
        EraseCounter::count = 0;
        c.send();
        UpdateWindow(view_);
        EXPECT_EQ(EraseCounter::count, c.erases) << c.label;
        if (c.erases > 0) {
            EXPECT_EQ(EraseCounter::lastResult, 1) << c.label << ": the erase is answered without erasing";
        }
    }
}

TEST_F(ScrollTextViewWindow, LinesAreDrawnInTheirBandsAndMoveWithTheScrollBar) {
    SetText(OneInkedLine(10, 1));
    const struct {
        const char* label;
        int scrollRequest;  // SB_ENDSCROLL leaves the position
        int inkedBand;
    } cases[] = {
        {"at the top the second line is inked", SB_ENDSCROLL, 1},
        {"one line down it is the first", SB_LINEDOWN, 0},
        {"one more line down it is gone", SB_LINEDOWN, -1},
    };
    for (const auto& c : cases) {
        Scroll(c.scrollRequest);
        const Pixels pixels = Render();
        for (int band = 0; band < 4; ++band) {
            const int ink = pixels.InkIn(LineBand(band));
            if (band == c.inkedBand) {
                EXPECT_GT(ink, 20) << c.label << ", band " << band;
            } else {
                EXPECT_EQ(ink, 0) << c.label << ", band " << band;
            }
        }
        EXPECT_EQ(pixels.InkIn({1, 1, 8, Client().bottom - 1}), 0) << c.label << ": nothing left of the margin";
    }
}

TEST_F(ScrollTextViewWindow, MarkersChooseTheFontAndAreNotDrawn) {
    SetText("Shabbat\n#Shabbat\n@Shabbat");
    const Pixels pixels = Render();
    const int plain = pixels.InkIn(LineBand(0));
    const int hashed = pixels.InkIn(LineBand(1));
    const int bold = pixels.InkIn(LineBand(2));
    EXPECT_GT(plain, 20);
    EXPECT_EQ(hashed, plain) << "the # is not drawn";
    EXPECT_EQ(pixels.InkColumns(LineBand(1)), pixels.InkColumns(LineBand(0)));
    EXPECT_GT(bold, plain * 11 / 10) << "the @ line is bold";
    EXPECT_EQ(pixels.InkColumns(LineBand(2)).first, pixels.InkColumns(LineBand(0)).first) << "the @ is not drawn";
}

TEST_F(ScrollTextViewWindow, FontsSentWithSetFontAreIgnored) {
    SetText("Shabbat");
    const int before = Render().InkIn(LineBand(0));
    const Font large(CreateFontA(40, 0, 0, 0, FW_HEAVY, 0, 0, 0, 0, 0, 0, 0, 0, "MS Shell Dlg"));
    SendMessageA(view_, WM_SETFONT, reinterpret_cast<WPARAM>(large.Get()), TRUE);
    SetText("Shabbat");
    EXPECT_EQ(Render().InkIn(LineBand(0)), before);
}

TEST_F(ScrollTextViewWindow, ZmanimColumnsSitAtTheirOffsetsWithTheirAlignments) {
    SetAlignments({0, 2, 0});
    SetColumns({"a\na\na\na", "88\n88\n88\n88", "b\nb\nb\nb"});
    const Pixels pixels = Render();
    const LONG rowTops[] = {8, 26, 44, 62};
    for (const LONG top : rowTops) {
        SCOPED_TRACE("row at " + std::to_string(top));
        const auto [leftStart, leftEnd] = pixels.InkColumns({1, top, 60, top + 18});
        EXPECT_GE(leftStart, 8);
        EXPECT_LE(leftStart, 10);
        const auto [middleStart, middleEnd] = pixels.InkColumns({60, top, 130, top + 18});
        EXPECT_LT(middleEnd, 124) << "right-aligned, ending at 124";
        EXPECT_GE(middleEnd, 119);
        const auto [rightStart, rightEnd] = pixels.InkColumns({130, top, 200, top + 18});
        EXPECT_GE(rightStart, 134);
        EXPECT_LE(rightStart, 136);
    }
    EXPECT_EQ(pixels.InkIn({1, 80, Client().right - 1, Client().bottom - 1}), 0) << "nothing below the fourth row";
}

TEST_F(ScrollTextViewWindow, ColumnsBeyondANewShorterTableStayDrawn) {
    SetAlignments({0, 2, 0});
    SetColumns({"a", "88", "b"});
    SetColumns({"a", "88"});
    EXPECT_GT(Render().InkIn({130, 8, 200, 26}), 0);
    SendMessageA(view_, STVM_CLEAR, 0, 0);
    SetColumns({"a", "88"});
    EXPECT_EQ(Render().InkIn({130, 8, 200, 26}), 0);
}

TEST_F(ScrollTextViewWindow, DestroyFreesTheStateAndLaterMessagesAreHarmless) {
    ASSERT_NE(GetWindowLongPtrA(view_, GWLP_USERDATA), 0);
    SendMessageA(view_, WM_DESTROY, 0, 0);
    EXPECT_EQ(GetWindowLongPtrA(view_, GWLP_USERDATA), 0);
    SetText("Purim");
    Scroll(SB_LINEDOWN);
    EXPECT_EQ(GetWindowLongPtrA(view_, GWLP_USERDATA), 0);
}

TEST_F(ScrollTextViewWindow, AThousandPaintsLeaveNoGdiObjectBehind) {
    SetAlignments({0, 2, 0});
    const auto paint = [&](int i) {
        if (i % 100 == 0) {
            SetText("@Purim\n#The feast of lots, on the fourteenth of Adar.\n \n" + OneInkedLine(10, 3));
            Scroll(SB_LINEDOWN);
        } else if (i % 100 == 50) {
            SendMessageA(view_, STVM_CLEAR, 0, 0);
            SetColumns({"Sunrise:\nSunset:", "6:01 AM\n7:45 PM", "Now"});
        }
        RedrawWindow(view_, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
        if (i % 10 == 0) {
            Render();
        }
    };
    // Wine creates a few objects of its own the first time a font or a bitmap is used; one round of everything
    // the loop does comes first, so that only growth from repeated painting is counted.
    paint(0);
    paint(50);
    const std::optional<std::size_t> before = CountLiveGdiObjects();
    ASSERT_TRUE(before.has_value());
    for (int i = 0; i < 1000; ++i) {
        paint(i);
    }
    const std::optional<std::size_t> after = CountLiveGdiObjects();
    ASSERT_TRUE(after.has_value());
    EXPECT_EQ(*after, *before);
}

}  // namespace
