// X colour databases, on the X colour names Debian installs (/etc/X11/rgb.txt, x11-common).
#include "kelXColorDB.h"

#include "testenv.h"

#include <algorithm>
#include <fstream>
#include <gtest/gtest.h>
#include <string>

namespace {

const char systemNames[] = "/etc/X11/rgb.txt";

std::string scratch(const std::string &name)
{
    return treeDir("CVGUI_BINARY_DIR") + "/" + name;
}

void writeFile(const std::string &path, const std::string &text)
{
    std::ofstream(path, std::ios::binary) << text;
}

struct Rgb {
    unsigned long ref = 0xDEAD;
    int r = -1, g = -1, b = -1;
};

Rgb convert(const KelXColorDB &db, const char *name, int *result = nullptr)
{
    Rgb c;
    int r = db.convert(name, &c.ref, &c.r, &c.g, &c.b);
    if (result != nullptr) {
        *result = r;
    }
    return c;
}

} // namespace

TEST(XColorNames, TheSystemNamesLoadAndConvertIgnoringLetterCase)
{
    // The system's colour names without their first line, a "!" comment.
    std::string names = readFile(systemNames);
    ASSERT_FALSE(names.empty()) << systemNames << " (package x11-common) is needed";
    ASSERT_EQ(names[0], '!');
    names.erase(0, names.find('\n') + 1);
    std::string path = scratch("rgb-names.txt");
    writeFile(path, names);
    KelXColorDB db;
    ASSERT_EQ(db.load(path.c_str(), nullptr), 0);
    EXPECT_EQ(db.count(), std::count(names.begin(), names.end(), '\n'));

    Rgb snow = convert(db, "SNOW");
    EXPECT_EQ(snow.ref, 0x00FAFAFFul);
    EXPECT_EQ(snow.r * 65536 + snow.g * 256 + snow.b, 0xFFFAFA);
    EXPECT_STREQ(db.record(0).name, "snow") << "the name after the tabs, exactly";

    EXPECT_EQ(convert(db, "navy blue").ref, 0x00800000ul);
    EXPECT_EQ(convert(db, "NavyBlue").ref, 0x00800000ul);
    EXPECT_EQ(convert(db, "navyblue").ref, 0x00800000ul) << "letter case is ignored";
    int result = 0;
    Rgb missing = convert(db, "navy  blue", &result);
    EXPECT_EQ(result, -1) << "blanks count";
    EXPECT_EQ(missing.ref, 0xDEADul) << "outputs untouched";
    EXPECT_EQ(missing.r, -1);
    unsigned long ref = 0;
    EXPECT_EQ(db.convert("DarkSlateGray4", &ref, nullptr, nullptr, nullptr), 0) << "components may be left out";
    EXPECT_EQ(ref, 0x008B8B52ul);
}

TEST(XColorNames, HexadecimalNotationNeedsExactlySixDigits)
{
    KelXColorDB db;
    Rgb orange = convert(db, "#FF8000");
    EXPECT_EQ(orange.ref, 0x000080FFul);
    EXPECT_EQ(orange.r * 65536 + orange.g * 256 + orange.b, 0xFF8000);
    EXPECT_EQ(convert(db, "#ff8000").ref, 0x000080FFul);
    int result = 0;
    convert(db, "#fff", &result);
    EXPECT_EQ(result, -1) << "three digits are a name, and the database is empty";
    convert(db, "#ffff00000000", &result);
    EXPECT_EQ(result, -1);

    std::string path = scratch("rgb-hash.txt");
    writeFile(path, "1 2 3 #fff\n");
    ASSERT_EQ(db.load(path.c_str(), nullptr), 0);
    EXPECT_EQ(convert(db, "#FFF", &result).ref, 0x00030201ul);
    EXPECT_EQ(result, 0) << "unless the database holds that very name";
}

TEST(XColorNames, FilesAppendInOrderAndTheFirstNameWins)
{
    KelXColorDB db;
    std::string first = scratch("rgb-first.txt"), second = scratch("rgb-second.txt");
    writeFile(first, "1 2 3\tDup\n  4   5   6   inner  blanks  \n300 -1 7 wide\n");
    writeFile(second, "7 8 9 dup\n10 11 12 only second\n");
    ASSERT_EQ(db.load(first.c_str(), nullptr), 0);
    ASSERT_EQ(db.load(second.c_str(), nullptr), 0);
    EXPECT_EQ(db.count(), 5);
    EXPECT_EQ(convert(db, "DUP").ref, 0x00030201ul) << "the first record of a name";
    EXPECT_EQ(convert(db, "only second").r, 10);
    EXPECT_STREQ(db.record(1).name, "inner  blanks  ") << "inner and trailing blanks kept";
    int result = 0;
    convert(db, "inner  blanks", &result);
    EXPECT_EQ(result, -1);
    Rgb wide = convert(db, "wide");
    EXPECT_EQ(wide.r, 300) << "components as read";
    EXPECT_EQ(wide.g, -1);
    EXPECT_EQ(wide.ref, 0x0007FF2Cul) << "each masked to 8 bits in the colour";
}

TEST(XColorNames, LongNamesAreCutAndUnreadableFilesLoadNothing)
{
    KelXColorDB db;
    std::string path = scratch("rgb-long.txt");
    writeFile(path, "1 1 1 " + std::string(200, 'n') + "\n");
    ASSERT_EQ(db.load(path.c_str(), nullptr), 0);
    EXPECT_EQ(std::string(db.record(0).name), std::string(KEL_XCOLOR_NAME, 'n'));
    EXPECT_EQ(db.load(scratch("no-such-dir/rgb.txt").c_str(), nullptr), -1);
    EXPECT_EQ(db.count(), 1);

    // A line longer than the line buffer is one record; the next line is read as its own.
    writeFile(path, "2 2 2 " + std::string(3 * KEL_XCOLOR_LINE, 'm') + "\n3 3 3 three\n");
    int bad = 0;
    ASSERT_EQ(db.load(path.c_str(), &bad), 0) << "bad line " << bad;
    ASSERT_EQ(db.count(), 3);
    EXPECT_EQ(std::string(db.record(1).name), std::string(KEL_XCOLOR_NAME, 'm'));
    EXPECT_STREQ(db.record(2).name, "three");
}

TEST(XColorNames, CommentsBlankLinesAndMissingNumbersAreMalformed)
{
    KelXColorDB db;
    int bad = 0;
    EXPECT_EQ(db.load(systemNames, &bad), -2) << "the system file starts with a \"!\" comment";
    EXPECT_EQ(bad, 1);

    std::string path = scratch("rgb-bad.txt");
    writeFile(path, "1 2 3 a\n\n4 5 6 b\n");
    EXPECT_EQ(db.load(path.c_str(), &bad), -2);
    EXPECT_EQ(bad, 2) << "a blank line";
    writeFile(path, "1 2 3 a\n4 5 b\n");
    EXPECT_EQ(db.load(path.c_str(), &bad), -2);
    EXPECT_EQ(bad, 2) << "two numbers";
}
