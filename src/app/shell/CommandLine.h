#pragma once

#include "shell/Whereabouts.h"

#include <string>

namespace ms::gui {

// What the program was asked to do on its command line.
enum class CommandMode { Window, Check, Where, Help, Version, Invalid };

struct CommandLine {
    CommandMode mode = CommandMode::Window;
    std::string error; // Invalid: the German reason
};

// Reads the options; needs neither an application object nor a display. Qt's own window options
// (-platform, -display, -style, -session and the like) pass through to the window.
CommandLine ParseCommandLine(int argc, const char* const* argv);

// Runs every mode but Window without a display and returns the exit code.
int RunCommandLine(const CommandLine& command, int argc, char** argv);

// The folders of this process: the game as the start would find it (the settings stay as they are;
// the search creates a found game's missing mods folder, as at a start), the data directory, the
// settings file.
Whereabouts FindWhereabouts();

// The German usage text of "--help", naming the data directory and settings file of `where`.
std::string UsageText(const Whereabouts& where);

} // namespace ms::gui
