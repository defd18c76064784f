#pragma once

#include <string>

// The project's version ("0.1.0"), which radview and radview-dump print for --version and the Debian package
// carries in its name.
extern const char* const ProgramVersion;

// What `program --version` prints: "PROGRAM VERSION" on the first line, as help2man and scripts read it,
// then the copyright and the licence.
std::string VersionText(const char* program);
