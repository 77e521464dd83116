#pragma once

#include "platform/RegTree.h"
#include "platform/RegistryStore.h"

#include <string>
#include <vector>

namespace platform {

// The registry as REGEDIT4 text files, for systems without one: the current user's
// keys in <userFolder>/HKEY_CURRENT_USER.reg, the machine's keys read (never
// written) from machineFile when it exists.
//
// Two running copies may share the files: every write takes an exclusive lock, reads
// the file anew, applies only this copy's own changes and replaces the file in one
// atomic rename. A value written as it was when this copy first read the file is no
// change of this copy: it fills a gap in the file but never overwrites what another
// copy wrote meanwhile. A damaged file is copied aside and the program goes on with what
// could be read; one that cannot be read at all is moved aside. The next write leaves
// a good file.
class FileRegistryStore : public RegistryStore {
public:
    FileRegistryStore(std::string userFolder, std::string machineFile);
    ~FileRegistryStore() override;
    FileRegistryStore(const FileRegistryStore&) = delete;
    FileRegistryStore& operator=(const FileRegistryStore&) = delete;

    std::unique_ptr<RegistryKey> openKey(RootKey root, const std::string& path,
                                         bool create) override;
    bool deleteKey(RootKey root, const std::string& path) override;
    void beginBatch() override;
    void commitBatch() override;

    std::string userFile() const { return folder_ + "/HKEY_CURRENT_USER.reg"; }
    // Copies of damaged files that were set aside, newest last.
    const std::vector<std::string>& setAside() const { return setAside_; }
    // False when the last write could not reach the file; its changes are kept and
    // written with the next one.
    bool lastWriteSucceeded() const { return lastWriteOk_; }
    // "Cannot create file "<full path>". <reason>" after a failed write.
    std::string lastWriteError() const override { return lastError_; }

private:
    friend class FileRegistryKey;
    struct Change {
        enum Kind { CreateKey, SetValue, DeleteValue, DeleteKey } kind;
        std::string path;
        std::string name;
        RegValue value;
        // The value as this copy found it: written only where the file has none.
        bool unchanged = false;
    };

    bool setValue(const std::string& path, const std::string& name, const RegValue& value);
    bool deleteValue(const std::string& path, const std::string& name);
    const RegTree& tree(RootKey root) const {
        return root == RootKey::CurrentUser ? user_ : machine_;
    }
    void record(Change change);
    static void replay(RegTree& tree, const Change& change);
    void refresh();
    bool write();
    RegTree readDisk();
    void keepAside(const std::string& content);
    std::string asideName() const;
    std::string lockFile() const { return folder_ + "/HKEY_CURRENT_USER.lock"; }

    std::string folder_;
    std::string machineFile_;
    RegTree user_;
    RegTree machine_;
    // What this copy read at start, followed by its own changes since.
    RegTree own_;
    std::vector<Change> pending_;
    int batchDepth_ = 0;
    bool lastWriteOk_ = true;
    std::string lastError_;
    bool loaded_ = false;
    std::vector<std::string> setAside_;
    std::string lastDamaged_;
    struct Stamp {
        long long size = -1, mtime = 0, inode = 0;
        bool operator==(const Stamp&) const = default;
    } stamp_;
    Stamp stampOf() const;
    // The file last read stays open, so that its inode number cannot be reused by a
    // later file of the same size and time, which would pass for the one read.
    int heldFd_ = -1;
    void holdCurrentFile();
};

} // namespace platform
