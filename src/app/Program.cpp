#include "app/Program.h"

namespace torvane {

// Stand-in until the main window lands: it opens nothing.
int RunProgram(const CommandLineOptions&, const Environment&, int, char**) {
    return 0;
}

}  // namespace torvane
