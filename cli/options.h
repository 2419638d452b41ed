// The one reader of kestrelon-cli's options. A command declares what it takes (each option's name, whether it takes
// a value, the words a word-valued option takes; how many operands) and has the command line read against that, so
// that every command refuses the same things in the same words:
//
//   holidays: unknown option '--name' (did you mean '--names'? see kestrelon-cli --help)
//   holidays: --from needs a value
//   holidays: --from given twice
//   day: --observance must be israel or diaspora, not 'mars'
//   day: unexpected argument '2024-01-02' (see kestrelon-cli --help)
//   shabbat: --from cannot be given with --date
//
// (the bare form, which has no command name, says the same without the "command: " in front).
#pragma once

#include <cstddef>
#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "cli/commands.h"

enum class Takes {
    Nothing,  // a flag: --names
    Value,    // the next argument, whatever it is: --from 2024
    Word,     // one of the option's words, in any letter case, kept as declared: --observance Israel
};

struct Option {
    std::string_view name;  // "--observance"
    Takes takes;
    std::string_view words;  // for Takes::Word: the words, "israel|diaspora"
    std::string_view alias;  // another name for the option ("-o" for "--output"), or empty
};

// A command's options may come from several tables (its own and the shared place options); an array of options
// stands for itself.
class OptionTable {
  public:
    template <std::size_t N>
    constexpr OptionTable(const Option (&options)[N]) : begin_(options), end_(options + N) {}
    const Option* begin() const { return begin_; }
    const Option* end() const { return end_; }

  private:
    const Option* begin_;
    const Option* end_;
};

// --observance, as the bare form, holidays, day, place and ical take it.
inline constexpr Option kObservanceOption[] = {{"--observance", Takes::Word, "israel|diaspora", {}}};

// Options that exclude each other: two sides, each the options that may go together ("--from|--to"), of which at
// most one is given. A side written without dashes ("YEAR MONTH") stands for the command's operands.
struct ExclusiveSides {
    std::string_view one;
    std::string_view other;
};

// One day or a span of years, as shabbat, parsha and daf take them.
inline constexpr ExclusiveSides kDateOrYears{"--date", "--from|--to"};

struct CommandSyntax {
    std::string_view command;  // "holidays"; empty for the bare form
    std::initializer_list<OptionTable> options;
    std::size_t operands = 0;                           // how many words that are no option it takes at most
    std::initializer_list<std::string_view> also{};     // other names a misspelt option may be meant as (--help)
    std::initializer_list<ExclusiveSides> exclusive{};  // {{"--date", "--from|--to"}}
};

// The command line as read: each option given, under its declared name, with its value (a word as declared, a
// flag's value empty), and the operands in order.
class GivenOptions {
  public:
    bool Has(std::string_view name) const;
    std::optional<std::string> Value(std::string_view name) const;
    const std::vector<std::string>& Operands() const { return operands_; }

  private:
    friend int ReadOptions(const Arguments& args, const CommandSyntax& syntax, GivenOptions& given);
    std::vector<std::pair<std::string_view, std::string>> given_;
    std::vector<std::string> operands_;
};

// Reads args as the syntax declares them. An argument that begins with "-" (but "-" alone) is an option; a value is
// the argument after its option, whatever it is. Returns 0, or 2 after the one line on stderr for the first argument
// that does not fit: an unknown option, a missing value, an option given twice (under either name), a word the option
// does not take, an operand too many, an option (or operand) of one side of an exclusive group when another side's
// was given before it.
int ReadOptions(const Arguments& args, const CommandSyntax& syntax, GivenOptions& given);

// The one of names nearest to typed by edit distance (a letter added, dropped, changed, or two swapped), when that
// is at most 1 for a name of up to four letters past its dashes and at most 2 for a longer one; else empty.
std::string_view NearestName(std::string_view typed, const std::vector<std::string_view>& names);

// "unknown command 'holiday' (did you mean 'holidays'? see kestrelon-cli --help)": what is unknown, the quoted
// word, and the nearest name when there is one.
std::string UnknownMessage(const char* what, const std::string& typed, std::string_view nearest);
