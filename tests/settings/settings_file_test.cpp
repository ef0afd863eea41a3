#include "profiles/settings/settings_file.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "core/text/gbk_literal.h"

namespace varimonde {
namespace {

namespace fs = std::filesystem;

std::string utf8(std::u8string_view text) {
    return std::string(reinterpret_cast<const char*>(text.data()), text.size());
}

void writeBytes(const fs::path& path, std::string_view bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

std::string readBytes(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::set<std::string> entriesOf(const fs::path& directory) {
    std::set<std::string> names;
    for (const fs::directory_entry& entry : fs::directory_iterator(directory))
        names.insert(entry.path().filename().string());
    return names;
}

mode_t modeOf(const fs::path& path) {
    struct stat status {};
    ::stat(path.c_str(), &status);
    return status.st_mode & 07777;
}

bool runsAsRoot() {
    return ::geteuid() == 0;
}

class SettingsFileTest : public ::testing::Test {
  protected:
    void SetUp() override {
        std::string pattern = (fs::temp_directory_path() / "settings-test-XXXXXX").string();
        ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
        dir_ = pattern;
    }
    void TearDown() override {
        fs::permissions(dir_, fs::perms::owner_all, fs::perm_options::add);
        std::error_code ignored;
        fs::remove_all(dir_, ignored);
    }
    fs::path iniPath() const { return dir_ / "Varimonde.ini"; }
    SettingsFile settings() const { return SettingsFile(dir_.string()); }

    fs::path dir_;
};

TEST_F(SettingsFileTest, MissingFileReadsEmptyAndFirstWriteCreatesTheSection) {
    SettingsFile file = settings();
    EXPECT_EQ(file.path(), iniPath().string());
    EXPECT_EQ(file.readSetting(u8"分析项目"_gbk), "");
    EXPECT_EQ(file.readSetting("Times Count"), "");
    EXPECT_FALSE(fs::exists(iniPath()));

    file.writeSetting("Times Count", "1");
    EXPECT_EQ(readBytes(iniPath()), "[Config]\nTimes Count=1\n");
    EXPECT_EQ(modeOf(iniPath()), 0600u);
    EXPECT_EQ(file.readSetting("times count"), "1");
    EXPECT_EQ(file.readSetting(u8"分析项目"_gbk), "");
}

TEST_F(SettingsFileTest, AsciiFileTakesChineseKeysAsUtf8) {
    SettingsFile file = settings();
    file.writeSetting("Times Count", "1");
    file.writeSetting(u8"行分隔符"_gbk, u8"换行"_gbk);
    EXPECT_EQ(readBytes(iniPath()), utf8(u8"[Config]\nTimes Count=1\n行分隔符=换行\n"));
    EXPECT_EQ(file.readSetting(u8"行分隔符"_gbk), u8"换行"_gbk);
}

// The same settings as a Windows program, a Linux editor or an editor that adds a byte
// order mark would have saved them. `encode` turns the UTF-8 source text into the file's bytes.
struct StoredForm {
    const char* label;
    std::string (*encode)(std::string_view utf8Text);
    std::string lineBreak;
};

const std::vector<StoredForm>& storedForms() {
    static const std::vector<StoredForm> forms = {
        {"GBK with CR LF", [](std::string_view text) { return gbkFromUtf8(text); }, "\r\n"},
        {"UTF-8 with LF", [](std::string_view text) { return std::string(text); }, "\n"},
        {"UTF-8 with byte order mark and CR LF",
         [](std::string_view text) { return "\xEF\xBB\xBF" + std::string(text); }, "\r\n"},
    };
    return forms;
}

std::string withLineBreak(std::string_view lfText, const std::string& lineBreak) {
    std::string out;
    for (char c : lfText) {
        if (c == '\n')
            out += lineBreak;
        else
            out += c;
    }
    return out;
}

const std::u8string_view kStoredSettings =
    u8"; 设置\n"
    u8"[Other]\n"
    u8"分析项目=9\n"
    u8"\n"
    u8"[config]\n"
    u8"  分析项目 = 2 \n"
    u8"行分隔符=换行\n"
    u8"# 注释\n"
    u8"times count='7'\n"
    u8"值分隔符=\"： \"\n"
    u8"\n"
    u8"[Tail]\n"
    u8"x=1\n";

TEST_F(SettingsFileTest, ReadsGbkAndUtf8FilesAlike) {
    const std::vector<std::pair<std::string, std::string>> expected = {
        {u8"分析项目"_gbk, "2"},         {u8"行分隔符"_gbk, u8"换行"_gbk}, {"Times Count", "7"},
        {u8"值分隔符"_gbk, u8"： "_gbk}, {u8"区分大小写"_gbk, ""},         {"x", ""},
    };
    for (const StoredForm& form : storedForms()) {
        SCOPED_TRACE(form.label);
        writeBytes(iniPath(), form.encode(withLineBreak(utf8(kStoredSettings), form.lineBreak)));
        for (const auto& [key, value] : expected) EXPECT_EQ(settings().readSetting(key), value);
    }
}

TEST_F(SettingsFileTest, WritesBackInTheFilesOwnFormKeepingOtherLines) {
    const std::u8string_view updated =
        u8"; 设置\n"
        u8"[Other]\n"
        u8"分析项目=9\n"
        u8"\n"
        u8"[config]\n"
        u8"  分析项目 =3\n"
        u8"行分隔符=换行\n"
        u8"# 注释\n"
        u8"times count=8\n"
        u8"值分隔符=\"： \"\n"
        u8"是否精简=yes\n"
        u8"\n"
        u8"[Tail]\n"
        u8"x=1\n";
    for (const StoredForm& form : storedForms()) {
        SCOPED_TRACE(form.label);
        writeBytes(iniPath(), form.encode(withLineBreak(utf8(kStoredSettings), form.lineBreak)));
        SettingsFile file = settings();
        file.writeSetting(u8"分析项目"_gbk, "3");
        file.writeSetting("Times Count", "8");
        file.writeSetting(u8"是否精简"_gbk, "yes");
        EXPECT_EQ(readBytes(iniPath()), form.encode(withLineBreak(utf8(updated), form.lineBreak)));
    }
}

TEST_F(SettingsFileTest, EachCallGoesToTheFile) {
    SettingsFile file = settings();
    file.writeSetting("a", "1");
    writeBytes(iniPath(), "[Config]\na=2\n");
    EXPECT_EQ(file.readSetting("a"), "2");
    fs::remove(iniPath());
    EXPECT_EQ(file.readSetting("a"), "");
}

TEST_F(SettingsFileTest, ValuesAreCutToTheReadBuffer) {
    const std::string chinese = u8"中"_gbk;
    struct LimitCase {
        const char* label;
        std::string value;
        std::string expected;
    };
    const std::vector<LimitCase> cases = {
        {"10239 bytes fit", std::string(10239, 'a'), std::string(10239, 'a')},
        {"10240 bytes lose the last", std::string(10240, 'a'), std::string(10239, 'a')},
        {"a character ending at byte 10239 fits", std::string(10237, 'a') + chinese, std::string(10237, 'a') + chinese},
        {"a character across the limit is dropped whole", std::string(10238, 'a') + chinese, std::string(10238, 'a')},
    };
    for (const LimitCase& c : cases) {
        SCOPED_TRACE(c.label);
        SettingsFile file = settings();
        file.writeSetting("long", c.value);
        EXPECT_EQ(file.readSetting("long"), c.expected);
    }
}

TEST_F(SettingsFileTest, WritesWhatAKeyLineCanHold) {
    SettingsFile file = settings();
    file.writeSetting("sep", "a\r\n[Config]\nTimes Count=99");
    file.writeSetting("bad=key", "1");
    file.writeSetting(";comment", "1");
    file.writeSetting("  spaced  ", "2");
    EXPECT_EQ(readBytes(iniPath()), "[Config]\nsep=a\nspaced=2\n");
    EXPECT_EQ(file.readSetting("sep"), "a");
    EXPECT_EQ(file.readSetting("Times Count"), "");
    EXPECT_EQ(file.readSetting(" spaced"), "2");
}

TEST_F(SettingsFileTest, LeavesNoTemporaryFileAndKeepsTheMode) {
    writeBytes(iniPath(), "[Config]\na=1\n");
    fs::permissions(iniPath(), static_cast<fs::perms>(0640));
    settings().writeSetting("a", "2");
    EXPECT_EQ(readBytes(iniPath()), "[Config]\na=2\n");
    EXPECT_EQ(modeOf(iniPath()), 0640u);
    EXPECT_EQ(entriesOf(dir_), std::set<std::string>{"Varimonde.ini"});
}

TEST_F(SettingsFileTest, LeftoverTemporaryFileOfACrashDoesNotDisturb) {
    writeBytes(iniPath(), "[Config]\na=1\n");
    writeBytes(dir_ / ".Varimonde.ini.Xy12ab", "[Config]\na=half-writ");
    SettingsFile file = settings();
    EXPECT_EQ(file.readSetting("a"), "1");
    file.writeSetting("a", "2");
    EXPECT_EQ(file.readSetting("a"), "2");
    EXPECT_EQ(entriesOf(dir_), (std::set<std::string>{".Varimonde.ini.Xy12ab", "Varimonde.ini"}));
}

TEST_F(SettingsFileTest, WriteIntoAReadOnlyFolderFailsSilently) {
    if (runsAsRoot()) GTEST_SKIP() << "root writes into a read-only folder";
    writeBytes(iniPath(), "[Config]\na=1\n");
    fs::permissions(dir_, static_cast<fs::perms>(0500));
    settings().writeSetting("a", "2");
    settings().writeSetting("b", "3");
    fs::permissions(dir_, fs::perms::owner_all);
    EXPECT_EQ(readBytes(iniPath()), "[Config]\na=1\n");
    EXPECT_EQ(entriesOf(dir_), std::set<std::string>{"Varimonde.ini"});
}

TEST_F(SettingsFileTest, FolderThatCannotExistReadsEmptyAndIgnoresWrites) {
    writeBytes(dir_ / "plain-file", "x");
    SettingsFile file((dir_ / "plain-file" / "config").string());
    file.writeSetting("a", "1");
    EXPECT_EQ(file.readSetting("a"), "");
    EXPECT_EQ(readBytes(dir_ / "plain-file"), "x");
    EXPECT_EQ(entriesOf(dir_), std::set<std::string>{"plain-file"});
}

TEST_F(SettingsFileTest, UnusableFileReadsEmptyAndIsNotClobbered) {
    struct UnusableCase {
        const char* label;
        bool needsNonRoot;
        bool readsEmpty;
        void (*make)(const fs::path& path);
        void (*undo)(const fs::path& path);
    };
    const std::vector<UnusableCase> cases = {
        {"larger than 16 MiB", false, true,
         [](const fs::path& path) {
             writeBytes(path, "[Config]\na=1\n");
             fs::resize_file(path, 16 * 1024 * 1024 + 1);
         },
         [](const fs::path& path) { fs::resize_file(path, 13); }},
        {"unreadable", true, true,
         [](const fs::path& path) {
             writeBytes(path, "[Config]\na=1\n");
             fs::permissions(path, fs::perms::none);
         },
         [](const fs::path& path) { fs::permissions(path, fs::perms::owner_read | fs::perms::owner_write); }},
        {"read-only", true, false,
         [](const fs::path& path) {
             writeBytes(path, "[Config]\na=1\n");
             fs::permissions(path, fs::perms::owner_read);
         },
         [](const fs::path& path) { fs::permissions(path, fs::perms::owner_read | fs::perms::owner_write); }},
    };
    for (const UnusableCase& c : cases) {
        SCOPED_TRACE(c.label);
        if (c.needsNonRoot && runsAsRoot()) continue;
        c.make(iniPath());
        SettingsFile file = settings();
        EXPECT_EQ(file.readSetting("a"), c.readsEmpty ? "" : "1");
        file.writeSetting("a", "2");
        c.undo(iniPath());
        EXPECT_EQ(readBytes(iniPath()), "[Config]\na=1\n");
        EXPECT_EQ(entriesOf(dir_), std::set<std::string>{"Varimonde.ini"});
        fs::remove(iniPath());
    }
}

TEST_F(SettingsFileTest, SomethingElseAtThePathIsLeftAlone) {
    fs::create_directory(iniPath());
    settings().writeSetting("a", "1");
    EXPECT_EQ(settings().readSetting("a"), "");
    EXPECT_TRUE(fs::is_directory(iniPath()));
    fs::remove(iniPath());

    // A FIFO would block a plain open for reading until a writer comes.
    ASSERT_EQ(::mkfifo(iniPath().c_str(), 0600), 0);
    EXPECT_EQ(settings().readSetting("a"), "");
    settings().writeSetting("a", "1");
    EXPECT_TRUE(fs::is_fifo(iniPath()));
}

TEST_F(SettingsFileTest, LinkedFileIsUpdatedThroughTheLink) {
    fs::create_directory(dir_ / "dotfiles");
    writeBytes(dir_ / "dotfiles" / "Varimonde.ini", "[Config]\na=1\n");
    fs::create_symlink(dir_ / "dotfiles" / "Varimonde.ini", iniPath());
    settings().writeSetting("a", "2");
    EXPECT_TRUE(fs::is_symlink(iniPath()));
    EXPECT_EQ(readBytes(dir_ / "dotfiles" / "Varimonde.ini"), "[Config]\na=2\n");
    EXPECT_EQ(entriesOf(dir_ / "dotfiles"), std::set<std::string>{"Varimonde.ini"});
}

TEST(SettingsFilePath, AddsNoSecondSlash) {
    EXPECT_EQ(SettingsFile("/etc/xdg/").path(), "/etc/xdg/Varimonde.ini");
    EXPECT_EQ(SettingsFile("/etc/xdg").path(), "/etc/xdg/Varimonde.ini");
    EXPECT_EQ(SettingsFile("").path(), "");
    EXPECT_EQ(SettingsFile("").readSetting("a"), "");
}

// Sets or clears an environment variable for one test and puts the old value back.
class ScopedEnv {
  public:
    ScopedEnv(const char* name, const char* value) : name_(name) {
        if (const char* old = std::getenv(name)) old_ = old;
        if (value)
            ::setenv(name, value, 1);
        else
            ::unsetenv(name);
    }
    ~ScopedEnv() {
        if (old_)
            ::setenv(name_, old_->c_str(), 1);
        else
            ::unsetenv(name_);
    }

  private:
    const char* name_;
    std::optional<std::string> old_;
};

TEST_F(SettingsFileTest, ForUserFindsAndCreatesTheConfigFolder) {
    struct EnvCase {
        const char* label;
        std::optional<std::string> configHome;
        fs::path expectedDir;
    };
    const fs::path home = dir_ / "home";
    const std::vector<EnvCase> cases = {
        {"XDG_CONFIG_HOME with missing parents", (dir_ / "xdg" / "deep").string(), dir_ / "xdg" / "deep"},
        {"XDG_CONFIG_HOME unset", std::nullopt, home / ".config"},
        {"XDG_CONFIG_HOME empty", "", home / ".config"},
        {"XDG_CONFIG_HOME relative", "relative/config", home / ".config"},
    };
    for (const EnvCase& c : cases) {
        SCOPED_TRACE(c.label);
        const ScopedEnv homeEnv("HOME", home.c_str());
        const ScopedEnv configEnv("XDG_CONFIG_HOME", c.configHome ? c.configHome->c_str() : nullptr);
        SettingsFile file = SettingsFile::forUser();
        EXPECT_EQ(file.path(), (c.expectedDir / "Varimonde.ini").string());
        EXPECT_TRUE(fs::is_directory(c.expectedDir));
        file.writeSetting("Times Count", "1");
        EXPECT_EQ(readBytes(c.expectedDir / "Varimonde.ini"), "[Config]\nTimes Count=1\n");
        fs::remove_all(c.expectedDir);
    }
    EXPECT_FALSE(fs::exists("relative"));
}

}  // namespace
}  // namespace varimonde
