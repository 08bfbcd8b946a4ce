// X Logical Font Description names, portable: splitting a name into its 14 fields, the
// constant-width spacings, and the names tried, loosest last, for a bold or scaled variant.
#ifndef CVXLFD_H
#define CVXLFD_H

#include <string>
#include <vector>

#define CV_XLFD_FIELDS 14
#define CV_XLFD_FIELD_MAX 255 // characters of one field; a longer one fails the split

enum CvXlfdField {
    cvXlfdFoundry,
    cvXlfdFamily,
    cvXlfdWeight,
    cvXlfdSlant,
    cvXlfdSetWidth,
    cvXlfdAddStyle,
    cvXlfdPixelSize,
    cvXlfdPointSize,
    cvXlfdResolutionX,
    cvXlfdResolutionY,
    cvXlfdSpacing,
    cvXlfdAverageWidth,
    cvXlfdRegistry,
    cvXlfdEncoding,
};

typedef char CvXlfdFields[CV_XLFD_FIELDS][CV_XLFD_FIELD_MAX + 1];

// Splits "-FOUNDRY-FAMILY-...-ENCODING" (exactly 14 dashes, the first one leading) into fields,
// which may be empty. Returns 0, or -1 with every field empty when the name is not of that form.
int cvSplitFontName(const char *name, CvXlfdFields fields);

// "m" (monospaced) and "c" (character cell), in either case.
bool cvXlfdConstantWidth(const char *spacing);

// The 14 fields joined into a name.
std::string cvJoinFontName(const CvXlfdFields fields);

// The names to try, in order, for a variant of a split name: bold sets the weight, a pointSize
// above 0 the POINT_SIZE field (tenths of a point). Seven levels relax more fields each (sizes
// and average width; slant and set width; resolutions, and the weight unless bold; foundry;
// family; charset), each level once per spacing: "m" then "c" for a constant-width name, else
// the name's own spacing.
std::vector<std::string> cvFontVariantNames(const CvXlfdFields fields, bool bold, int pointSize);

#endif
