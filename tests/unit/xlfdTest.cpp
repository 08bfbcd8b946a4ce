// XLFD names: splitting, and the names tried for bold and scaled variants.
#include "cvXlfd.h"

#include <gtest/gtest.h>
#include <string>

namespace {
const char defaultFont[] = "-misc-fixed-medium-r-semicondensed--13-120-75-75-c-60-*-*";
}

TEST(FontNames, SplitIntoFourteenFieldsOrNotAtAll)
{
    CvXlfdFields f;
    ASSERT_EQ(cvSplitFontName(defaultFont, f), 0);
    EXPECT_STREQ(f[cvXlfdAddStyle], "");
    EXPECT_STREQ(f[cvXlfdSpacing], "c");
    EXPECT_STREQ(f[cvXlfdRegistry], "*");
    EXPECT_STREQ(f[cvXlfdEncoding], "*");
    EXPECT_EQ(cvJoinFontName(f), defaultFont);
    std::string longest = "-" + std::string(255, 'f') + "-fixed-medium-r-normal--13-120-75-75-c-60-iso8859-1";
    EXPECT_EQ(cvSplitFontName(longest.c_str(), f), 0);
    std::string tooLong = "-" + std::string(256, 'f') + "-fixed-medium-r-normal--13-120-75-75-c-60-iso8859-1";
    for (const char *bad : {"-a-b-c", "-a-b-c-d-e-f-g-h-i-j-k-l-m-n-o", "misc-fixed-medium-r-semicondensed--13-120-75-75-c-60-*-*-",
                            "fixed", "", tooLong.c_str()}) {
        ASSERT_EQ(cvSplitFontName(defaultFont, f), 0);
        EXPECT_EQ(cvSplitFontName(bad, f), -1) << bad;
        EXPECT_EQ(cvJoinFontName(f), "--------------") << "a failed split leaves no stale field";
    }
    for (const char *s : {"m", "M", "c", "C"}) {
        EXPECT_TRUE(cvXlfdConstantWidth(s)) << s;
    }
    EXPECT_FALSE(cvXlfdConstantWidth("p") || cvXlfdConstantWidth("*") || cvXlfdConstantWidth(""));
}

TEST(FontVariants, RelaxLevelByLevelTwiceForConstantWidth)
{
    CvXlfdFields f;
    ASSERT_EQ(cvSplitFontName(defaultFont, f), 0);
    std::vector<std::string> bold = cvFontVariantNames(f, true, 0);
    ASSERT_EQ(bold.size(), 14u);
    EXPECT_EQ(bold[0], "-misc-fixed-bold-r-semicondensed--13-120-75-75-m-60-*-*");
    EXPECT_EQ(bold[1], "-misc-fixed-bold-r-semicondensed--13-120-75-75-c-60-*-*");
    EXPECT_EQ(bold[3], "-misc-fixed-bold-r-semicondensed--13-*-75-75-c-*-*-*");
    EXPECT_EQ(bold[5], "-misc-fixed-bold-*-*--13-*-75-75-c-*-*-*");
    EXPECT_EQ(bold[7], "-misc-fixed-bold-*-*--13-*-*-75-c-*-*-*") << "bold keeps its weight and RESOLUTION_Y";
    EXPECT_EQ(bold[13], "-*-*-bold-*-*--13-*-*-75-c-*-*-*");
    EXPECT_EQ(cvFontVariantNames(f, false, 0)[7], "-misc-fixed-*-*-*--13-*-*-*-c-*-*-*");

    // Scaled: the point size with the given pixel size first, then any pixel size; once a level
    // for a proportional font.
    ASSERT_EQ(cvSplitFontName("-mutt-clearlyu-medium-r-normal--17-120-100-100-p-123-iso10646-1", f), 0);
    std::vector<std::string> scaled = cvFontVariantNames(f, true, 140);
    ASSERT_EQ(scaled.size(), 7u);
    EXPECT_EQ(scaled[0], "-mutt-clearlyu-bold-r-normal--17-140-100-100-p-123-iso10646-1");
    EXPECT_EQ(scaled[1], "-mutt-clearlyu-bold-r-normal--*-140-100-100-p-*-iso10646-1");
}
