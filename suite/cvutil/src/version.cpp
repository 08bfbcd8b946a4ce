// The product's identification and the machine's memory, for version reports.
#include "cvutil.h"

#include <cstdio>
#ifdef _WIN32
#include <windows.h>
#else
#include <sys/sysinfo.h>
#endif

extern "C" const char *getZBRRelease(void)
{
    return "Corvane Zebrant Release " CVUTIL_RELEASE;
}

extern "C" const char *getZBRVersion(void)
{
    return "Version " CVUTIL_VERSION;
}

extern "C" int _CVsprintMemInfo(char *buf)
{
    const unsigned long long mb = 1024ULL * 1024ULL;
    unsigned long long total, free, swapTotal, swapFree;
    const char *swapName;
#ifdef _WIN32
    MEMORYSTATUSEX status;
    status.dwLength = sizeof status;
    if (!GlobalMemoryStatusEx(&status)) {
        buf[0] = '\0';
        return 0;
    }
    total = status.ullTotalPhys;
    free = status.ullAvailPhys;
    swapTotal = status.ullTotalPageFile;
    swapFree = status.ullAvailPageFile;
    swapName = "Paging file";
#else
    struct sysinfo info;
    if (sysinfo(&info) != 0) {
        buf[0] = '\0';
        return 0;
    }
    unsigned long long unit = info.mem_unit != 0 ? info.mem_unit : 1;
    total = info.totalram * unit;
    free = (info.freeram + info.bufferram) * unit;
    swapTotal = info.totalswap * unit;
    swapFree = info.freeswap * unit;
    swapName = "Swap";
#endif
    int n = snprintf(buf, CV_MEMINFO_MAX, "Physical memory: %llu MB, %llu MB free\n%s: %llu MB, %llu MB free\n",
                     total / mb, free / mb, swapName, swapTotal / mb, swapFree / mb);
    if (n < 0) {
        buf[0] = '\0';
        return 0;
    }
    return n < CV_MEMINFO_MAX ? n : CV_MEMINFO_MAX - 1;
}
