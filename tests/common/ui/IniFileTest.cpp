#include "common/IniFile.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

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
