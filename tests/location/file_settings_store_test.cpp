// The settings file: the settings rules over it, and what a damaged file reads as.
#include "location/file_settings_store.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "location/location.h"
#include "tests/support/settings_contract.h"

namespace {

namespace fs = std::filesystem;

// A scratch folder of the test's own, removed afterwards.
class ScratchFolder {
  public:
    ScratchFolder() {
        std::string pattern = (fs::temp_directory_path() / "kestrelon-settings-XXXXXX").string();
        root_ = mkdtemp(&pattern[0]);
    }
    ~ScratchFolder() { fs::remove_all(root_); }
    fs::path Folder() const { return root_ / "kestrelon"; }
    fs::path File() const { return Folder() / "settings"; }

  private:
    fs::path root_;
};

std::string ReadFile(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

void WriteFile(const fs::path& path, const std::string& text) {
    fs::create_directories(path.parent_path());
    std::ofstream(path, std::ios::binary) << text;
}

// The file's lines edited as a person with an editor would, without the store's parser.
class FileScratch : public ScratchStore {
  public:
    SettingsStore& Store() override { return store_; }
    bool KeyExists() override { return fs::is_regular_file(scratch_.File()); }
    void SetDword(const char* name, std::int32_t value) override { Set(name, std::to_string(value)); }
    void SetString(const char* name, const char* text) override { Set(name, text); }
    void SetBinary(const char* name, const std::vector<unsigned char>& bytes) override {
        Set(name, std::string(bytes.begin(), bytes.end()));
    }
    void Delete(const char* name) override { WriteFile(scratch_.File(), Without(name)); }
    StoredKind Kind(const char* name) override {
        const std::string value = Value(name);
        if (value.empty()) {
            return StoredKind::Missing;
        }
        return value.find_first_not_of("-0123456789") == std::string::npos ? StoredKind::Dword : StoredKind::String;
    }
    std::int32_t Dword(const char* name) override { return static_cast<std::int32_t>(std::stol(Value(name))); }
    // A file where the folder should be: neither the folder nor the settings file can be made or read.
    void MakeUnreachable() override {
        fs::remove_all(scratch_.Folder());
        WriteFile(scratch_.Folder(), "");
    }

  private:
    std::string Without(const std::string& name) {
        std::istringstream lines(ReadFile(scratch_.File()));
        std::string kept;
        for (std::string line; std::getline(lines, line);) {
            if (line.rfind(name + "=", 0) != 0) {
                kept += line + "\n";
            }
        }
        return kept;
    }
    void Set(const std::string& name, const std::string& value) {
        WriteFile(scratch_.File(), Without(name) + name + "=" + value + "\n");
    }
    std::string Value(const std::string& name) {
        std::istringstream lines(ReadFile(scratch_.File()));
        for (std::string line; std::getline(lines, line);) {
            if (line.rfind(name + "=", 0) == 0) {
                return line.substr(name.size() + 1);
            }
        }
        return {};
    }

    ScratchFolder scratch_;
    FileSettingsStore store_{scratch_.Folder().string()};
};

INSTANTIATE_TEST_SUITE_P(File,
                         SettingsContract,
                         ::testing::Values(ScratchStoreMaker{
                             "File", [] { return std::unique_ptr<ScratchStore>(std::make_unique<FileScratch>()); },
                             false}),
                         ScratchStoreName);

constexpr char kSound[] = "City=10001\nLatitude=4045\nLongitude=7400\nElevation=33\nElevation Units=1\nHoliday=1\n";
constexpr char kJunk[] =
    "\x7f"
    "ELF\x02\x01\x01\0\0\0=\xff\n\xfe\xfe\n";
const std::vector<std::string> kSix = {"City", "Latitude", "Longitude", "Elevation", "Elevation Units", "Holiday"};

std::vector<std::int32_t> Fields(const Location& l) {
    return {l.city(),
            l.latitude(),
            l.longitude(),
            l.elevation(),
            static_cast<std::int32_t>(l.elevationUnits()),
            static_cast<std::int32_t>(l.holiday())};
}

// Each damage costs the values it touches, which read as their defaults (0, 0, 0, 0, 2 feet, 2 Diaspora), and is
// one problem; the other values read as saved; reading writes nothing.
TEST(SettingsFile, ADamagedFileReadsAsTheDefaultsForWhatIsDamaged) {
    using Names = std::vector<std::string>;
    const struct {
        const char* label;
        std::string text;
        std::vector<std::int32_t> fields;
        Names missing;
        Names unreadable;
        std::size_t problems;
    } cases[] = {
        {"sound", kSound, {10001, 4045, 7400, 33, 1, 1}, {}, {}, 0},
        {"blanks, comments and CRLF line ends",
         std::string("# mine\r\n\n  City = 10001 \r\n") + (kSound + 11),
         {10001, 4045, 7400, 33, 1, 1},
         {},
         {},
         0},
        {"the extremes of 32 bits",
         "City=10001\nLatitude=-2147483648\nLongitude=7400\nElevation=2147483647\nElevation Units=1\nHoliday=1\n",
         {10001, INT32_MIN, 7400, INT32_MAX, 1, 1},
         {},
         {},
         0},
        {"empty", "", {0, 0, 0, 0, 2, 2}, kSix, {}, 0},
        {"binary junk", std::string(kJunk, sizeof kJunk - 1), {0, 0, 0, 0, 2, 2}, kSix, {}, 2},
        {"a value of the wrong type",
         "City=10001\nLatitude=40 45 N\n" + std::string(kSound + 25),
         {10001, 0, 7400, 33, 1, 1},
         {},
         {"Latitude"},
         1},
        {"a missing value", std::string(kSound, sizeof kSound - 11), {10001, 4045, 7400, 33, 1, 2}, {"Holiday"}, {}, 0},
        {"cut short", std::string(kSound, sizeof kSound - 2), {10001, 4045, 7400, 33, 1, 2}, {"Holiday"}, {}, 1},
        {"a number past 32 bits",
         "City=10001\nLatitude=4045\nLongitude=7400\nElevation=2147483648\nElevation Units=1\nHoliday=1\n",
         {10001, 4045, 7400, 0, 1, 1},
         {},
         {"Elevation"},
         1},
        {"a name given twice", std::string(kSound) + "City=10002\n", {0, 4045, 7400, 33, 1, 1}, {}, {"City"}, 1},
        {"a line too long",
         "City=10001\nLatitude=" + std::string(200, '0') + "4045\n" + (kSound + 25),
         {10001, 0, 7400, 33, 1, 1},
         {"Latitude"},
         {},
         1},
        {"no NAME=NUMBER",
         "City 10001\n[place]\n" + std::string(kSound + 11),
         {0, 4045, 7400, 33, 1, 1},
         {"City"},
         {},
         2},
        {"too large to be ours", kSound + std::string(4096, '#') + "\n", {0, 0, 0, 0, 2, 2}, kSix, {}, 1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.label);
        ScratchFolder scratch;
        WriteFile(scratch.File(), c.text);
        FileSettingsStore store(scratch.Folder().string());
        Location location;
        const SettingsReadReport report = location.loadWithoutCreating(store);
        EXPECT_TRUE(report.keyFound);
        EXPECT_EQ(Fields(location), c.fields);
        EXPECT_EQ(Names(report.missing.begin(), report.missing.end()), c.missing);
        EXPECT_EQ(Names(report.unreadable.begin(), report.unreadable.end()), c.unreadable);
        EXPECT_EQ(store.problems().size(), c.problems);
        EXPECT_EQ(ReadFile(scratch.File()), c.text);
    }
}

// A file that cannot be read is reported and kept: reading gives the defaults (without waiting for a FIFO's
// writer), the program's own start (createKey) does not replace it, and only an explicit save writes a new file, with
// every value whole.
TEST(SettingsFile, AnUnreadableFileIsKeptUntilAnExplicitSave) {
    for (const bool fifo : {false, true}) {
        SCOPED_TRACE(fifo ? "a FIFO" : "a folder, which cannot be read even by root");
        ScratchFolder scratch;
        fs::create_directories(fifo ? scratch.Folder() : scratch.File());
        ASSERT_TRUE(!fifo || mkfifo(scratch.File().c_str(), 0600) == 0);
        FileSettingsStore store(scratch.Folder().string());
        Location location;
        location.setCity(77);
        EXPECT_TRUE(location.loadWithoutCreating(store).keyFound);
        EXPECT_EQ(Fields(location), (std::vector<std::int32_t>{0, 0, 0, 0, 2, 2}));
        ASSERT_EQ(store.problems().size(), 1u);
        EXPECT_NE(store.problems()[0].find("cannot be read"), std::string::npos);
        location.load(store);
        EXPECT_EQ(fs::status(scratch.File()).type(), fifo ? fs::file_type::fifo : fs::file_type::directory);

        if (!fifo) {
            fs::remove(scratch.File());
            WriteFile(scratch.File(), "Other=5\nCity=junk\n");
        }
        location.setCity(10001);
        std::vector<std::string> dropped;
        SettingsWriteError error;
        ASSERT_TRUE(store.writeValues(location.settingValues().data(), 6, dropped, error)) << error.reason;
        EXPECT_EQ(location.loadWithoutCreating(store).missing.size(), 0u);
        EXPECT_TRUE(store.problems().empty());
        EXPECT_EQ(location.city(), 10001);
        EXPECT_EQ(ReadFile(scratch.File()).find("\nOther=5\nCity=10001\nLatitude=0\n") != std::string::npos, !fifo);
        EXPECT_EQ(std::distance(fs::directory_iterator(scratch.Folder()), fs::directory_iterator()), 1);
    }
}

// A save never writes a file its own reader refuses: the lines the program does not use are kept, in their order,
// only while the file stays within kSettingsFileMaxBytes, and the ones left out are named. The file of unknown lines
// is 3960 bytes, as found in use; with the header and the six values it would be 4393.
TEST(SettingsFile, ASaveKeepsUnknownLinesOnlyWhileTheFileStaysReadable) {
    const auto line = [](int i) { return "Unknown setting " + std::to_string(10000 + i) + "=1234567890\n"; };
    std::string unknown;
    for (int i = 0; unknown.size() < 3960; ++i) {
        unknown += line(i);
    }
    ASSERT_EQ(unknown.size(), 3960u);
    ScratchFolder scratch;
    WriteFile(scratch.File(), unknown);
    FileSettingsStore store(scratch.Folder().string());
    Location location;
    location.setCity(10001);
    location.setLatitude(4045);
    std::vector<std::string> dropped;
    SettingsWriteError error;
    ASSERT_TRUE(store.writeValues(location.settingValues().data(), 6, dropped, error)) << error.reason;

    const std::string written = ReadFile(scratch.File());
    EXPECT_LE(written.size(), kSettingsFileMaxBytes);
    EXPECT_GT(written.size() + line(0).size(), kSettingsFileMaxBytes) << "a line more would have fitted";
    Location again;
    EXPECT_TRUE(again.loadWithoutCreating(store).missing.empty());
    EXPECT_TRUE(store.problems().empty());
    EXPECT_EQ(Fields(again), Fields(location));
    // The kept lines are the first ones, the dropped ones the rest, each named once.
    ASSERT_FALSE(dropped.empty());
    const std::size_t keptLines = (unknown.size() / line(0).size()) - dropped.size();
    EXPECT_NE(written.find(unknown.substr(0, keptLines * line(0).size())), std::string::npos);
    EXPECT_EQ(written.find(line(static_cast<int>(keptLines))), std::string::npos);
    for (std::size_t i = 0; i < dropped.size(); ++i) {
        EXPECT_EQ(dropped[i] + "=1234567890\n", line(static_cast<int>(keptLines + i)));
    }

    // In place of the last line kept, a line that fills the file to the byte is kept; a byte longer, it is left out.
    // (The file read has no header, so that it is within the reader's size either way.)
    const std::size_t header = written.find("\nUnknown") + 1;
    std::string base = written.substr(header);
    base.erase(base.find(line(static_cast<int>(keptLines) - 1)), line(0).size());
    const std::size_t room = kSettingsFileMaxBytes - header - base.size();
    for (const std::size_t size : {room, room + 1}) {
        const std::string name(size - 3, 'F');
        WriteFile(scratch.File(), base + name + "=1\n");
        std::vector<std::string> droppedNow;
        ASSERT_TRUE(store.writeValues(location.settingValues().data(), 6, droppedNow, error)) << error.reason;
        EXPECT_EQ(ReadFile(scratch.File()).size(), size == room ? kSettingsFileMaxBytes : header + base.size());
        EXPECT_EQ(droppedNow, size == room ? std::vector<std::string>{} : std::vector<std::string>{name});
    }
}

TEST(SettingsFile, TheFolderComesFromXdgConfigHomeOrHome) {
    const struct {
        const char* xdg;  // null: unset
        const char* home;
        const char* folder;
    } cases[] = {
        {"/x/config", "/home/me", "/x/config/kestrelon"},
        {nullptr, "/home/me", "/home/me/.config/kestrelon"},
        {"", "/home/me", "/home/me/.config/kestrelon"},
        {"relative", "/home/me", "/home/me/.config/kestrelon"},
        {nullptr, nullptr, ""},
    };
    for (const auto& c : cases) {
        c.xdg ? setenv("XDG_CONFIG_HOME", c.xdg, 1) : unsetenv("XDG_CONFIG_HOME");
        c.home ? setenv("HOME", c.home, 1) : unsetenv("HOME");
        EXPECT_EQ(UserSettingsFolder(), c.folder);
    }
}

}  // namespace
