#pragma once

#include <string_view>

namespace ms {

// True when a running process has the executable name `exeName` (ASCII letters without regard to
// case). A process matches by its command name, by the file name of its executable, or by its
// argv[0] whole or without its path, where "/" and "\" both separate path parts, so that a process
// started as "C:\Games\Marvessa\Bin\Win64\MARVESSA.EXE" under a Windows emulation matches
// "Marvessa.exe".
bool IsProcessRunning(std::string_view exeName);

// True when a debugger (any tracer) is attached to this process.
bool IsDebuggerAttached();

} // namespace ms
