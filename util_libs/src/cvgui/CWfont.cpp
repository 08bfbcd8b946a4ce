// Constant-width fonts: the font set that lists and tables of the tools line up in, found once
// from the resources and kept; bold and scaled variants by rewriting XLFD names; the names behind
// font sets and font lists for diagnostics.
#include "cvguiP.h"
#include "cvXlfd.h"

#include <X11/Shell.h>
#include <X11/Xatom.h>
#include <Xm/Xm.h>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

extern "C" {
char *allFonts = const_cast<char *>("-*-*-*-*-*-*-*-*-*-*-*-*-*-*");
}

namespace {

// The font properties behind the XLFD fields, to name a loaded font.
struct FontNameField {
    const char *property;
    bool isInteger;
};

const FontNameField fontNameFields[CV_XLFD_FIELDS] = {
    {"FOUNDRY", false},       {"FAMILY_NAME", false},  {"WEIGHT_NAME", false},
    {"SLANT", false},         {"SETWIDTH_NAME", false}, {"ADD_STYLE_NAME", false},
    {"PIXEL_SIZE", true},     {"POINT_SIZE", true},    {"RESOLUTION_X", true},
    {"RESOLUTION_Y", true},   {"SPACING", false},      {"AVERAGE_WIDTH", true},
    {"CHARSET_REGISTRY", false}, {"CHARSET_ENCODING", false},
};

// Found once, kept for the process.
XFontSet cwFontSet;
bool cwFontListTried;
XmFontList cwFontList;

struct CWFontResources {
    Boolean complainOnMissingCharsets;
    String cwFont;
};

XtResource cwFontResources[] = {
    {const_cast<char *>("complainOnMissingCharsets"), const_cast<char *>("ComplainOnMissingCharsets"),
     const_cast<char *>(XtRBoolean), sizeof(Boolean), XtOffsetOf(CWFontResources, complainOnMissingCharsets),
     const_cast<char *>(XtRString), const_cast<char *>("False")},
    {const_cast<char *>("cwFont"), const_cast<char *>("CWFont"), const_cast<char *>(XtRString), sizeof(String),
     XtOffsetOf(CWFontResources, cwFont), const_cast<char *>(XtRString),
     const_cast<char *>("-misc-fixed-medium-r-semicondensed--13-120-75-75-c-60-*-*")},
};

// Appends to buf (size bytes, written so far at *at) without ever writing past it; false when
// the text did not fit whole.
bool append(char *buf, int size, int *at, const char *text)
{
    if (*at >= size) {
        return false;
    }
    int n = snprintf(buf + *at, size - *at, "%s", text);
    if (n >= size - *at) {
        *at = size - 1;
        return false;
    }
    *at += n;
    return true;
}

// A candidate name under one resource, and whether it can be trusted to be constant width.
const char *getCWFontName(Widget w, const char *name, const char *className, bool *isConstantWidth)
{
    *isConstantWidth = false;
    const char *fontName = getFontNameFromResource(w, const_cast<char *>(name), const_cast<char *>(className));
    if (fontName == nullptr) {
        fontName = allFonts;
    }
    // An alias such as "fixed" has no fields to check.
    if (strchr(fontName, '-') == nullptr) {
        *isConstantWidth = true;
        return fontName;
    }
    CvXlfdFields fields;
    if (cvSplitFontName(fontName, fields) != 0) {
        Warn(cvMsg(CVMSG_FONT_BAD_DASHES), name, CV_XLFD_FIELDS, fontName);
        return nullptr;
    }
    *isConstantWidth = cvXlfdConstantWidth(fields[cvXlfdSpacing]);
    return fontName;
}

int checkCWFontListEntry(XmFontContext context)
{
    XmFontListEntry entry = XmFontListNextEntry(context);
    if (entry == nullptr) {
        Warn("%s", cvMsg(CVMSG_FONT_NO_ENTRY));
        return -1;
    }
    XmFontType type;
    XtPointer font = XmFontListEntryGetFont(entry, &type);
    if (font == nullptr) {
        Warn("%s", cvMsg(CVMSG_FONT_ENTRY_NO_FONT));
        return -1;
    }
    if (type == XmFONT_IS_FONTSET) {
        XFontStruct **fonts = nullptr;
        char **names = nullptr;
        if (XFontsOfFontSet(static_cast<XFontSet>(font), &fonts, &names) < 1) {
            Warn("%s", cvMsg(CVMSG_FONT_SET_NO_FONTS));
            return -1;
        }
        // The first font stands for the set.
        if (fonts[0]->min_bounds.width != fonts[0]->max_bounds.width) {
            Warn("%s", cvMsg(CVMSG_FONT_SET_NOT_CW));
            return -1;
        }
        return 0;
    }
    auto *single = static_cast<XFontStruct *>(font);
    if (single->min_bounds.width != single->max_bounds.width) {
        Warn("%s", cvMsg(CVMSG_FONT_NOT_CW));
        return -1;
    }
    return 0;
}

// 0 when the first entry of the font list has constant width.
int checkCWFontList(XmFontList fontList)
{
    XmFontContext context = nullptr;
    if (!XmFontListInitFontContext(&context, fontList)) {
        Warn("%s", cvMsg(CVMSG_FONT_CONTEXT_FAILED));
        return -1;
    }
    int result = checkCWFontListEntry(context);
    XmFontListFreeFontContext(context);
    return result;
}

int sprintFontNameFromContext(Display *display, XmFontContext context, const char *tag, char *buf, int bufSize)
{
    // Stays in the buffer only when no entry is written over it.
    snprintf(buf, bufSize, cvMsg(CVMSG_FONT_NO_TAG), tag != nullptr ? tag : "");
    int at = 0;
    while (XmFontListEntry entry = XmFontListNextEntry(context)) {
        if (bufSize - at < 100) {
            append(buf, bufSize, &at, "...");
            break;
        }
        char entryTag[1024] = "";
        if (char *t = XmFontListEntryGetTag(entry)) {
            snprintf(entryTag, sizeof entryTag, "%s", t);
            XtFree(t);
        }
        if (tag != nullptr && *tag != '\0' && strcmp(tag, entryTag) != 0) {
            continue;
        }
        XmFontType type;
        XtPointer font = XmFontListEntryGetFont(entry, &type);
        if (font == nullptr) {
            append(buf, bufSize, &at, cvMsg(CVMSG_FONT_ENTRY_NO_FONT));
            break;
        }
        if (type == XmFONT_IS_FONTSET) {
            at += sprintFontNameFromFontSet(static_cast<XFontSet>(font), buf + at, bufSize - at);
        } else {
            generateFontName(display, static_cast<XFontStruct *>(font), buf + at, bufSize - at);
            at += static_cast<int>(strlen(buf + at));
        }
        if (tag != nullptr) {
            break;
        }
        std::string named = std::string("=") + entryTag + " ";
        append(buf, bufSize, &at, named.c_str());
    }
    return at;
}

// The name of the font with the tag (or of the first entry), for deriving a variant from it.
int getFontNameForTag(Display *display, XmFontContext context, const char *tag, XmFontType *fontType, char *buf,
                      int bufSize)
{
    XmFontListEntry first = nullptr, found = nullptr;
    while (XmFontListEntry entry = XmFontListNextEntry(context)) {
        if (first == nullptr) {
            first = entry;
        }
        char *t = XmFontListEntryGetTag(entry);
        bool match = t != nullptr && strcmp(t, tag) == 0;
        XtFree(t);
        if (match) {
            found = entry;
            break;
        }
    }
    if (found == nullptr) {
        found = first;
    }
    if (found == nullptr) {
        Warn("%s", cvMsg(CVMSG_FONTNAME_NO_ENTRY));
        return -1;
    }
    XtPointer font = XmFontListEntryGetFont(found, fontType);
    if (font == nullptr) {
        Warn("%s", cvMsg(CVMSG_FONTNAME_ENTRY_NO_FONT));
        return -1;
    }
    if (*fontType == XmFONT_IS_FONTSET) {
        XFontStruct **fonts = nullptr;
        char **names = nullptr;
        if (XFontsOfFontSet(static_cast<XFontSet>(font), &fonts, &names) < 1) {
            Warn("%s", cvMsg(CVMSG_FONTNAME_SET_NO_FONTS));
            return -1;
        }
        if (static_cast<int>(strlen(names[0])) + 1 > bufSize) {
            Warn(cvMsg(CVMSG_FONTNAME_TOO_LONG), names[0], bufSize);
            return -1;
        }
        snprintf(buf, bufSize, "%s", names[0]);
        return 0;
    }
    if (generateFontName(display, static_cast<XFontStruct *>(font), buf, bufSize) != 0) {
        Warn("%s", cvMsg(CVMSG_FONTNAME_REGENERATE_FAILED));
        return -1;
    }
    return 0;
}

// Loads the first of the variant names the server has, as a font or as a font set.
int loadFontVariant(Widget w, const char *fontName, bool bold, int pointSize, XFontStruct **font,
                    XFontSet *fontSet)
{
    if ((font == nullptr) == (fontSet == nullptr)) {
        x_internal_error_str(exit, w, "", __FILE__, __LINE__);
    }
    CvXlfdFields fields;
    if (cvSplitFontName(fontName, fields) != 0) {
        tellUserThenExit(exit, w, cvMsg(CVMSG_FONT_CANNOT_SPLIT), fontName);
    }
    Display *display = XtDisplay(w);
    for (const std::string &name : cvFontVariantNames(fields, bold, pointSize)) {
        if (font != nullptr) {
            if ((*font = XLoadQueryFont(display, name.c_str())) != nullptr) {
                return 0;
            }
        } else if ((*fontSet = convertStringToFontSet(display, const_cast<char *>(name.c_str()), False)) != nullptr) {
            return 0;
        }
    }
    return -1;
}

} // namespace

extern "C" char *getFontNameFromResource(Widget w, char *name, char *className)
{
    char *type = nullptr;
    XrmValue value{};
    if (!XrmGetResource(XrmGetDatabase(XtDisplay(w)), name, className, &type, &value)) {
        return nullptr;
    }
    return value.addr != nullptr ? static_cast<char *>(value.addr) : const_cast<char *>("");
}

XFontSet convertStringToFontSet(Display *display, char *fontSpec, Boolean complainOnMissingCharsets)
{
    char **missing = nullptr;
    int missingCount = 0;
    char *defaultString = nullptr;
    XFontSet fontSet = XCreateFontSet(display, fontSpec, &missing, &missingCount, &defaultString);
    if (missingCount == 0) {
        return fontSet;
    }
    if (!complainOnMissingCharsets) {
        XFreeStringList(missing);
        return fontSet;
    }
    static char message[10240];
    int at = 0;
    message[0] = '\0';
    std::string line(1024, '\0');
    snprintf(&line[0], line.size(), cvMsg(CVMSG_FONT_MISSING_CHARSETS), fontSpec);
    append(message, sizeof message, &at, line.c_str());
    for (int i = 0; i < missingCount; i++) {
        snprintf(&line[0], line.size(), "%s\n", missing[i]);
        append(message, sizeof message, &at, line.c_str());
    }
    if (defaultString != nullptr && *defaultString != '\0') {
        snprintf(&line[0], line.size(), cvMsg(CVMSG_FONT_USING_DEFAULT), defaultString);
        append(message, sizeof message, &at, line.c_str());
    }
    if (fontSet != nullptr) {
        XFreeFontSet(display, fontSet);
    }
    Warn("%s", message);
    XFreeStringList(missing);
    return nullptr;
}

XFontSet getCWFontSet(Widget w)
{
    if (cwFontSet != nullptr) {
        return cwFontSet;
    }
    Display *display = XtDisplay(w);
    // The widget's own cwFont, then the text widgets' font list; a name too long for the lookup
    // buffers is no resource of ours.
    char name[512], className[512];
    bool perWidget = snprintf(name, sizeof name, "%s.cwFont", XtName(w)) < static_cast<int>(sizeof name) &&
                     snprintf(className, sizeof className, "%s.CWFont", XtName(w)) < static_cast<int>(sizeof className);
    const char *sources[2][2] = {{name, className}, {"XmText*fontList", "XmText*FontList"}};
    for (int i = perWidget ? 0 : 1; i < 2; i++) {
        bool constantWidth = false;
        const char *fontName = getCWFontName(w, sources[i][0], sources[i][1], &constantWidth);
        if (fontName != nullptr && constantWidth) {
            cwFontSet = convertStringToFontSet(display, const_cast<char *>(fontName), False);
            if (cwFontSet != nullptr) {
                return cwFontSet;
            }
        }
    }

    CWFontResources resources{};
    _CVGetApplicationResources(nullptr, w, &resources, cwFontResources, XtNumber(cwFontResources));
    const char *cwFont = resources.cwFont != nullptr ? resources.cwFont : "";
    cwFontSet = convertStringToFontSet(display, const_cast<char *>(cwFont), resources.complainOnMissingCharsets);
    if (cwFontSet == nullptr) {
        char text[2048];
        snprintf(text, sizeof text, cvMsg(CVMSG_FONT_NO_FONT_SET), cwFont);
        x_internal_error_str(exit, w, text, __FILE__, __LINE__);
    }
    return cwFontSet;
}

XmFontListEntry createCWFontListEntry(Widget w, char *tag)
{
    return XmFontListEntryCreate(tag, XmFONT_IS_FONTSET, getCWFontSet(w));
}

XmFontList getCWFont(Widget w)
{
    if (cwFontListTried) {
        return cwFontList;
    }
    cwFontListTried = true;
    XmFontListEntry entry = createCWFontListEntry(w, const_cast<char *>(XmSTRING_DEFAULT_CHARSET));
    if (entry == nullptr) {
        return nullptr;
    }
    XmFontList list = XmFontListAppendEntry(nullptr, entry);
    XmFontListEntryFree(&entry);
    if (list != nullptr && checkCWFontList(list) == 0) {
        return cwFontList = list;
    }
    if (list != nullptr) {
        XmFontListFree(list);
    }

    // The shell's own fonts, constant width or not, rather than none.
    if (!XtIsSubclass(w, vendorShellWidgetClass)) {
        Warn("%s", cvMsg(CVMSG_FONT_NOT_VENDOR_SHELL));
        return cwFontList = nullptr;
    }
    XmFontList shellList = nullptr;
    widgetArgCnt = 0;
    CVGUI_STAGE(XmNtextFontList, &shellList);
    XtGetValues(w, widgetArgs, widgetArgCnt);
    widgetArgCnt = 0;
    if (shellList == nullptr) {
        CVGUI_STAGE(XmNdefaultFontList, &shellList);
        XtGetValues(w, widgetArgs, widgetArgCnt);
        widgetArgCnt = 0;
    }
    if (shellList == nullptr) {
        Warn("%s", cvMsg(CVMSG_FONT_NO_CW_LIST));
        Warn("%s", cvMsg(CVMSG_FONT_NONE_AT_ALL));
        return cwFontList = nullptr;
    }
    checkCWFontList(shellList);
    return cwFontList = shellList;
}

extern "C" int generateFontName(Display *display, XFontStruct *font, char *buf, int bufSize)
{
    if (buf == nullptr || bufSize < 1) {
        return -1;
    }
    buf[0] = '\0';
    int at = 0;
    for (const FontNameField &field : fontNameFields) {
        if (at + 10 > bufSize) {
            return -1;
        }
        std::string text;
        if (strcmp(field.property, "ADD_STYLE_NAME") == 0) {
            text = "-";
        } else {
            unsigned long value = 0;
            if (!XGetFontProperty(font, XInternAtom(display, field.property, False), &value)) {
                text = "-*";
            } else if (field.isInteger) {
                text = "-" + std::to_string(static_cast<int>(value));
            } else {
                char *atomName = XGetAtomName(display, static_cast<Atom>(value));
                text = std::string("-") + (atomName != nullptr ? atomName : "");
                XFree(atomName);
            }
        }
        // A property too long for the room left is not cut into a wrong name.
        if (at + static_cast<int>(text.size()) + 1 > bufSize) {
            return -1;
        }
        append(buf, bufSize, &at, text.c_str());
    }
    return 0;
}

extern "C" int sprintFontNameFromFontSet(XFontSet fontSet, char *buf, int bufSize)
{
    if (buf == nullptr || bufSize < 4) {
        return 0;
    }
    buf[0] = '\0';
    XFontStruct **fonts = nullptr;
    char **names = nullptr;
    int count = fontSet != nullptr ? XFontsOfFontSet(fontSet, &fonts, &names) : 0;
    int at = 0;
    if (count < 1) {
        if (bufSize > 30) {
            append(buf, bufSize, &at, cvMsg(CVMSG_FONT_EMPTY_SET));
        }
        return at;
    }
    for (int i = 0; i < count; i++) {
        int left = bufSize - at;
        int need = static_cast<int>(strlen(names[i])) + (i > 0 ? 1 : 0) + 1;
        if (left < 100 || need > left - 4) {
            append(buf, bufSize, &at, "...");
            break;
        }
        if (i > 0) {
            append(buf, bufSize, &at, ",");
        }
        append(buf, bufSize, &at, names[i]);
    }
    return at;
}

extern "C" int sprintFontNameFromFontList(Display *display, XmFontList fontList, char *tag, char *buf, int bufSize)
{
    if (buf == nullptr || bufSize < 1) {
        return 0;
    }
    XmFontContext context = nullptr;
    if (fontList == nullptr || !XmFontListInitFontContext(&context, fontList)) {
        int at = 0;
        buf[0] = '\0';
        append(buf, bufSize, &at, cvMsg(CVMSG_FONT_LIST_CONTEXT_FAILED));
        return at;
    }
    int written = sprintFontNameFromContext(display, context, tag, buf, bufSize);
    XmFontListFreeFontContext(context);
    return written;
}

XFontStruct *createBoldFont(Widget w, XmFontList fontList, char *tag)
{
    if (fontList == nullptr || w == nullptr || tag == nullptr || *tag == '\0') {
        x_internal_error_str(exit, w != nullptr ? w : toplevel, "", __FILE__, __LINE__);
    }
    XmFontContext context = nullptr;
    if (!XmFontListInitFontContext(&context, fontList)) {
        Warn("%s", cvMsg(CVMSG_BOLD_CONTEXT_FAILED));
        return nullptr;
    }
    char name[1024];
    XmFontType type;
    int found = getFontNameForTag(XtDisplay(w), context, tag, &type, name, sizeof name);
    XmFontListFreeFontContext(context);
    if (found != 0) {
        return nullptr;
    }
    XFontStruct *font = nullptr;
    if (loadFontVariant(w, name, true, 0, &font, nullptr) != 0) {
        tellUserThenExit(exit, w, cvMsg(CVMSG_BOLD_NO_VARIANT), name);
    }
    return font;
}

XFontSet createScaledFontSet(Widget w, char *fontName, int pointSize)
{
    XFontSet fontSet = nullptr;
    if (loadFontVariant(w, fontName, true, pointSize, nullptr, &fontSet) != 0) {
        tellUserThenExit(exit, w, cvMsg(CVMSG_SCALED_NO_VARIANT), pointSize, fontName);
    }
    return fontSet;
}
