#pragma once

// The project's version ("0.1.0"), which radview and radview-dump print for --version and the Debian package
// carries in its name.
extern const char* const ProgramVersion;
