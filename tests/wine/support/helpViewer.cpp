// A help viewer for the tests: appends the kind and the target it is started with, as one line,
// to the file named by its first argument, and shows nothing.
#include <cstdio>

int main(int argc, char **argv)
{
    if (argc != 4) {
        return 2;
    }
    FILE *log = fopen(argv[1], "ab");
    if (log == nullptr) {
        return 1;
    }
    fprintf(log, "%s %s\n", argv[2], argv[3]);
    fclose(log);
    return 0;
}
