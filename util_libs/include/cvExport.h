/** @file
 * cvExport.h - CV_EXPORT marks what the library exports: out of cvgui.dll (into its users as an
 * import, or nothing when linked statically) on Windows, with default visibility out of
 * libcvgui.so, whose other symbols are hidden. The public headers define their own markers by it.
 */
#ifndef CVEXPORT_H
#define CVEXPORT_H

#if defined(_WIN32)
#if defined(CVGUI_BUILDING_DLL)
#define CV_EXPORT __declspec(dllexport)
#elif defined(CVGUI_STATIC)
#define CV_EXPORT
#else
#define CV_EXPORT __declspec(dllimport)
#endif
#elif defined(__GNUC__)
#define CV_EXPORT __attribute__((visibility("default")))
#else
#define CV_EXPORT
#endif

#endif
