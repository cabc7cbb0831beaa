#include "app/Program.h"

#include "app/RenderCommand.h"

namespace torvane {

// Stand-in for the window until the main window lands: it opens nothing.
int RunProgram(const CommandLineOptions& options, const Environment& env, int argc, char** argv) {
    if (options.action == CommandLineOptions::Action::Render) {
        return RunRenderProgram(options, env, argc, argv);
    }
    return 0;
}

}  // namespace torvane
