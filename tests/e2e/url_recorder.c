/* Stands in for the browser: appends the text it was handed, and a line break, to the file named
   by KORVALD_URL_LOG. */
#include <stdio.h>
#include <stdlib.h>

int main(int argc, char** argv) {
    const char* logPath = getenv("KORVALD_URL_LOG");
    if (!logPath || argc < 2) return 1;
    FILE* log = fopen(logPath, "ab");
    if (!log) return 1;
    fprintf(log, "%s\n", argv[1]);
    fclose(log);
    return 0;
}
