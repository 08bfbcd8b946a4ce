// The library's catalogue lookup: LANG rule, caching, reopen requests, errno.
#include "utilLibsMsg.h"

#include "cv.h"
#include "isolated.h"
#include "testenv.h"

#include <cerrno>
#include <cstring>
#include <gtest/gtest.h>

// The lookup keeps process-wide state, so each scenario runs in a fresh process.

CHILD_TEST(CatalogueScenario, GermanFromTheStart)
{
    setEnv("LANG", "de_DE.UTF-8");
    EXPECT_STREQ(_util_libsMsg(3, 47, "Error"), "Fehler");
    EXPECT_STREQ(_util_libsMsg(3, 93, "Cancel"), "Abbrechen");
    EXPECT_STREQ(_util_libsMsg(3, 212, "x"),
                 "Sie haben Änderungen an der %s-Konfiguration vorgenommen,\ndiese Änderungen aber "
                 "nicht gespeichert.\n\nMöchten Sie die Änderungen speichern?");
}

CHILD_TEST(CatalogueScenario, NoCatalogueFound)
{
    setEnv("LANG", "de_DE.UTF-8");
    setEnv("NLSPATH", "/nonexistent/%N");
    const char *builtIn = "Error";
    errno = ERANGE;
    EXPECT_EQ(_util_libsMsg(3, 47, builtIn), builtIn);
    EXPECT_EQ(errno, ERANGE);
}

CHILD_TEST(CatalogueScenario, UnsetLangCachesNothing)
{
    unsetEnv("LANG");
    const char *builtIn = "built-in error";
    errno = EDOM;
    EXPECT_EQ(_util_libsMsg(3, 47, builtIn), builtIn);
    EXPECT_EQ(errno, EDOM);
    EXPECT_EQ(_util_libsMsg(3, 47, builtIn), builtIn);

    // The catalogue was opened at the first lookup (the C one, LANG being unset); nothing was
    // cached, so once LANG is set the texts come from it.
    setEnv("LANG", "C");
    EXPECT_STREQ(_util_libsMsg(3, 47, builtIn), "Error");
    EXPECT_EQ(errno, EDOM);

    // Numbers below 1 never reach the catalogue.
    EXPECT_EQ(_util_libsMsg(3, 0, builtIn), builtIn);
    EXPECT_EQ(_util_libsMsg(3, -4, builtIn), builtIn);

    // A cached text is the same copy on every lookup, and stays valid.
    const char *first = _util_libsMsg(3, 48, "x");
    EXPECT_STREQ(first, "Information");
    EXPECT_EQ(_util_libsMsg(3, 48, "y"), first);

    // A number the catalogue lacks gives the built-in text (as a cached copy).
    EXPECT_STREQ(_util_libsMsg(3, 499, "not in the catalogue"), "not in the catalogue");
    // A set beyond the cache's range is refused rather than indexed.
    const char *outOfRange = "set 60";
    EXPECT_EQ(_util_libsMsg(60, 1, outOfRange), outOfRange);
}

CHILD_TEST(CatalogueScenario, ReopenKeepsCachedTexts)
{
    setEnv("LANG", "C");
    EXPECT_STREQ(_util_libsMsg(3, 47, "x"), "Error");

    // The suite's registry asks for a reopen (for instance after a language change): texts
    // already read stay, new ones come from the catalogue opened again.
    setEnv("LANG", "de_DE.UTF-8");
    _CVmsgReopenAll();
    EXPECT_STREQ(_util_libsMsg(3, 47, "x"), "Error");
    EXPECT_STREQ(_util_libsMsg(3, 49, "x"), "Warnung");
    EXPECT_NE(___util_libsMsg_fd__(), reinterpret_cast<nl_catd>(-1));
}

// German through LANG and NLSPATH; built-in texts without a catalogue or without LANG (then
// nothing is cached); a reopen request keeps the cached texts.
TEST(MessageCatalogue, EachScenarioInAProcessOfItsOwn)
{
    for (const char *scenario : {"GermanFromTheStart", "NoCatalogueFound", "UnsetLangCachesNothing",
                                 "ReopenKeepsCachedTexts"}) {
        EXPECT_TRUE(runIsolated(std::string("CatalogueScenario.InChild_") + scenario));
    }
}
