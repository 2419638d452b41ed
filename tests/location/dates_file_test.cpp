// The people's dates file as the program finds it: what a damaged or strange file reads as, and that saving what
// was read loses nothing.
#include "location/dates_store.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;

std::string ReadFile(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

enum class Put { Text, Fifo, Folder };

struct BadFileCase {
    const char* label;
    Put put;
    std::string text;
    DatesFileFound found;
    std::vector<std::string> names;       // of the dates read, in order
    std::vector<std::string> problemsAt;  // the start of each problem
};

TEST(DatesFile, ReadsWhatItCanAndSavesEveryLineBack) {
    const std::string good =
        "\xEF\xBB\xBF# my family\n"
        "birthday 1950-02-01 usual Moshe\r\n"
        "yahrzit 1990-01-01 usual Misspelt kind\n"
        "\n"
        "  yahrzeit   7-adarii-5784   BOTH   Cha\xC3\xAFm ben Yosef  \n"
        "birthday 1950-02-30 usual No such day\n"
        "other 30-Cheshvan-5784 usual A month of 29 days\n"
        "anniversary 2001-05-06+after-sunset adar1 Rivka & Dov\n"
        "other 1-Nisan-5780 usual Latin-1 \xE9 name\n"
        "other 1-Nisan-5780 usual";
    const std::vector<BadFileCase> cases = {
        {"empty", Put::Text, "", DatesFileFound::Read, {}, {}},
        {"junk",
         Put::Text,
         std::string("\x7F"
                     "ELF\x02\x01\x01\0\0\n\xFF\xFE junk\n",
                     16),
         DatesFileFound::Read,
         {},
         {"line 1:", "line 2:"}},
        {"bad lines among good ones",
         Put::Text,
         good,
         DatesFileFound::Read,
         {"Moshe", "Cha\xC3\xAFm ben Yosef", "Rivka & Dov"},
         {"line 3:", "line 6:", "line 7:", "line 9:", "line 10:"}},
        {"larger than a dates file may be",
         Put::Text,
         std::string(kDatesFileMaxBytes + 1, '#'),
         DatesFileFound::Unreadable,
         {},
         {}},
        {"a FIFO, never waited for", Put::Fifo, "", DatesFileFound::Unreadable, {}, {}},
        {"a folder", Put::Folder, "", DatesFileFound::Unreadable, {}, {}},
    };
    for (const BadFileCase& c : cases) {
        SCOPED_TRACE(c.label);
        std::string pattern = (fs::temp_directory_path() / "kestrelon-dates-XXXXXX").string();
        const fs::path folder = mkdtemp(&pattern[0]);
        const std::string path = (folder / "dates").string();
        if (c.put == Put::Fifo) {
            ASSERT_EQ(mkfifo(path.c_str(), 0600), 0);
        } else if (c.put == Put::Folder) {
            fs::create_directory(path);
        } else {
            std::ofstream(path, std::ios::binary) << c.text;
        }

        DatesFileContents contents;
        std::string why;
        EXPECT_EQ(LoadDatesFile(path, contents, why), c.found);
        EXPECT_EQ(why.empty(), c.found == DatesFileFound::Read) << why;
        std::vector<std::string> names;
        for (const DatesFileLine& line : contents.lines) {
            if (line.date) {
                names.push_back(line.date->name);
            }
        }
        EXPECT_EQ(names, c.names);
        ASSERT_EQ(contents.problems.size(), c.problemsAt.size());
        for (std::size_t i = 0; i < c.problemsAt.size(); ++i) {
            EXPECT_EQ(contents.problems[i].rfind(c.problemsAt[i], 0), 0u) << contents.problems[i];
        }
        if (c.found == DatesFileFound::Read) {
            // Every line comes back as it was, the last one with the line end it lacked.
            std::string error;
            ASSERT_TRUE(SaveDatesFile(path, contents, error)) << error;
            EXPECT_EQ(ReadFile(path), c.text.empty() || c.text.back() == '\n' ? c.text : c.text + "\n");
        }
        fs::remove_all(folder);
    }
}

}  // namespace
