// What the tools are started with and what the version report says, given what the platform
// found out: the grapher's selection list and its limit, the event tool's options, and the
// report's lines in their order.
#include "cvToolArgs.h"
#include "cvVersionReport.h"

#include <clocale>
#include <cstring>
#include <gtest/gtest.h>

using Args = std::vector<std::string>;

TEST(GrapherCommandLine, WildcardedSelectionsBrowseEveryNode)
{
    Args args;
    ASSERT_TRUE(cvGraphArguments("/opt/cv/bin/xzbgraph", const_cast<char *>("sysUpTime  ifInOctets"), "1", "*",
                                 nullptr, args));
    EXPECT_EQ(args, (Args{"/opt/cv/bin/xzbgraph", "-mib", "sysUpTime::1::::::*,ifInOctets::1::::::*", "-browse"}));
}

TEST(GrapherCommandLine, OneNodeFollowsTheSelectionsAndDoesNotBrowse)
{
    Args args;
    ASSERT_TRUE(cvGraphArguments("xzbgraph", "ifInOctets ifOutOctets", "3", "router1", "30", args));
    EXPECT_EQ(args, (Args{"xzbgraph", "-c", "30", "-mib", "ifInOctets::3::::::,ifOutOctets::3:::::: router1"}));

    // Every object browses even on one node; missing texts count as empty.
    ASSERT_TRUE(cvGraphArguments("xzbgraph", "*", nullptr, "router1", "", args));
    EXPECT_EQ(args, (Args{"xzbgraph", "-mib", "*:::::::: router1", "-browse"}));
    ASSERT_TRUE(cvGraphArguments("xzbgraph", "sysName", nullptr, nullptr, nullptr, args));
    EXPECT_EQ(args, (Args{"xzbgraph", "-mib", "sysName:::::::: "}));
}

TEST(GrapherCommandLine, ASelectionListThatDoesNotFitStartsNothing)
{
    // One name of n characters makes a list of n + 10 characters ("::1::::::*").
    std::string fits(CV_GRAPH_SELECTIONS - 1 - 10, 'x'), tooLong(CV_GRAPH_SELECTIONS - 10, 'x');
    Args args;
    ASSERT_TRUE(cvGraphArguments("g", fits.c_str(), "1", "*", nullptr, args));
    EXPECT_EQ(args[2].size(), static_cast<size_t>(CV_GRAPH_SELECTIONS - 1));

    args = {"untouched"};
    EXPECT_FALSE(cvGraphArguments("g", tooLong.c_str(), "1", "*", nullptr, args));
    EXPECT_EQ(args, Args{"untouched"});

    // Many short names add up; the node behind them counts too.
    std::string many;
    for (int i = 0; i < 1000; i++) {
        many += "ifIndex ";
    }
    EXPECT_FALSE(cvGraphArguments("g", many.c_str(), "1", "*", nullptr, args));
    EXPECT_FALSE(cvGraphArguments("g", fits.c_str(), "1", "node", nullptr, args)) << "no room for the node";
}

TEST(EventToolCommandLine, OptionsOnlyWhenGiven)
{
    EXPECT_EQ(cvTrapArguments("xzbtrap", ".1.3.6.1.6.3.1.1.5.3", nullptr, ""),
              (Args{"xzbtrap", "-eventId", ".1.3.6.1.6.3.1.1.5.3"}));
    EXPECT_EQ(cvTrapArguments("/cv/bin/xzbtrap", "linkUp", "linkDown", "router1"),
              (Args{"/cv/bin/xzbtrap", "-eventId", "linkUp", "-copyEventId", "linkDown", "-source", "router1"}));
}

namespace {

CvVersionFacts labMachine()
{
    CvVersionFacts facts;
    facts.release = "Corvane Zebrant Release 1.0";
    facts.version = "Version 1.0.0";
    facts.hostName = "nms1";
    facts.computerName = "nms1";
    facts.systemLine = " Linux Version 6.1.0 (Build #1 x86_64)\n";
    facts.processors = 1;
    facts.memory = "Physical memory: 2048 MB, 1024 MB free\nSwap: 0 MB, 0 MB free\n";
    facts.sessionId = "lab map";
    facts.serverName = "nms1.lab.example";
    return facts;
}

const char memoryLines[] = "Physical memory: 2048 MB, 1024 MB free\nSwap: 0 MB, 0 MB free\n";

} // namespace

TEST(VersionReport, LinesInTheirOrder)
{
    EXPECT_EQ(cvVersionReport("@(#)  Event Browser", "xzbtrap", "build 7", labMachine()),
              std::string("Event Browser (xzbtrap, build 7)\n\n"
                          "Corvane Zebrant Release 1.0\nVersion 1.0.0\n\n"
                          "Running on nms1 Linux Version 6.1.0 (Build #1 x86_64)\n\n") +
                  memoryLines +
                  "\nUsing Corvane Windows session \"lab map\"\nUsing Corvane server \"nms1.lab.example\"\n");
}

TEST(VersionReport, WhatStringsBlanksAndEmptyExtra)
{
    EXPECT_STREQ(cvVersionClean("@(#)  MIB Browser"), "MIB Browser");
    EXPECT_STREQ(cvVersionClean("  @(#)kept"), "@(#)kept") << "the marker counts only at the start";
    for (const char *extra : {static_cast<const char *>(nullptr), ""}) {
        std::string report = cvVersionReport("Grapher", "@(#) xzbgraph", extra, labMachine());
        EXPECT_EQ(report.rfind("Grapher (xzbgraph)\n\n", 0), 0u) << report;
    }
}

TEST(VersionReport, MachineLinesFollowWhatWasFound)
{
    CvVersionFacts facts = labMachine();
    facts.computerName = "NMS-CONSOLE";
    facts.processors = 2;
    facts.owner = "Network Operations";
    facts.organization = "Brannock Labs";
    std::string report = cvVersionReport("T", "p", nullptr, facts);
    EXPECT_NE(report.find("\nRunning on nms1 (NMS-CONSOLE) Linux Version 6.1.0 (Build #1 x86_64)\n"
                          "Multi-processor (2 processors)\n"
                          "\nNetwork Operations\nBrannock Labs\n\n" +
                          std::string(memoryLines)),
              std::string::npos)
        << report;

    // Nothing known about the host: the system line follows "Running on" directly.
    facts = labMachine();
    facts.hostName = nullptr;
    facts.computerName = nullptr;
    facts.systemLine = "";
    report = cvVersionReport("T", "p", nullptr, facts);
    EXPECT_NE(report.find("\nRunning on\n" + std::string(memoryLines)), std::string::npos) << report;
}

TEST(VersionReport, SessionLinesForClientsOnly)
{
    CvVersionFacts facts = labMachine();
    std::string map = cvVersionReport("Map", "cvw", nullptr, facts);
    EXPECT_EQ(map.substr(map.size() - strlen(memoryLines)), memoryLines) << "the map ends after its memory";

    facts.sessionId = "";
    std::string report = cvVersionReport("Grapher", "xzbgraph", nullptr, facts);
    std::string tail = std::string(memoryLines) +
                       "\nNot connected to an Corvane Windows session\nUsing Corvane server \"nms1.lab.example\"\n";
    ASSERT_GT(report.size(), tail.size());
    EXPECT_EQ(report.substr(report.size() - tail.size()), tail);
}

TEST(VersionReport, CopyStopsAtTheBufferOnACharacterBoundary)
{
    char buf[16];
    memset(buf, '#', sizeof buf);
    EXPECT_EQ(cvVersionCopy("short", buf, 10), 5);
    EXPECT_STREQ(buf, "short");
    EXPECT_EQ(buf[6], '#');

    memset(buf, '#', sizeof buf);
    EXPECT_EQ(cvVersionCopy("0123456789abcdef", buf, 10), 9);
    EXPECT_STREQ(buf, "012345678");
    EXPECT_EQ(buf[10], '#') << "nothing past the buffer";

    if (setlocale(LC_CTYPE, "C.UTF-8") != nullptr) {
        // "Grüße": the cut falls inside the two bytes of "ü" and keeps "Gr".
        EXPECT_EQ(cvVersionCopy("Gr\xc3\xbc\xc3\x9f" "e", buf, 4), 2);
        EXPECT_STREQ(buf, "Gr");
        setlocale(LC_CTYPE, "C");
    }
}
