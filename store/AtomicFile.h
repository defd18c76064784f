#pragma once

#include <QByteArray>
#include <QString>

// How a write ended: on failure, one Russian sentence naming the file and the cause, ready for a message
// box or standard error.
struct WriteOutcome {
    QString error;
    bool ok() const { return error.isEmpty(); }
};

// A file written so that its target is replaced only when every byte has reached the disk: the bytes go to
// a temporary file in the target's folder, every write and the sync are checked, and only then is the
// temporary file renamed over the target. On any failure the temporary file is removed and an earlier file
// of that name stays as it was. A target that exists and is not a regular file (a folder, a FIFO, a device)
// is refused before anything is written, never replaced. A symbolic link is followed: the file it points to
// is replaced and the link stays.
class AtomicFile {
public:
    explicit AtomicFile(const QString& target);
    ~AtomicFile(); // removes the temporary file unless it was committed
    AtomicFile(const AtomicFile&) = delete;
    AtomicFile& operator=(const AtomicFile&) = delete;

    // Checks the target and creates the empty temporary file beside it.
    WriteOutcome create();
    // Where the bytes go until commit. A writer that can only write to a file by name (a PDF printer) writes
    // here and closes its own handle before commit.
    const QString& temporaryPath() const { return temporaryPath_; }
    WriteOutcome write(const QByteArray& bytes);
    // Syncs the temporary file and renames it over the target.
    WriteOutcome commit();
    // Removes the temporary file; the target stays as it was.
    void discard();

private:
    WriteOutcome failure(int errorNumber) const;
    void closeHandle();

    QString target_;
    QString temporaryPath_;
    int descriptor_ = -1;
    bool committed_ = false;
};

// The whole write in one call: create, write, commit.
WriteOutcome WriteFileAtomically(const QString& target, const QByteArray& bytes);

// The sentence for a failed save of target: "Не удалось сохранить файл «target»: cause."
QString SaveFailureText(const QString& target, const QString& cause);
