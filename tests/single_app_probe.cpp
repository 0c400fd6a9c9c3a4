// Creates a QtSingleApplication and reports on standard output whether another
// instance holds the guard ("running=1") or this one took it ("running=0").
//
//   single_app_probe [hold]
//
// With "hold" it keeps the guard until its standard input reaches end of
// file, so that a test can start a second instance meanwhile.

#include "qtsingleapplication.h"

#include <cstdio>
#include <cstring>

#include <unistd.h>

int main(int argc, char** argv)
{
    const bool hold = argc > 1 && strcmp(argv[1], "hold") == 0;
    QtSingleApplication app(argc, argv, true);
    printf("running=%d\n", app.isRunning() ? 1 : 0);
    fflush(stdout);
    if (hold) {
        char buffer[64];
        while (read(STDIN_FILENO, buffer, sizeof(buffer)) > 0) {
        }
    }
    return 0;
}
