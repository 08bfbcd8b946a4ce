#include "cvXlfd.h"

#include <cstring>

int cvSplitFontName(const char *name, CvXlfdFields fields)
{
    for (int i = 0; i < CV_XLFD_FIELDS; i++) {
        fields[i][0] = '\0';
    }
    if (name == nullptr || name[0] != '-') {
        return -1;
    }
    int field = 0;
    size_t length = 0;
    for (const char *p = name + 1; *p != '\0'; p++) {
        if (*p == '-') {
            if (++field == CV_XLFD_FIELDS) {
                break;
            }
            length = 0;
        } else if (length == CV_XLFD_FIELD_MAX) {
            field = CV_XLFD_FIELDS; // too long to hold
            break;
        } else {
            fields[field][length++] = *p;
            fields[field][length] = '\0';
        }
    }
    if (field != CV_XLFD_FIELDS - 1) {
        for (int i = 0; i < CV_XLFD_FIELDS; i++) {
            fields[i][0] = '\0';
        }
        return -1;
    }
    return 0;
}

bool cvXlfdConstantWidth(const char *spacing)
{
    return strcmp(spacing, "m") == 0 || strcmp(spacing, "M") == 0 || strcmp(spacing, "c") == 0 ||
           strcmp(spacing, "C") == 0;
}

std::string cvJoinFontName(const CvXlfdFields fields)
{
    std::string name;
    for (int i = 0; i < CV_XLFD_FIELDS; i++) {
        name += '-';
        name += fields[i];
    }
    return name;
}

std::vector<std::string> cvFontVariantNames(const CvXlfdFields given, bool bold, int pointSize)
{
    CvXlfdFields f;
    memcpy(f, given, sizeof f);
    auto set = [&f](int field, const char *value) {
        strncpy(f[field], value, CV_XLFD_FIELD_MAX);
        f[field][CV_XLFD_FIELD_MAX] = '\0';
    };
    if (bold) {
        set(cvXlfdWeight, "bold");
    }
    if (pointSize != 0) {
        set(cvXlfdPointSize, std::to_string(pointSize).c_str());
    }
    std::vector<std::string> spacings;
    if (cvXlfdConstantWidth(f[cvXlfdSpacing])) {
        spacings = {"m", "c"};
    } else {
        spacings = {f[cvXlfdSpacing]};
    }

    std::vector<std::string> names;
    for (int level = 0; level <= 6; level++) {
        switch (level) {
        case 1:
            set(pointSize != 0 ? cvXlfdPixelSize : cvXlfdPointSize, "*");
            set(cvXlfdAverageWidth, "*");
            break;
        case 2:
            set(cvXlfdSlant, "*");
            set(cvXlfdSetWidth, "*");
            break;
        case 3:
            set(cvXlfdResolutionX, "*");
            if (!bold) {
                set(cvXlfdWeight, "*");
                set(cvXlfdResolutionY, "*");
            }
            break;
        case 4:
            set(cvXlfdFoundry, "*");
            break;
        case 5:
            set(cvXlfdFamily, "*");
            break;
        case 6:
            set(cvXlfdRegistry, "*");
            set(cvXlfdEncoding, "*");
            break;
        default:
            break;
        }
        for (const std::string &spacing : spacings) {
            set(cvXlfdSpacing, spacing.c_str());
            names.push_back(cvJoinFontName(f));
        }
    }
    return names;
}
