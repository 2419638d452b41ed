#include "cli/options.h"

#include <algorithm>
#include <utility>

#include "cli/arguments.h"
#include "cli/output.h"

namespace {

constexpr char kSeeHelp[] = "see kestrelon-cli --help";

char LowerAscii(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

bool SameLetters(std::string_view a, std::string_view b) {
    return a.size() == b.size() &&
           std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) { return LowerAscii(x) == LowerAscii(y); });
}

// The words of "israel|diaspora", one by one.
std::vector<std::string_view> WordsOf(std::string_view words) {
    std::vector<std::string_view> list;
    for (std::size_t start = 0;;) {
        const std::size_t bar = words.find('|', start);
        list.push_back(words.substr(start, bar - start));
        if (bar == std::string_view::npos) {
            return list;
        }
        start = bar + 1;
    }
}

// "israel or diaspora"; "feet, meters or metres".
std::string Alternatives(const std::vector<std::string_view>& words) {
    std::string text;
    for (std::size_t i = 0; i < words.size(); ++i) {
        text += i == 0 ? "" : (i + 1 == words.size() ? " or " : ", ");
        text += words[i];
    }
    return text;
}

// Edits from a to b, a transposition of neighbours counting as one (the optimal string alignment distance). Both are
// short: an option's or a command's name.
std::size_t EditDistance(std::string_view a, std::string_view b) {
    std::vector<std::vector<std::size_t>> d(a.size() + 1, std::vector<std::size_t>(b.size() + 1));
    for (std::size_t i = 0; i <= a.size(); ++i) {
        d[i][0] = i;
    }
    for (std::size_t j = 0; j <= b.size(); ++j) {
        d[0][j] = j;
    }
    for (std::size_t i = 1; i <= a.size(); ++i) {
        for (std::size_t j = 1; j <= b.size(); ++j) {
            const std::size_t change = a[i - 1] == b[j - 1] ? 0 : 1;
            d[i][j] = std::min({d[i - 1][j] + 1, d[i][j - 1] + 1, d[i - 1][j - 1] + change});
            if (i > 1 && j > 1 && a[i - 1] == b[j - 2] && a[i - 2] == b[j - 1]) {
                d[i][j] = std::min(d[i][j], d[i - 2][j - 2] + 1);
            }
        }
    }
    return d[a.size()][b.size()];
}

// Whether a side of an exclusive group ("--from|--to", or "YEAR MONTH" for the operands) holds the option; an empty
// name stands for an operand.
bool SideHolds(std::string_view side, std::string_view name) {
    const bool operands = side.empty() || side[0] != '-';
    if (operands || name.empty()) {
        return operands && name.empty();
    }
    const std::vector<std::string_view> names = WordsOf(side);
    return std::find(names.begin(), names.end(), name) != names.end();
}

// What was given before that excludes the option (an empty name: an operand): the given option's name, or the
// operands' side; empty when nothing does.
std::string_view Excluding(const CommandSyntax& syntax, const GivenOptions& given, std::string_view name) {
    for (const ExclusiveSides& group : syntax.exclusive) {
        for (const auto& [side, against] : {std::pair(group.one, group.other), std::pair(group.other, group.one)}) {
            if (!SideHolds(side, name)) {
                continue;
            }
            if (SideHolds(against, {})) {
                if (!given.Operands().empty()) {
                    return against;
                }
                continue;
            }
            for (const std::string_view other : WordsOf(against)) {
                if (given.Has(other)) {
                    return other;
                }
            }
        }
    }
    return {};
}

// The side of the operands in the syntax's exclusive groups ("YEAR MONTH"), or empty.
std::string_view OperandsSide(const CommandSyntax& syntax) {
    for (const ExclusiveSides& group : syntax.exclusive) {
        for (const std::string_view side : {group.one, group.other}) {
            if (SideHolds(side, {})) {
                return side;
            }
        }
    }
    return {};
}

}  // namespace

bool GivenOptions::Has(std::string_view name) const {
    return std::any_of(given_.begin(), given_.end(), [&](const auto& option) { return option.first == name; });
}

std::optional<std::string> GivenOptions::Value(std::string_view name) const {
    for (const auto& option : given_) {
        if (option.first == name) {
            return option.second;
        }
    }
    return std::nullopt;
}

int ReadOptions(const Arguments& args, const CommandSyntax& syntax, GivenOptions& given) {
    given = GivenOptions();
    const std::string prefix = syntax.command.empty() ? "" : std::string(syntax.command) + ": ";
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (arg.size() < 2 || arg[0] != '-') {
            if (given.operands_.size() >= syntax.operands) {
                return UsageError(prefix + "unexpected argument " + Quote(arg) + " (" + kSeeHelp + ")");
            }
            if (const std::string_view before = Excluding(syntax, given, {}); !before.empty()) {
                return UsageError(prefix + std::string(OperandsSide(syntax)) + " cannot be given with " +
                                  std::string(before));
            }
            given.operands_.push_back(arg);
            continue;
        }
        const Option* option = nullptr;
        std::vector<std::string_view> names;
        for (const OptionTable& table : syntax.options) {
            for (const Option& candidate : table) {
                if (arg == candidate.name || (!candidate.alias.empty() && arg == candidate.alias)) {
                    option = &candidate;
                }
                names.push_back(candidate.name);
                if (!candidate.alias.empty()) {
                    names.push_back(candidate.alias);
                }
            }
        }
        if (option == nullptr) {
            names.insert(names.end(), syntax.also.begin(), syntax.also.end());
            return UsageError(prefix + UnknownMessage("option", arg, NearestName(arg, names)));
        }
        if (given.Has(option->name)) {
            return UsageError(prefix + arg + " given twice");
        }
        if (const std::string_view before = Excluding(syntax, given, option->name); !before.empty()) {
            return UsageError(prefix + arg + " cannot be given with " + std::string(before));
        }
        std::string value;
        if (option->takes != Takes::Nothing) {
            if (i + 1 >= args.size()) {
                return UsageError(prefix + arg + " needs a value");
            }
            value = args[++i];
        }
        if (option->takes == Takes::Word) {
            const std::vector<std::string_view> words = WordsOf(option->words);
            const auto word =
                std::find_if(words.begin(), words.end(), [&](std::string_view w) { return SameLetters(value, w); });
            if (word == words.end()) {
                return UsageError(prefix + arg + " must be " + Alternatives(words) + ", not " + Quote(value));
            }
            value = std::string(*word);
        }
        given.given_.emplace_back(option->name, std::move(value));
    }
    return 0;
}

std::string_view NearestName(std::string_view typed, const std::vector<std::string_view>& names) {
    std::string_view nearest;
    std::size_t best = 0;
    for (const std::string_view name : names) {
        const std::size_t letters = name.size() - std::min(name.find_first_not_of('-'), name.size());
        const std::size_t allowed = letters <= 4 ? 1 : 2;
        if (typed.size() > name.size() + allowed || name.size() > typed.size() + allowed) {
            continue;
        }
        const std::size_t distance = EditDistance(typed, name);
        if (distance > 0 && distance <= allowed && (nearest.empty() || distance < best)) {
            nearest = name;
            best = distance;
        }
    }
    return nearest;
}

std::string UnknownMessage(const char* what, const std::string& typed, std::string_view nearest) {
    const std::string guess = nearest.empty() ? "" : "did you mean " + Quote(std::string(nearest)) + "? ";
    return std::string("unknown ") + what + " " + Quote(typed) + " (" + guess + kSeeHelp + ")";
}
