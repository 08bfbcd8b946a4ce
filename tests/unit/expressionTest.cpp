// The expression library the selector lists in expression mode and describes.
#include "cvutil.h"
#include "testenv.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>

namespace {

std::string write(const std::string &name, const std::string &text)
{
    std::filesystem::path dir = std::filesystem::temp_directory_path() / "cvgui-expressions";
    std::filesystem::create_directories(dir);
    std::string path = (dir / name).string();
    std::ofstream(path, std::ios::binary | std::ios::trunc) << text;
    return path;
}

TEST(Expressions, ReadsNamesEquationsAndDescriptions)
{
    std::string file = write("lib.txt",
                             "# test library\n"
                             "expression ifLoad\n"
                             "  equation  (ifInOctets + ifOutOctets) * 8 / ifSpeed  \n"
                             "  description Load of the interface,\n"
                             "  description in both directions.\n"
                             "\n"
                             "expression sysUp\n"
                             "equation sysUpTime / 100\n");
    ExpressionList list;
    ASSERT_EQ(list.read(file.c_str()), 0) << list.lastError();
    ASSERT_EQ(list.count(), 2);
    ExpressionListIterator it(list);
    Expression *first = it();
    ASSERT_NE(first, nullptr);
    EXPECT_STREQ(first->getName(), "ifLoad");
    EXPECT_STREQ(first->getEquation(), "(ifInOctets + ifOutOctets) * 8 / ifSpeed");
    EXPECT_STREQ(first->getDescription(), "Load of the interface,\nin both directions.");
    Expression *second = it();
    ASSERT_NE(second, nullptr);
    EXPECT_STREQ(second->getDescription(), "");
    EXPECT_EQ(it(), nullptr);
    it.reset();
    EXPECT_EQ(it(), first);

    EXPECT_EQ(list.find("sysUp"), second);
    EXPECT_EQ(list.find("sysup"), nullptr);
    EXPECT_EQ(list.find(nullptr), nullptr);
}

TEST(Expressions, RefusesMalformedFilesAndKeepsTheList)
{
    ExpressionList list;
    ASSERT_EQ(list.read(write("good.txt", "expression a\nequation 1\n").c_str()), 0);
    using namespace std::string_literals;
    struct Bad {
        std::string text;
        const char *expected;
    } bad[] = {
        {"equation 1\n", ":1: \"equation\" before the first \"expression\""},
        {"expression a\nexpression b\nequation 2\n", ":1: expression a has no equation"},
        {"expression a\nequation 1\n\nexpression b\n", ":4: expression b has no equation"},
        {"expression a b\n", ":1: an expression's name is one word"},
        {"expression a\nequation 1\nequation 2\n", ":3: expression a has a second equation"},
        {"expression a\nequation 1\nexpression a\nequation 2\n", ":3: expression a is defined twice"},
        {"expression a\nformula 1\n", ":2: unknown statement \"formula\""},
        {"expression a\nequation \0x\n"s, ":2: a NUL byte in the line"},
    };
    for (const Bad &b : bad) {
        std::string file = write("bad.txt", b.text);
        EXPECT_EQ(list.read(file.c_str()), -1) << b.text;
        std::string error = list.lastError();
        EXPECT_EQ(error.rfind(file + b.expected, 0), 0u) << error;
        ASSERT_EQ(list.count(), 1);
        EXPECT_STREQ(list.at(0)->getName(), "a");
    }
    EXPECT_EQ(list.read(write("dir", "").c_str()), 0); // an empty library is a library
    EXPECT_EQ(list.count(), 0);
    EXPECT_EQ(list.read("/no/such/expressions.txt"), -1);
    EXPECT_NE(std::string(list.lastError()).find("/no/such/expressions.txt"), std::string::npos);
}

TEST(Expressions, ProcessLibraryComesFromTheNamedFile)
{
    // The process list reads its file on first use: the one CVEXPRFILE names.
    std::string file = write("process.txt", "expression ifInUtil\nequation ifInOctets * 8 / ifSpeed\n"
                                            "description Inbound load.\n");
    setEnv("CVEXPRFILE", file.c_str());
    EXPECT_EQ(ExpressionList::defaultFile(), file);
    Expression *e = nullptr;
    ASSERT_EQ(nameToExpression("ifInUtil", &e), 0);
    ASSERT_NE(e, nullptr);
    EXPECT_STREQ(e->getDescription(), "Inbound load.");
    EXPECT_EQ(nameToExpression(".iso.org", &e), -1);
    EXPECT_EQ(e, nullptr);
    EXPECT_EQ(nameToExpression(nullptr, &e), -1);
    ExpressionListIterator it(expressionListPtr);
    EXPECT_NE(it(), nullptr);
    EXPECT_EQ(it(), nullptr);

    // Without the variable, the library installed beside cvutil (in the build tree here).
    unsetEnv("CVEXPRFILE");
    ExpressionList installed;
    ASSERT_EQ(installed.read(ExpressionList::defaultFile()), 0) << installed.lastError();
    EXPECT_NE(installed.find("ifInUtilization"), nullptr);
}

} // namespace
