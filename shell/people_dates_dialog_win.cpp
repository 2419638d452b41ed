// The People's Dates dialog and the dialog of one date. Both are made with the wide functions, so that a name shows
// and is typed in any script: the file holds it in UTF-8, the controls in UTF-16, and nothing between them passes
// through the ANSI code page.
//
// Every change takes the change lock, reads the file again, makes the change there and saves it whole
// (location/dates_store.h): a date that kestrelon-cli added meanwhile stays, a line that cannot be read stays where it
// was, and a file that cannot be read is never written over.
#include "shell/people_dates_dialog_win.h"

#include <commctrl.h>

#include <iterator>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "calendar/anniversary.h"
#include "calendar/hebrew.h"
#include "calendar/month_names.h"
#include "location/dates_store.h"
#include "location/wide_text_win.h"
#include "resource.h"
#include "shell/messages.h"
#include "shell/shell_win.h"
#include "textview/window_state_win.h"

namespace {

constexpr wchar_t kListCaption[] = L"People's Dates";
constexpr wchar_t kDateCaption[] = L"Person's Date";
constexpr int kNextDayReachDays = 400;  // a yearly day comes again within a Hebrew year of 385 days at most
constexpr int kMaxDayDigits = 2;
constexpr int kMaxYearDigits = 4;
constexpr std::size_t kShownProblems = 3;

// The list's columns and their share of its width, in percent.
struct Column {
    const wchar_t* title;
    int percent;
};
constexpr Column kColumns[] = {{L"Name", 24}, {L"Kind", 13}, {L"Date", 41}, {L"Next", 22}};

constexpr PersonDateKind kKinds[] = {PersonDateKind::Yahrzeit, PersonDateKind::Birthday, PersonDateKind::Anniversary,
                                     PersonDateKind::Other};
constexpr const wchar_t* kKindTitles[] = {L"Yahrzeit", L"Birthday", L"Anniversary", L"Other"};

constexpr AdarChoice kAdarChoices[] = {AdarChoice::Usual, AdarChoice::AdarI, AdarChoice::AdarII, AdarChoice::Both};
constexpr const wchar_t* kAdarTitles[] = {L"As usual for the kind", L"Adar I", L"Adar II", L"Both Adars"};

// The Hebrew months in the order of a leap year, Adar between them for a common year's.
constexpr int kHebrewMonthsListed[] = {kTishrei, 2, 3, 4, 5, kAdar, kAdarI, kAdarII, 7, 8, 9, 10, 11, kElul};

std::wstring ItemText(HWND dialog, int id) {
    const HWND control = GetDlgItem(dialog, id);
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(control)) + 1, L'\0');
    text.resize(static_cast<std::size_t>(GetWindowTextW(control, &text[0], static_cast<int>(text.size()))));
    return text;
}

void SetItemText(HWND dialog, int id, const std::wstring& text) {
    SetDlgItemTextW(dialog, id, text.c_str());
}

void AddComboItem(HWND dialog, int id, const wchar_t* text, LPARAM data) {
    const LRESULT index = SendDlgItemMessageW(dialog, id, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text));
    SendDlgItemMessageW(dialog, id, CB_SETITEMDATA, static_cast<WPARAM>(index), data);
}

// Selects the item that carries data (the first when none does).
void SelectComboData(HWND dialog, int id, LPARAM data) {
    const LRESULT count = SendDlgItemMessageW(dialog, id, CB_GETCOUNT, 0, 0);
    LRESULT chosen = 0;
    for (LRESULT index = 0; index < count; ++index) {
        if (SendDlgItemMessageW(dialog, id, CB_GETITEMDATA, static_cast<WPARAM>(index), 0) == data) {
            chosen = index;
            break;
        }
    }
    SendDlgItemMessageW(dialog, id, CB_SETCURSEL, static_cast<WPARAM>(chosen), 0);
}

LPARAM SelectedComboData(HWND dialog, int id) {
    const LRESULT index = SendDlgItemMessageW(dialog, id, CB_GETCURSEL, 0, 0);
    return SendDlgItemMessageW(dialog, id, CB_GETITEMDATA, static_cast<WPARAM>(index), 0);
}

// Tells the user what to do and puts the focus on the field to correct, its text selected.
void Refuse(HWND dialog, int id, const std::wstring& message) {
    MessageBoxW(dialog, message.c_str(), kDateCaption, MB_OK | MB_ICONEXCLAMATION);
    const HWND control = GetDlgItem(dialog, id);
    SendMessageW(dialog, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(control), TRUE);
    SendMessageW(control, EM_SETSEL, 0, -1);
}

std::wstring Number(int value) {
    return std::to_wstring(value);
}

// "March 5, 1990" / "Adar 9, 5750".
std::wstring DateLine(const char* monthName, int day, int year) {
    char line[64];
    const std::size_t length = FormatDateLine(monthName, day, year, line, sizeof line);
    return WideFromUtf8(std::string(line, length));
}

std::wstring CivilDayLine(DayNumber day) {
    int dayOfMonth = 0, month = 0, year = 0;
    DayNumberToGregorian(day, dayOfMonth, month, year);
    return DateLine(GregorianMonthName(month), dayOfMonth, year);
}

std::size_t KindIndex(PersonDateKind kind) {
    for (std::size_t i = 0; i < std::size(kKinds); ++i) {
        if (kKinds[i] == kind) {
            return i;
        }
    }
    return std::size(kKinds) - 1;
}

// The date as it was entered: "March 5, 1990, after sunset", "Adar 9, 5750", with a chosen Adar after it.
std::wstring EnteredDateText(const PersonDate& date) {
    std::wstring text;
    if (date.civilDay) {
        text = CivilDayLine(*date.civilDay) + (date.afterSunset ? L", after sunset" : L"");
    } else {
        text = DateLine(HebrewMonthName(date.hebrew.month), date.hebrew.day, date.hebrew.year);
    }
    if (date.adar != AdarChoice::Usual) {
        for (std::size_t i = 0; i < std::size(kAdarChoices); ++i) {
            if (kAdarChoices[i] == date.adar) {
                text += std::wstring(L"; leap year: ") + kAdarTitles[i];
            }
        }
    }
    return text;
}

// The first yearly day on or after today, or "" when none comes (a date of the far future, or past 2099).
std::wstring NextDayText(const PersonDate& date, DayNumber today) {
    const std::vector<YearlyOccurrence> days = YearlyOccurrencesIn(HebrewDateOf(date), date.kind, date.adar, today,
                                                                   static_cast<DayNumber>(today + kNextDayReachDays));
    return days.empty() ? std::wstring() : CivilDayLine(days.front().day);
}

// ---- The dialog of one date ----

struct DateDialogState {
    PersonDate date;      // what the dialog shows at first, and after OK what it holds
    bool adding = false;  // Add rather than Edit: the caption says which
    int row = 0;          // the radio button of the row the fields are read from
};

bool GregorianChosen(HWND dialog) {
    return IsDlgButtonChecked(dialog, IDC_DATE_GREGORIAN) == BST_CHECKED;
}

void EnableDateFields(HWND dialog) {
    const bool gregorian = GregorianChosen(dialog);
    for (const int id : {IDC_GREGORIAN_DAY, IDC_GREGORIAN_MONTH, IDC_GREGORIAN_YEAR, IDC_AFTER_SUNSET}) {
        EnableWindow(GetDlgItem(dialog, id), gregorian ? TRUE : FALSE);
    }
    for (const int id : {IDC_HEBREW_DAY, IDC_HEBREW_MONTH, IDC_HEBREW_YEAR}) {
        EnableWindow(GetDlgItem(dialog, id), gregorian ? FALSE : TRUE);
    }
}

std::optional<int> FieldNumber(HWND dialog, int id) {
    const std::wstring text = ItemText(dialog, id);
    if (text.empty() || text.size() > static_cast<std::size_t>(kMaxYearDigits) ||
        text.find_first_not_of(L"0123456789") != std::wstring::npos) {
        return std::nullopt;
    }
    return std::stoi(text);
}

// The date the fields name, into date; or, with refuse, the first field to correct refused with what to type.
bool ReadDateFields(HWND dialog, PersonDate& date, bool refuse) {
    const auto fail = [&](int id, const std::wstring& message) {
        if (refuse) {
            Refuse(dialog, id, message);
        }
        return false;
    };
    const std::wstring range =
        L" from " + Number(kFirstSupportedYear) + L" to " + Number(kLastSupportedYear) + L", as the calendar has them.";
    if (GregorianChosen(dialog)) {
        const std::optional<int> year = FieldNumber(dialog, IDC_GREGORIAN_YEAR);
        if (!year || *year < kFirstSupportedYear || *year > kLastSupportedYear) {
            return fail(IDC_GREGORIAN_YEAR, L"Please type the year of the event, a year" + range);
        }
        const int month = static_cast<int>(SelectedComboData(dialog, IDC_GREGORIAN_MONTH));
        const int days = DaysInGregorianMonth(month, *year);
        const std::optional<int> day = FieldNumber(dialog, IDC_GREGORIAN_DAY);
        if (!day || *day < 1 || *day > days) {
            return fail(IDC_GREGORIAN_DAY, L"Please type the day of the month: " +
                                               WideFromUtf8(GregorianMonthName(month)) + L" " + Number(*year) +
                                               L" has days 1 to " + Number(days) + L".");
        }
        date.civilDay = GregorianToDayNumber(*day, month, *year);
        date.afterSunset = IsDlgButtonChecked(dialog, IDC_AFTER_SUNSET) == BST_CHECKED;
        return true;
    }
    const std::optional<int> year = FieldNumber(dialog, IDC_HEBREW_YEAR);
    if (!year) {
        return fail(IDC_HEBREW_YEAR, L"Please type the Hebrew year of the event, such as 5750.");
    }
    const std::optional<int> day = FieldNumber(dialog, IDC_HEBREW_DAY);
    if (!day || *day < 1 || *day > 30) {
        return fail(IDC_HEBREW_DAY, L"Please type the day of the Hebrew month, 1 to 30.");
    }
    std::string reason;
    const std::string month = std::to_string(SelectedComboData(dialog, IDC_HEBREW_MONTH));
    const std::optional<HebrewDate> hebrew =
        ParseHebrewDateParts(std::to_string(*day), month, std::to_string(*year), reason);
    if (!hebrew) {
        const bool yearOutOfRange = reason.rfind("the Hebrew year", 0) == 0;
        return fail(yearOutOfRange ? IDC_HEBREW_YEAR : IDC_HEBREW_MONTH,
                    L"There is no such day: " + WideFromUtf8(reason) + L". Please correct the date.");
    }
    date.civilDay.reset();
    date.afterSunset = false;
    date.hebrew = *hebrew;
    return true;
}

// The Adar choice counts for a date of Adar in a common year, the only month some years have twice.
void EnableAdarChoice(HWND dialog) {
    PersonDate date;
    bool applies = false;
    if (ReadDateFields(dialog, date, false)) {
        const HebrewDate hebrew = HebrewDateOf(date);
        applies = hebrew.month == kAdar && !IsHebrewLeapYear(hebrew.year);
    }
    EnableWindow(GetDlgItem(dialog, IDC_DATE_ADAR), applies ? TRUE : FALSE);
}

// Both rows show the event's day, so that switching between them starts from the same date.
void ShowDateFields(HWND dialog, const PersonDate& date) {
    const HebrewDate hebrew = HebrewDateOf(date);
    SetItemText(dialog, IDC_HEBREW_DAY, Number(hebrew.day));
    SelectComboData(dialog, IDC_HEBREW_MONTH, hebrew.month);
    SetItemText(dialog, IDC_HEBREW_YEAR, Number(hebrew.year));
    int day = 0, month = 0, year = 0;
    DayNumberToGregorian(date.civilDay.value_or(HebrewToDayNumber(hebrew.day, hebrew.month, hebrew.year)), day, month,
                         year);
    SetItemText(dialog, IDC_GREGORIAN_DAY, Number(day));
    SelectComboData(dialog, IDC_GREGORIAN_MONTH, month);
    SetItemText(dialog, IDC_GREGORIAN_YEAR, Number(year));
    CheckDlgButton(dialog, IDC_AFTER_SUNSET, date.afterSunset ? BST_CHECKED : BST_UNCHECKED);
}

// The other row chosen: it takes the date the row left names, when that is a date.
void SwitchDateRow(HWND dialog, DateDialogState& state, int chosen) {
    if (chosen == state.row) {
        return;
    }
    PersonDate date;
    CheckRadioButton(dialog, IDC_DATE_GREGORIAN, IDC_DATE_HEBREW, state.row);
    const bool named = ReadDateFields(dialog, date, false);
    CheckRadioButton(dialog, IDC_DATE_GREGORIAN, IDC_DATE_HEBREW, chosen);
    state.row = chosen;
    if (named) {
        ShowDateFields(dialog, date);
    }
    EnableDateFields(dialog);
    EnableAdarChoice(dialog);
}

void ShowDate(HWND dialog, DateDialogState& state) {
    const PersonDate& date = state.date;
    SetWindowTextW(dialog, state.adding ? L"Add a Person's Date" : L"Edit a Person's Date");
    SendDlgItemMessageW(dialog, IDC_DATE_NAME, EM_LIMITTEXT, kDateNameMaxBytes, 0);
    SetItemText(dialog, IDC_DATE_NAME, WideFromUtf8(date.name));
    for (std::size_t i = 0; i < std::size(kKinds); ++i) {
        AddComboItem(dialog, IDC_DATE_KIND, kKindTitles[i], static_cast<LPARAM>(i));
    }
    SelectComboData(dialog, IDC_DATE_KIND, static_cast<LPARAM>(KindIndex(date.kind)));
    for (int month = 1; month <= 12; ++month) {
        AddComboItem(dialog, IDC_GREGORIAN_MONTH, WideFromUtf8(GregorianMonthName(month)).c_str(), month);
    }
    for (const int month : kHebrewMonthsListed) {
        AddComboItem(dialog, IDC_HEBREW_MONTH, WideFromUtf8(HebrewMonthName(month)).c_str(), month);
    }
    for (std::size_t i = 0; i < std::size(kAdarChoices); ++i) {
        AddComboItem(dialog, IDC_DATE_ADAR, kAdarTitles[i], static_cast<LPARAM>(i));
        if (kAdarChoices[i] == date.adar) {
            SelectComboData(dialog, IDC_DATE_ADAR, static_cast<LPARAM>(i));
        }
    }
    for (const int id : {IDC_GREGORIAN_DAY, IDC_HEBREW_DAY}) {
        SendDlgItemMessageW(dialog, id, EM_LIMITTEXT, kMaxDayDigits, 0);
    }
    for (const int id : {IDC_GREGORIAN_YEAR, IDC_HEBREW_YEAR}) {
        SendDlgItemMessageW(dialog, id, EM_LIMITTEXT, kMaxYearDigits, 0);
    }

    ShowDateFields(dialog, date);
    state.row = date.civilDay || state.adding ? IDC_DATE_GREGORIAN : IDC_DATE_HEBREW;
    CheckRadioButton(dialog, IDC_DATE_GREGORIAN, IDC_DATE_HEBREW, state.row);
    EnableDateFields(dialog);
    EnableAdarChoice(dialog);
}

// OK: the fields as a date, refused field by field; the dialog ends only with a date the file can keep.
void AcceptDate(HWND dialog, DateDialogState& state) {
    PersonDate date;
    std::wstring typed = ItemText(dialog, IDC_DATE_NAME);
    const std::size_t first = typed.find_first_not_of(L' ');
    typed =
        first == std::wstring::npos ? std::wstring() : typed.substr(first, typed.find_last_not_of(L' ') - first + 1);
    date.name = Utf8FromWide(typed);
    if (date.name.empty()) {
        Refuse(dialog, IDC_DATE_NAME, L"Please type the person's name.");
        return;
    }
    if (const std::string problem = NameProblem(date.name); !problem.empty()) {
        Refuse(dialog, IDC_DATE_NAME, L"The name " + WideFromUtf8(problem) + L". Please type it again.");
        return;
    }
    // kestrelon-cli dates remove takes a number for a place in the list.
    if (date.name.find_first_not_of("0123456789") == std::string::npos) {
        Refuse(dialog, IDC_DATE_NAME, L"Please type a name that is not a number alone.");
        return;
    }
    date.kind = kKinds[static_cast<std::size_t>(SelectedComboData(dialog, IDC_DATE_KIND)) % std::size(kKinds)];
    if (!ReadDateFields(dialog, date, true)) {
        return;
    }
    // A disabled choice keeps what the entry held.
    date.adar =
        kAdarChoices[static_cast<std::size_t>(SelectedComboData(dialog, IDC_DATE_ADAR)) % std::size(kAdarChoices)];
    state.date = std::move(date);
    EndDialog(dialog, IDOK);
}

INT_PTR CALLBACK DateDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    DateDialogState* state = reinterpret_cast<DateDialogState*>(GetWindowLongPtrW(dialog, DWLP_USER));
    switch (message) {
        case WM_INITDIALOG:
            SetWindowLongPtrW(dialog, DWLP_USER, lParam);
            ShowDate(dialog, *reinterpret_cast<DateDialogState*>(lParam));
            CentreDialogOnOwner(dialog);
            return TRUE;
        case WM_COMMAND:
            if (state == nullptr) {
                return FALSE;
            }
            switch (LOWORD(wParam)) {
                case IDOK:
                    AcceptDate(dialog, *state);
                    return TRUE;
                case IDCANCEL:
                    EndDialog(dialog, IDCANCEL);
                    return TRUE;
                case IDC_DATE_GREGORIAN:
                case IDC_DATE_HEBREW:
                    if (HIWORD(wParam) == BN_CLICKED && IsDlgButtonChecked(dialog, LOWORD(wParam)) == BST_CHECKED) {
                        SwitchDateRow(dialog, *state, LOWORD(wParam));
                    }
                    return TRUE;
                case IDC_AFTER_SUNSET:
                case IDC_GREGORIAN_MONTH:
                case IDC_HEBREW_MONTH:
                case IDC_GREGORIAN_DAY:
                case IDC_GREGORIAN_YEAR:
                case IDC_HEBREW_DAY:
                case IDC_HEBREW_YEAR:
                    if (HIWORD(wParam) == EN_CHANGE || HIWORD(wParam) == CBN_SELCHANGE ||
                        HIWORD(wParam) == BN_CLICKED) {
                        EnableAdarChoice(dialog);
                    }
                    return TRUE;
                default:
                    return FALSE;
            }
        default:
            return FALSE;
    }
}

// ---- The list ----

struct ListState {
    HWND owner = nullptr;
    HINSTANCE instance = nullptr;
    DayNumber today = 0;
    std::string path;
    DatesFileContents contents;  // as last read or saved
    bool editable = false;       // the file was read, or is not there yet
};

HWND ListOf(HWND dialog) {
    return GetDlgItem(dialog, IDC_DATES_LIST);
}

int SelectedRow(HWND dialog) {
    return static_cast<int>(
        SendMessageW(ListOf(dialog), LVM_GETNEXTITEM, static_cast<WPARAM>(-1), MAKELPARAM(LVNI_SELECTED, 0)));
}

void SelectRow(HWND dialog, int row) {
    LVITEMW item{};
    item.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
    item.state = LVIS_SELECTED | LVIS_FOCUSED;
    SendMessageW(ListOf(dialog), LVM_SETITEMSTATE, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item));
    SendMessageW(ListOf(dialog), LVM_ENSUREVISIBLE, static_cast<WPARAM>(row), FALSE);
}

void SetCell(HWND list, int row, int column, const std::wstring& text) {
    LVITEMW item{};
    item.mask = LVIF_TEXT;
    item.iItem = row;
    item.iSubItem = column;
    item.pszText = const_cast<wchar_t*>(text.c_str());
    SendMessageW(list, column == 0 ? LVM_INSERTITEMW : LVM_SETITEMTEXTW, static_cast<WPARAM>(row),
                 reinterpret_cast<LPARAM>(&item));
}

void EnableButtons(HWND dialog, const ListState& state) {
    const bool chosen = state.editable && SelectedRow(dialog) >= 0;
    EnableWindow(GetDlgItem(dialog, IDC_DATES_ADD), state.editable ? TRUE : FALSE);
    EnableWindow(GetDlgItem(dialog, IDC_DATES_EDIT), chosen ? TRUE : FALSE);
    EnableWindow(GetDlgItem(dialog, IDC_DATES_DELETE), chosen ? TRUE : FALSE);
}

// The line under the list: where the file is, and the lines of it that cannot be read, which stay in it unshown.
void ShowStatus(HWND dialog, const ListState& state, const std::string& unreadable) {
    std::wstring text;
    if (!unreadable.empty()) {
        text = WideFromUtf8(unreadable);
    } else {
        text = L"Kept in " + WideFromUtf8(state.path);
        const std::vector<std::string>& problems = state.contents.problems;
        if (!problems.empty()) {
            text += L"\n" + Number(static_cast<int>(problems.size())) +
                    (problems.size() == 1 ? L" line cannot be read and is kept as it is: "
                                          : L" lines cannot be read and are kept as they are: ");
            for (std::size_t i = 0; i < problems.size() && i < kShownProblems; ++i) {
                text += (i == 0 ? L"" : L"; ") + WideFromUtf8(problems[i]);
            }
            text += problems.size() > kShownProblems ? L"; ..." : L"";
        }
    }
    SetItemText(dialog, IDC_DATES_STATUS, text);
}

void FillList(HWND dialog, const ListState& state, int selectRow) {
    const HWND list = ListOf(dialog);
    SendMessageW(list, LVM_DELETEALLITEMS, 0, 0);
    int row = 0;
    for (const PersonDate* date : DatesOf(state.contents)) {
        SetCell(list, row, 0, WideFromUtf8(date->name));
        SetCell(list, row, 1, kKindTitles[KindIndex(date->kind)]);
        SetCell(list, row, 2, EnteredDateText(*date));
        SetCell(list, row, 3, NextDayText(*date, state.today));
        ++row;
    }
    if (row > 0) {
        SelectRow(dialog, selectRow < 0 ? 0 : (selectRow < row ? selectRow : row - 1));
    }
    EnableButtons(dialog, state);
}

// Reads the file into the state; what cannot be read is reported in the status line and makes the list read-only.
bool ReadFile(HWND dialog, ListState& state) {
    std::string why;
    state.path = UserDatesPath(why);
    state.contents = DatesFileContents{};
    state.editable = false;
    std::string unreadable;
    if (state.path.empty()) {
        unreadable = "The dates have no file: " + why + ".";
    } else {
        switch (LoadDatesFile(state.path, state.contents, why)) {
            case DatesFileFound::Nothing:
                state.contents = NewDatesFile();
                state.editable = true;
                break;
            case DatesFileFound::Read:
                state.editable = true;
                break;
            case DatesFileFound::Unreadable:
                unreadable = "The file " + state.path + " cannot be read (" + why +
                             "). It is left as it is, and no date can be changed here until it can be read.";
                break;
        }
    }
    ShowStatus(dialog, state, unreadable);
    return state.editable;
}

constexpr int kNoChange = -2;

// A change: the file read again under the change lock, the change made there, the file saved and the main window
// told. row is the date the change is about (its place in the list shown), or -1 for a new one; change returns the
// row to select afterwards, or kNoChange to save nothing.
template <typename Change>
void ChangeFile(HWND dialog, ListState& state, int row, Change change) {
    const std::vector<const PersonDate*> shown = DatesOf(state.contents);
    const std::string shownLine = row >= 0 ? FormatPersonDate(*shown[static_cast<std::size_t>(row)]) : std::string();
    std::wstring problem;  // told once the lock is let go, so that no message box keeps kestrelon-cli waiting
    UINT icon = MB_ICONERROR;
    int selectRow = row;
    bool saved = false;
    {
        // Held from the read to the save, so that a change kestrelon-cli makes at the same moment is kept as well.
        DatesChangeLock lock;
        std::string why;
        DatesFileLine* target = nullptr;
        if (!state.path.empty() && !lock.Take(state.path, why)) {
            problem = L"Nothing was changed: " + WideFromUtf8(why) + L".";
        } else if (!ReadFile(dialog, state)) {
            problem = L"The file of the dates cannot be read now, so nothing was changed; see below the list.";
        } else {
            int index = 0;
            for (DatesFileLine& line : state.contents.lines) {
                if (line.date && index++ == row) {
                    target = &line;
                }
            }
            if (row >= 0 && (target == nullptr || FormatPersonDate(*target->date) != shownLine)) {
                problem = L"The file changed since the list was shown. Here it is again: please choose the date again.";
                icon = MB_ICONINFORMATION;
            } else if ((selectRow = change(target)) == kNoChange) {
                selectRow = row;
            } else if (std::string error; !SaveDatesFile(state.path, state.contents, error)) {
                problem = L"The dates were not saved: " + WideFromUtf8(error) + L".";
                ReadFile(dialog, state);
                selectRow = row;
            } else {
                saved = true;
            }
        }
    }
    if (!problem.empty()) {
        MessageBoxW(dialog, problem.c_str(), kListCaption, MB_OK | icon);
    }
    FillList(dialog, state, selectRow);
    if (saved) {
        SendMessageW(state.owner, UM_REFRESH, 0, 0);
    }
}

// Opens the dialog of one date; true with date set after OK.
bool EditInDialog(HWND dialog, const ListState& state, PersonDate& date, bool adding) {
    DateDialogState edited{date, adding};
    if (DialogBoxParamW(state.instance, MAKEINTRESOURCEW(IDD_PERSON_DATE), dialog, DateDialogProc,
                        reinterpret_cast<LPARAM>(&edited)) != IDOK) {
        return false;
    }
    date = std::move(edited.date);
    return true;
}

void AddDate(HWND dialog, ListState& state) {
    PersonDate date;
    date.kind = PersonDateKind::Yahrzeit;
    date.civilDay = state.today;
    if (!EditInDialog(dialog, state, date, true)) {
        return;
    }
    ChangeFile(dialog, state, -1, [&](DatesFileLine*) {
        state.contents.lines.push_back({date, {}});
        return static_cast<int>(DatesOf(state.contents).size()) - 1;
    });
}

void EditDate(HWND dialog, ListState& state) {
    const int row = SelectedRow(dialog);
    if (row < 0) {
        return;
    }
    PersonDate date = *DatesOf(state.contents)[static_cast<std::size_t>(row)];
    if (!EditInDialog(dialog, state, date, false)) {
        return;
    }
    // A date edited is written anew (FormatPersonDate), in its place.
    ChangeFile(dialog, state, row, [&](DatesFileLine* line) {
        *line = DatesFileLine{date, {}};
        return row;
    });
}

void DeleteDate(HWND dialog, ListState& state) {
    const int row = SelectedRow(dialog);
    if (row < 0) {
        return;
    }
    const PersonDate& date = *DatesOf(state.contents)[static_cast<std::size_t>(row)];
    const std::wstring question =
        L"Delete the date of " + WideFromUtf8(date.name) + L" (" + EnteredDateText(date) + L")?";
    if (MessageBoxW(dialog, question.c_str(), kListCaption, MB_YESNO | MB_ICONQUESTION | MB_DEFBUTTON2) != IDYES) {
        return;
    }
    ChangeFile(dialog, state, row, [&](DatesFileLine* line) {
        for (auto it = state.contents.lines.begin(); it != state.contents.lines.end(); ++it) {
            if (&*it == line) {
                state.contents.lines.erase(it);
                return row;
            }
        }
        return kNoChange;
    });
}

void MakeColumns(HWND dialog) {
    const HWND list = ListOf(dialog);
    SendMessageW(list, LVM_SETEXTENDEDLISTVIEWSTYLE, LVS_EX_FULLROWSELECT, LVS_EX_FULLROWSELECT);
    RECT client{};
    GetClientRect(list, &client);
    const int width = client.right - GetSystemMetrics(SM_CXVSCROLL);
    int index = 0;
    for (const Column& column : kColumns) {
        LVCOLUMNW made{};
        made.mask = LVCF_TEXT | LVCF_WIDTH;
        made.pszText = const_cast<wchar_t*>(column.title);
        made.cx = width * column.percent / 100;
        SendMessageW(list, LVM_INSERTCOLUMNW, static_cast<WPARAM>(index++), reinterpret_cast<LPARAM>(&made));
    }
}

void OnListCommand(HWND dialog, ListState& state, int id) {
    switch (id) {
        case IDC_DATES_ADD:
            AddDate(dialog, state);
            break;
        case IDC_DATES_EDIT:
            EditDate(dialog, state);
            break;
        case IDC_DATES_DELETE:
            DeleteDate(dialog, state);
            break;
        case IDOK:
            // Enter in the list edits the selected date.
            if (GetFocus() == ListOf(dialog) && state.editable && SelectedRow(dialog) >= 0) {
                EditDate(dialog, state);
            } else {
                EndDialog(dialog, IDOK);
            }
            break;
        case IDCANCEL:
            EndDialog(dialog, IDCANCEL);
            break;
        default:
            break;
    }
}

void OnListNotify(HWND dialog, ListState& state, const NMHDR& header) {
    if (header.idFrom != IDC_DATES_LIST) {
        return;
    }
    if (header.code == LVN_ITEMCHANGED) {
        EnableButtons(dialog, state);
    } else if (header.code == static_cast<UINT>(NM_DBLCLK) && state.editable && SelectedRow(dialog) >= 0) {
        EditDate(dialog, state);
    } else if (header.code == LVN_KEYDOWN && reinterpret_cast<const NMLVKEYDOWN&>(header).wVKey == VK_DELETE &&
               state.editable) {
        DeleteDate(dialog, state);
    }
}

INT_PTR CALLBACK ListDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    ListState* state = reinterpret_cast<ListState*>(GetWindowLongPtrW(dialog, DWLP_USER));
    switch (message) {
        case WM_INITDIALOG: {
            SetWindowLongPtrW(dialog, DWLP_USER, lParam);
            ListState& given = *reinterpret_cast<ListState*>(lParam);
            MakeColumns(dialog);
            ReadFile(dialog, given);
            FillList(dialog, given, 0);
            CentreDialogOnOwner(dialog);
            return TRUE;
        }
        case WM_COMMAND:
            if (state != nullptr) {
                OnListCommand(dialog, *state, LOWORD(wParam));
            }
            return TRUE;
        case WM_NOTIFY:
            if (state != nullptr && lParam != 0) {
                OnListNotify(dialog, *state, *reinterpret_cast<const NMHDR*>(lParam));
            }
            return TRUE;
        default:
            return FALSE;
    }
}

}  // namespace

void ShowPeopleDatesDialog(HINSTANCE instance, HWND owner, DayNumber today) {
    INITCOMMONCONTROLSEX lists{sizeof lists, ICC_LISTVIEW_CLASSES};
    InitCommonControlsEx(&lists);
    ListState state;
    state.owner = owner;
    state.instance = instance;
    state.today = today;
    DialogBoxParamW(instance, MAKEINTRESOURCEW(IDD_PEOPLE_DATES), owner, ListDialogProc,
                    reinterpret_cast<LPARAM>(&state));
}
