// The grapher's selection-list limit and the version report's lines given what the platform found.
#include "cvToolArgs.h"
#include "cvVersionReport.h"

#include <cstring>
#include <gtest/gtest.h>

TEST(GrapherCommandLine, ASelectionListThatDoesNotFitStartsNothing)
{
    // One name of n characters makes a list of n + 10 ("::1::::::*"); 8192 bytes hold 8191.
    std::string fits(CV_GRAPH_SELECTIONS - 1 - 10, 'x'), tooLong(CV_GRAPH_SELECTIONS - 10, 'x');
    std::vector<std::string> args;
    ASSERT_TRUE(cvGraphArguments("g", fits.c_str(), "1", "*", nullptr, args));
    EXPECT_EQ(args[2].size(), static_cast<size_t>(CV_GRAPH_SELECTIONS - 1));
    args = {"untouched"};
    EXPECT_FALSE(cvGraphArguments("g", tooLong.c_str(), "1", "*", nullptr, args));
    EXPECT_FALSE(cvGraphArguments("g", fits.c_str(), "1", "node", nullptr, args)) << "no room for the node";
    EXPECT_EQ(args, std::vector<std::string>{"untouched"});
}

TEST(VersionReport, LinesInTheirOrder)
{
    const char memory[] = "Physical memory: 2048 MB, 1024 MB free\nSwap: 0 MB, 0 MB free\n";
    CvVersionFacts facts;
    facts.release = "Corvane Zebrant Release 1.0";
    facts.version = "Version 1.0.0";
    facts.hostName = "nms1";
    facts.computerName = "NMS-CONSOLE";
    facts.systemLine = " Linux Version 6.1.0 (Build #1 x86_64)\n";
    facts.processors = 2;
    facts.owner = "Network Operations";
    facts.organization = "Brannock Labs";
    facts.memory = memory;
    facts.serverName = "nms1.lab.example";
    EXPECT_EQ(cvVersionReport("@(#)  Grapher", "xzbgraph", "", facts),
              std::string("Grapher (xzbgraph)\n\nCorvane Zebrant Release 1.0\nVersion 1.0.0\n\n"
                          "Running on nms1 (NMS-CONSOLE) Linux Version 6.1.0 (Build #1 x86_64)\n"
                          "Multi-processor (2 processors)\n\nNetwork Operations\nBrannock Labs\n\n") +
                  memory + "\nNot connected to an Corvane Windows session\nUsing Corvane server \"nms1.lab.example\"\n");

    // One processor, the same computer name, and the map program itself: none of their lines.
    facts.computerName = "nms1";
    facts.processors = 1;
    facts.owner = facts.organization = nullptr;
    EXPECT_EQ(cvVersionReport("Map", "cvw", "build 7", facts),
              std::string("Map (cvw, build 7)\n\nCorvane Zebrant Release 1.0\nVersion 1.0.0\n\n"
                          "Running on nms1 Linux Version 6.1.0 (Build #1 x86_64)\n\n") + memory);
}
