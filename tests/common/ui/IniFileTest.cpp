#include "common/IniFile.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>

using namespace qs;

namespace {

std::filesystem::path PathIn(const QTemporaryDir& dir, const char* name)
{
    return std::filesystem::path(dir.path().toStdString()) / name;
}

void WriteFile(const std::filesystem::path& path, const std::string& text)
{
    std::ofstream(path, std::ios::binary) << text;
}

std::string ReadFile(const std::filesystem::path& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

}  // namespace

TEST(IniFile, RoundTripWithRawValues)
{
    QTemporaryDir dir;
    const auto path = PathIn(dir, "ombrik.ini");
    {
        IniFile ini(path);
        EXPECT_FALSE(ini.Load());  // no file yet
        EXPECT_TRUE(ini.WriteString("Date", "Date", "2024. 03. 05.   14:07:09"));
        EXPECT_TRUE(ini.WriteString("Edit", "Edit1", "0"));
        EXPECT_TRUE(ini.WriteString("Edit", "Edit2", "2018"));
        EXPECT_TRUE(ini.WriteString("Edit", "Edit_InputText", "1, 2; 3 \"x\""));
        EXPECT_TRUE(ini.Save());
    }
    EXPECT_EQ(ReadFile(path),
              "[Date]\nDate=2024. 03. 05.   14:07:09\n\n[Edit]\nEdit1=0\nEdit2=2018\n"
              "Edit_InputText=1, 2; 3 \"x\"\n");

    IniFile ini(path);
    ASSERT_TRUE(ini.Load());
    EXPECT_EQ(ini.ReadString("Edit", "Edit2", "x"), "2018");
    EXPECT_EQ(ini.ReadString("Edit", "Edit_InputText"), "1, 2; 3 \"x\"");
    EXPECT_EQ(ini.ReadString("Date", "Date"), "2024. 03. 05.   14:07:09");
}

TEST(IniFile, NamesIgnoreCaseAndMissingKeysGiveTheDefault)
{
    QTemporaryDir dir;
    const auto path = PathIn(dir, "a.ini");
    WriteFile(path, "[edit]\nEDIT1 = 42 \n");
    IniFile ini(path);
    ASSERT_TRUE(ini.Load());
    EXPECT_EQ(ini.ReadString("Edit", "Edit1", "0"), "42");  // read trimmed
    EXPECT_TRUE(ini.KeyExists("EDIT", "edit1"));
    EXPECT_EQ(ini.ReadString("Edit", "Edit2", "2018"), "2018");
    EXPECT_EQ(ini.ReadString("Other", "Edit1", "d"), "d");
    EXPECT_FALSE(ini.SectionExists("Date"));
}

TEST(IniFile, UpdatesInPlaceAndKeepsOtherLines)
{
    QTemporaryDir dir;
    const auto path = PathIn(dir, "b.ini");
    WriteFile(path, "; settings\n[Date]\ndate=old\n\n[Edit]\nEdit1=1\nfree text\n\n[Tail]\nk=v\n");
    IniFile ini(path);
    ASSERT_TRUE(ini.Load());
    EXPECT_TRUE(ini.WriteString("DATE", "Date", "new"));
    EXPECT_TRUE(ini.WriteString("Edit", "Edit9", "9"));
    EXPECT_TRUE(ini.WriteString("Edit", "edit1", " spaced "));
    ASSERT_TRUE(ini.Save());
    EXPECT_EQ(ReadFile(path),
              "; settings\n[Date]\ndate=new\n\n[Edit]\nEdit1= spaced \nfree text\nEdit9=9\n\n"
              "[Tail]\nk=v\n");
    IniFile again(path);
    ASSERT_TRUE(again.Load());
    EXPECT_EQ(again.ReadString("Edit", "Edit1"), "spaced");
    EXPECT_EQ(again.ReadString("Tail", "K"), "v");
}

TEST(IniFile, KeepsWindowsLineEnds)
{
    QTemporaryDir dir;
    const auto path = PathIn(dir, "c.ini");
    WriteFile(path, "[Date]\r\nDate=x\r\n");
    IniFile ini(path);
    ASSERT_TRUE(ini.Load());
    EXPECT_EQ(ini.ReadString("Date", "Date"), "x");
    ini.WriteString("Date", "Date", "y");
    ASSERT_TRUE(ini.Save());
    EXPECT_EQ(ReadFile(path), "[Date]\r\nDate=y\r\n");
}

TEST(IniFile, FailuresAreReturnedNotThrown)
{
    QTemporaryDir dir;
    IniFile ini(PathIn(dir, "missing-folder/d.ini"));
    EXPECT_FALSE(ini.Load());
    EXPECT_EQ(ini.ReadString("Edit", "Edit1", "0"), "0");
    ini.WriteString("Edit", "Edit1", "5");
    EXPECT_FALSE(ini.Save());

    IniFile folder(std::filesystem::path(dir.path().toStdString()));
    EXPECT_FALSE(folder.Load());
    EXPECT_FALSE(folder.Save());
}

TEST(IniFile, RefusesTextThatWouldBreakTheFile)
{
    IniFile ini("unused.ini");
    EXPECT_FALSE(ini.WriteString("Edit", "Edit1", "1\n[Date]"));
    EXPECT_FALSE(ini.WriteString("Edit", "Edit1", "1\r2"));
    EXPECT_FALSE(ini.WriteString("Ed]it", "Edit1", "1"));
    EXPECT_FALSE(ini.WriteString("Edit", "Ed=it", "1"));
    EXPECT_FALSE(ini.WriteString("Edit", "", "1"));
    EXPECT_FALSE(ini.WriteString("", "Edit1", "1"));
    EXPECT_EQ(ini.Text(), "");
    EXPECT_TRUE(ini.WriteString("Edit", "Edit1", "a=b [c]"));
    EXPECT_EQ(ini.ReadString("Edit", "Edit1"), "a=b [c]");
}

TEST(IniFile, SettingsFileSitsBesideTheProgram)
{
    EXPECT_EQ(SettingsPathFor("/opt/qs/korvel"), std::filesystem::path("/opt/qs/korvel.ini"));
    EXPECT_EQ(SettingsPathFor("/opt/qs/Ombrik.exe"), std::filesystem::path("/opt/qs/Ombrik.ini"));
}

// How a save meets the file's and its folder's permissions, as an ordinary user meets them
// (the superuser is held to the same bits). Each case: a folder and a file with these modes
// (and owner), the file holding one key; a save of a new value; then what the folder holds.
namespace {

struct AccessCase {
    const char* name;
    mode_t folderMode;
    mode_t fileMode;
    bool otherOwner;     // the file belongs to another user (only the superuser can set that up)
    bool secondLink;     // the file has a second name in the folder
    bool saved;          // the new value is in the file
    bool replacedWhole;  // a new file took the old one's place (else the same file, in place)
};

void RunAccessCase(const AccessCase& c)
{
    SCOPED_TRACE(c.name);
    constexpr uid_t kNobody = 65534;
    QTemporaryDir dir;
    const auto folder = PathIn(dir, "install");
    std::filesystem::create_directory(folder);
    const auto path = folder / "ombrik.ini";
    const std::string before = "[Edit]\nEdit1=old\n";
    WriteFile(path, before);
    if (c.secondLink)
        std::filesystem::create_hard_link(path, folder / "link.ini");
    if (c.otherOwner) {
        ASSERT_EQ(::chown(path.c_str(), kNobody, kNobody), 0);
    }
    ASSERT_EQ(::chmod(path.c_str(), c.fileMode), 0);
    ASSERT_EQ(::chmod(folder.c_str(), c.folderMode), 0);
    struct stat old {};
    ASSERT_EQ(::stat(path.c_str(), &old), 0);

    IniFile ini(path);
    ini.Load();  // an ordinary user cannot read every case's file
    ini.WriteString("Edit", "Edit1", "new");
    EXPECT_EQ(ini.Save(), c.saved);

    struct stat now {};
    ASSERT_EQ(::stat(path.c_str(), &now), 0);
    EXPECT_EQ(ReadFile(path), c.saved ? "[Edit]\nEdit1=new\n" : before);
    EXPECT_EQ(now.st_mode & 07777, c.fileMode);
    EXPECT_EQ(now.st_uid, old.st_uid);
    EXPECT_EQ(now.st_gid, old.st_gid);
    EXPECT_EQ(now.st_ino != old.st_ino, c.replacedWhole);
    if (c.secondLink) {
        EXPECT_EQ(ReadFile(folder / "link.ini"), ReadFile(path));
    }
    std::size_t files = 0;
    for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(folder))
        ++files;
    EXPECT_EQ(files, c.secondLink ? 2u : 1u) << "no file left beside it";
    ::chmod(folder.c_str(), 0755);  // so that the folder can be removed
}

}  // namespace

TEST(IniFileAccess, TheFileIsWrittenWhereTheUserMayWriteItAndKeepsWhatItCarries)
{
    const AccessCase cases[] = {
        {"writable folder and file: replaced whole, mode kept", 0755, 0640, false, false, true,
         true},
        {"read-only folder, writable file: written in place", 0555, 0644, false, false, true,
         false},
        {"read-only file in a writable folder: unchanged", 0755, 0444, false, false, false, false},
        {"read-only file in a read-only folder: unchanged", 0555, 0444, false, false, false, false},
        {"a file with a second link: written in place, both names see it", 0755, 0644, false, true,
         true, false},
        {"a file the user may not read: unchanged", 0755, 0200, false, false, false, false},
    };
    for (const AccessCase& c : cases)
        RunAccessCase(c);
}

TEST(IniFileAccess, AFileOfAnotherUserKeepsItsOwner)
{
    if (::geteuid() != 0)
        GTEST_SKIP() << "only the superuser can give a file to another user";
    const AccessCase cases[] = {
        {"writable by others: written in place", 0755, 0666, true, false, true, false},
        {"read-only to others: unchanged", 0755, 0644, true, false, false, false},
    };
    for (const AccessCase& c : cases)
        RunAccessCase(c);
}

TEST(IniFileAccess, ANewFileOnlyInAFolderTheUserMayWrite)
{
    QTemporaryDir dir;
    const auto folder = PathIn(dir, "install");
    std::filesystem::create_directory(folder);
    for (const mode_t mode : {0555, 0755}) {
        ASSERT_EQ(::chmod(folder.c_str(), mode), 0);
        IniFile ini(folder / "korvel.ini");
        ini.WriteString("Date", "Date", "x");
        EXPECT_EQ(ini.Save(), mode == 0755);
        EXPECT_EQ(std::filesystem::exists(folder / "korvel.ini"), mode == 0755);
    }
}
