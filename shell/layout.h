// Where the main window's controls stand. A few base values (the Hebrew grid's left edge, the grids' top edge, the
// cell size, the widths of the small controls) give every other number through fixed relations, so moving one
// element moves its neighbours with it. Portable: the static_asserts below pin the numbers, the native tests check
// the relations.
#pragma once

struct LayoutRect {
    int x;
    int y;
    int width;
    int height;

    constexpr int Right() const { return x + width; }
    constexpr int Bottom() const { return y + height; }
};

namespace layout {

// The day grid: 25-pixel cells, seven weekday columns plus a margin column, a header row and six week rows.
inline constexpr int kCellPx = 25;
inline constexpr int kGridDrawingWidth = kCellPx * (7 + 1) + 2;       // 202
inline constexpr int kGridDrawingHeight = kCellPx * 7 + kCellPx / 2;  // 187
inline constexpr int kClientEdgePx = 2;                               // WS_EX_CLIENTEDGE on the grids

// Base values.
inline constexpr int kHebrewGridClientLeft = 325;
inline constexpr int kGridClientTop = 75;
inline constexpr int kControlHeight = 21;
inline constexpr int kMonthBoxWidth = 90;
inline constexpr int kMonthBoxListHeight = 200;
inline constexpr int kYearFieldWidth = 40;
inline constexpr int kSpinnerWidth = 40;
inline constexpr int kTabHeight = 160;
inline constexpr int kMainWindowWidth = 584;

inline constexpr int kGregorianGridClientLeft = kHebrewGridClientLeft - kGridDrawingWidth - 70;  // 53

// A grid's window rectangle is its client rectangle widened by the client edge.
constexpr LayoutRect GridWindowRect(int clientLeft) {
    return {clientLeft - kClientEdgePx, kGridClientTop - kClientEdgePx, kGridDrawingWidth + kClientEdgePx,
            kGridDrawingHeight + kClientEdgePx};
}
inline constexpr LayoutRect kGregorianGrid = GridWindowRect(kGregorianGridClientLeft);
inline constexpr LayoutRect kHebrewGrid = GridWindowRect(kHebrewGridClientLeft);

inline constexpr int kMonthBoxTop = kGridClientTop - kControlHeight - 5;  // 49
inline constexpr LayoutRect kGregorianMonthBox = {kGregorianGridClientLeft - 2, kMonthBoxTop, kMonthBoxWidth,
                                                  kMonthBoxListHeight};
inline constexpr LayoutRect kHebrewMonthBox = {kHebrewGridClientLeft - 2, kMonthBoxTop, kMonthBoxWidth,
                                               kMonthBoxListHeight};

// The Gregorian year field is placed from its month box, the Hebrew one from its grid: 181 and 455.
inline constexpr LayoutRect kGregorianYearField = {kGregorianMonthBox.x + kMonthBoxWidth + 40, kMonthBoxTop,
                                                   kYearFieldWidth, kControlHeight};
inline constexpr LayoutRect kHebrewYearField = {kHebrewGridClientLeft + kMonthBoxWidth + 40, kMonthBoxTop,
                                                kYearFieldWidth, kControlHeight};
inline constexpr LayoutRect kGregorianSpinner = {kGregorianYearField.x + kYearFieldWidth + 2, kMonthBoxTop,
                                                 kSpinnerWidth, kControlHeight};
inline constexpr LayoutRect kHebrewSpinner = {kHebrewYearField.x + kYearFieldWidth + 2, kMonthBoxTop, kSpinnerWidth,
                                              kControlHeight};

// The etched frames around each calendar ("Common" and "Hebrew").
inline constexpr int kFrameWidth = kGridDrawingWidth + 34;                     // 236
inline constexpr int kFrameHeight = kGridDrawingHeight + kControlHeight + 39;  // 247
inline constexpr LayoutRect kGregorianFrame = {kGregorianMonthBox.x - 17, kMonthBoxTop - 17, kFrameWidth, kFrameHeight};
inline constexpr LayoutRect kHebrewFrame = {kHebrewMonthBox.x - 17, kMonthBoxTop - 17, kFrameWidth, kFrameHeight};

inline constexpr LayoutRect kTabControl = {kGregorianFrame.x, kGregorianFrame.y + kFrameHeight + 15,
                                           kHebrewFrame.x + kFrameWidth - kGregorianFrame.x, kTabHeight};

inline constexpr int kMainWindowHeight = kGregorianFrame.y + kFrameHeight + 30 + kTabHeight + 60;  // 529

// Children of the tab surface, relative to it.
inline constexpr LayoutRect kChangeLocationButton = {320, 19, 100, 25};
inline constexpr LayoutRect kHolidayList = {325, 45, 160, 500};
inline constexpr LayoutRect kHolidaysLabel = {325, 19, 60, 15};
inline constexpr LayoutRect kTextView = {10, 19, 300, 100};
inline constexpr int kTabSurfaceMinHeight = kTextView.y + kTextView.height;  // 119
// The Week page has no control beside its text, which runs as far right as the Holiday page's list.
inline constexpr LayoutRect kWeekView = {kTextView.x, kTextView.y, kHolidayList.Right() - kTextView.x,
                                         kTextView.height};

// A window of width x height centred over `over`, then moved the least needed to stand inside `area`; one larger
// than the area keeps its top-left corner inside. Dialogs stand so over the main window, within the work area.
constexpr int ClampTo(int value, int low, int high) {
    return value > high ? (high > low ? high : low) : (value < low ? low : value);
}
constexpr LayoutRect CentredWithin(int width, int height, const LayoutRect& over, const LayoutRect& area) {
    return {ClampTo(over.x + (over.width - width) / 2, area.x, area.Right() - width),
            ClampTo(over.y + (over.height - height) / 2, area.y, area.Bottom() - height), width, height};
}

static_assert(kGridDrawingWidth == 202 && kGridDrawingHeight == 187);
static_assert(kGregorianGrid.x == 51 && kGregorianGrid.y == 73 && kGregorianGrid.width == 204 &&
              kGregorianGrid.height == 189);
static_assert(kHebrewGrid.x == 323);
static_assert(kGregorianYearField.x == 181 && kHebrewYearField.x == 455);
static_assert(kGregorianSpinner.x == 223 && kHebrewSpinner.x == 497);
static_assert(kGregorianFrame.x == 34 && kGregorianFrame.y == 32 && kHebrewFrame.x == 306);
static_assert(kGregorianFrame.Right() == 270 && kGregorianFrame.Bottom() == 279 && kHebrewFrame.Right() == 542);
static_assert(kTabControl.x == 34 && kTabControl.y == 294 && kTabControl.width == 508);
static_assert(kMainWindowHeight == 529);
static_assert(kWeekView.Right() == 485);

}  // namespace layout
