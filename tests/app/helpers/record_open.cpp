// Stands in for the web browser in tests: appends each address it is asked
// to open, one per line, to C:\dotlock-test\opened.txt.
#include <windows.h>

#include <cstdio>

int main(int argc, char** argv) {
    std::FILE* out = std::fopen("C:\\dotlock-test\\opened.txt", "ab");
    if (!out) return 1;
    std::fprintf(out, "%s\n", argc > 1 ? argv[1] : "");
    std::fclose(out);
    return 0;
}
