// XLFD names: splitting, and the names tried for bold and scaled variants.
#include "cvXlfd.h"

#include <gtest/gtest.h>
#include <string>

namespace {

const char defaultFont[] = "-misc-fixed-medium-r-semicondensed--13-120-75-75-c-60-*-*";

bool allEmpty(const CvXlfdFields f)
{
    for (int i = 0; i < CV_XLFD_FIELDS; i++) {
        if (f[i][0] != '\0') {
            return false;
        }
    }
    return true;
}

} // namespace

TEST(FontNames, SplitIntoFourteenFieldsOrNotAtAll)
{
    CvXlfdFields f;
    ASSERT_EQ(cvSplitFontName(defaultFont, f), 0);
    EXPECT_STREQ(f[cvXlfdFoundry], "misc");
    EXPECT_STREQ(f[cvXlfdSetWidth], "semicondensed");
    EXPECT_STREQ(f[cvXlfdAddStyle], "");
    EXPECT_STREQ(f[cvXlfdPixelSize], "13");
    EXPECT_STREQ(f[cvXlfdSpacing], "c");
    EXPECT_STREQ(f[cvXlfdRegistry], "*");
    EXPECT_STREQ(f[cvXlfdEncoding], "*");
    EXPECT_EQ(cvJoinFontName(f), defaultFont);
    EXPECT_TRUE(cvXlfdConstantWidth(f[cvXlfdSpacing]));

    ASSERT_EQ(cvSplitFontName("--------------", f), 0) << "fourteen empty fields";
    EXPECT_TRUE(allEmpty(f));

    for (const char *bad : {"-a-b-c", "-a-b-c-d-e-f-g-h-i-j-k-l-m-n-o", "misc-fixed-medium-r-semicondensed--13-120-75-75-c-60-*-*-",
                            "fixed", "", "-"}) {
        SCOPED_TRACE(bad);
        ASSERT_EQ(cvSplitFontName(defaultFont, f), 0);
        EXPECT_EQ(cvSplitFontName(bad, f), -1);
        EXPECT_TRUE(allEmpty(f)) << "a failed split leaves no stale field";
    }
    EXPECT_EQ(cvSplitFontName(nullptr, f), -1);

    // A field of 255 characters fits; one more does not, and is never written past its room.
    std::string longest = "-" + std::string(255, 'f') + "-fixed-medium-r-normal--13-120-75-75-c-60-iso8859-1";
    ASSERT_EQ(cvSplitFontName(longest.c_str(), f), 0);
    EXPECT_EQ(std::string(f[cvXlfdFoundry]), std::string(255, 'f'));
    std::string tooLong = "-" + std::string(256, 'f') + "-fixed-medium-r-normal--13-120-75-75-c-60-iso8859-1";
    EXPECT_EQ(cvSplitFontName(tooLong.c_str(), f), -1);

    for (const char *s : {"m", "M", "c", "C"}) {
        EXPECT_TRUE(cvXlfdConstantWidth(s)) << s;
    }
    for (const char *s : {"p", "P", "*", "", "mc"}) {
        EXPECT_FALSE(cvXlfdConstantWidth(s)) << s;
    }
}

TEST(FontVariants, BoldNamesRelaxLevelByLevelTwiceForConstantWidth)
{
    CvXlfdFields f;
    ASSERT_EQ(cvSplitFontName(defaultFont, f), 0);
    std::vector<std::string> names = cvFontVariantNames(f, true, 0);
    ASSERT_EQ(names.size(), 14u);
    EXPECT_EQ(names[0], "-misc-fixed-bold-r-semicondensed--13-120-75-75-m-60-*-*");
    EXPECT_EQ(names[1], "-misc-fixed-bold-r-semicondensed--13-120-75-75-c-60-*-*");
    EXPECT_EQ(names[3], "-misc-fixed-bold-r-semicondensed--13-*-75-75-c-*-*-*");
    EXPECT_EQ(names[5], "-misc-fixed-bold-*-*--13-*-75-75-c-*-*-*");
    // A bold variant keeps its weight and vertical resolution.
    EXPECT_EQ(names[7], "-misc-fixed-bold-*-*--13-*-*-75-c-*-*-*");
    EXPECT_EQ(names[9], "-*-fixed-bold-*-*--13-*-*-75-c-*-*-*");
    EXPECT_EQ(names[11], "-*-*-bold-*-*--13-*-*-75-c-*-*-*");
    EXPECT_EQ(names[12], "-*-*-bold-*-*--13-*-*-75-m-*-*-*");
    EXPECT_EQ(names[13], "-*-*-bold-*-*--13-*-*-75-c-*-*-*");

    // Not bold: the weight and both resolutions are relaxed too.
    std::vector<std::string> plain = cvFontVariantNames(f, false, 0);
    EXPECT_EQ(plain[0], "-misc-fixed-medium-r-semicondensed--13-120-75-75-m-60-*-*");
    EXPECT_EQ(plain[7], "-misc-fixed-*-*-*--13-*-*-*-c-*-*-*");
}

TEST(FontVariants, ScaledNamesAskForThePointSizeThenAnyPixelSize)
{
    CvXlfdFields f;
    ASSERT_EQ(cvSplitFontName("-mutt-clearlyu-medium-r-normal--17-120-100-100-p-123-iso10646-1", f), 0);
    std::vector<std::string> names = cvFontVariantNames(f, true, 140);
    ASSERT_EQ(names.size(), 7u) << "one name a level for a proportional font";
    EXPECT_EQ(names[0], "-mutt-clearlyu-bold-r-normal--17-140-100-100-p-123-iso10646-1");
    EXPECT_EQ(names[1], "-mutt-clearlyu-bold-r-normal--*-140-100-100-p-*-iso10646-1");
    EXPECT_EQ(names[6], "-*-*-bold-*-*--*-140-*-100-p-*-*-*");
}
