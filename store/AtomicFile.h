#pragma once

#include "store/Outcome.h"

#include <QByteArray>
#include <QString>

#include <memory>

class HeldTemporaryName;

// A file written so that its target is replaced only when every byte has reached the disk, and only where
// the shell's `>` would have been let write it.
//
// The target is first asked of the kernel as `>` asks it: opened for writing by the name given (nothing is
// written through that handle), so that a file the user may not write, a read-only file system or a link
// that fs.protected_symlinks forbids to follow refuses the save with its cause. A target that exists and is
// no regular file (a folder, a FIFO, a device) is refused too. A symbolic link is followed: the file it
// points to is replaced and the link stays.
//
// The bytes go to an unnamed file in the target's folder (O_TMPFILE) that is linked in only once it is
// whole, so no interrupted save can leave a temporary file behind; where the file system has no unnamed
// files, a short-named one (".rvXXXXXX") is used and removed on SIGINT, SIGTERM and SIGHUP as on any
// failure. A replaced file's owner and group are kept (the save is refused where they cannot be), its
// permissions too, less the setuid, setgid and sticky bits.
class AtomicFile {
public:
    explicit AtomicFile(const QString& target);
    ~AtomicFile(); // drops the unwritten file unless it was committed
    AtomicFile(const AtomicFile&) = delete;
    AtomicFile& operator=(const AtomicFile&) = delete;

    // Checks the target and creates the empty temporary file beside it.
    Outcome create();
    // A name by which a writer that can only write by name (a PDF printer) reaches the temporary file until
    // commit: /proc/self/fd/N of the unnamed file, or the named one's path.
    QString temporaryPath() const;
    Outcome write(const QByteArray& bytes);
    // Syncs the temporary file and puts it in the target's place.
    Outcome commit();
    // Drops the temporary file; the target stays as it was.
    void discard();

private:
    Outcome failure(int errorNumber) const;
    Outcome folderFailure(int errorNumber) const;
    Outcome probeTarget();
    Outcome openTemporary();
    Outcome keepOwnerAndMode();
    int linkInPlace();

    QString target_;       // as given, for the messages
    QByteArray folder_;    // the folder the file lands in, links followed
    QByteArray name_;      // its entry there
    QByteArray temporary_; // the named temporary file's entry in folder_, while there is one
    int folderDescriptor_ = -1;
    int descriptor_ = -1;
    bool unnamed_ = false;      // descriptor_ is an O_TMPFILE file
    bool replaces_ = false;     // a file of that name exists and is replaced
    bool createdEmpty_ = false; // a dangling link's target was created empty to ask the kernel
    unsigned ownerId_ = 0, groupId_ = 0, mode_ = 0;
    bool committed_ = false;
    std::unique_ptr<HeldTemporaryName> held_; // the named temporary file, for the signal handlers
};

// The whole write in one call: create, write, commit. A failure names the file and the cause.
Outcome WriteFileAtomically(const QString& target, const QByteArray& bytes);

// The sentence for a failed save of target: "Не удалось сохранить файл «target»: cause."
QString SaveFailureText(const QString& target, const QString& cause);

// Whether path names the file or device this program's standard output goes to (/dev/stdout,
// /proc/self/fd/1, or the very file the output was sent to): such an output is written to standard output,
// never replaced, so that an append (>>) or a pipe gets it.
bool IsStandardOutputPath(const QString& path);
