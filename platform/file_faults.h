#pragma once
// Lets a test make one file operation fail, to see what the program does then.
namespace platform::fs {

enum class Op {
    Exists,
    MakeFolder,
    OpenRead,
    Size,
    Read,
    Create,
    Write,
    Flush,
    Close,
    Replace,
    Remove,
    WriteTime,
    // Closing a file opened for reading; Close is that of one written.
    CloseRead
};

// The next `skip` calls of op succeed, the one after fails; then all succeed again.
void failAfter(Op op, int skip = 0);
// Also starts counting the calls of every operation afresh.
void clearFaults();
// How many calls of op were made since the last clearFaults().
int callsOf(Op op);
// True when this call of op is to fail; used by the file system front.
bool faultDue(Op op);

// The next `times` replaces find their target held by another process, or
// every replace does for heldForever; clearFaults() ends it.
constexpr int heldForever = -1;
void holdReplaceTarget(int times);
// True when this replace is to find its target held; used by the file system front.
bool replaceTargetHeld();

}  // namespace platform::fs
