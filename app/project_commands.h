#pragma once

struct CommandLine;

// Runs `quillmint build` or `quillmint publish` without any window: reads
// the project, writes the pages or publishes the slideshow, reports each
// problem on standard error. Returns the exit status (0 done, 1 failed).
int runProjectCommand(const CommandLine& command);
