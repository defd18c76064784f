#pragma once

// Named temporary files that an interrupting signal must not leave behind. While a name is held, SIGINT,
// SIGTERM and SIGHUP remove it before the signal takes its former course (a signal the program ignores
// stays ignored). Safe from several threads at once; a handful of names can be held together.
class HeldTemporaryName {
public:
    // The entry `name` (at most 15 bytes) in the folder open as folderDescriptor.
    HeldTemporaryName(int folderDescriptor, const char* name);
    ~HeldTemporaryName(); // lets go of the name; the file itself is the owner's to remove or rename
    HeldTemporaryName(const HeldTemporaryName&) = delete;
    HeldTemporaryName& operator=(const HeldTemporaryName&) = delete;

private:
    int slot_ = -1;
};
