#include "platform/FileRegistryStore.h"

#include "platform/Errors.h"
#include "platform/ReadFile.h"
#include "platform/ReplaceFile.h"

#include <cerrno>
#include <ctime>
#include <fcntl.h>
#include <filesystem>
#include <limits>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace platform {

namespace {

constexpr std::string_view kUserRoot = "HKEY_CURRENT_USER";
constexpr std::string_view kMachineRoot = "HKEY_LOCAL_MACHINE";

// An exclusive lock between running copies, held for its lifetime.
class FileLock {
public:
    explicit FileLock(const std::string& path)
        : fd_(::open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600)) {
        if (fd_ >= 0)
            while (::flock(fd_, LOCK_EX) != 0 && errno == EINTR) {
            }
    }
    ~FileLock() {
        if (fd_ >= 0) {
            ::flock(fd_, LOCK_UN);
            ::close(fd_);
        }
    }
    FileLock(const FileLock&) = delete;
    FileLock& operator=(const FileLock&) = delete;

private:
    int fd_;
};

// Only a regular file is read, and opening never waits (on a named pipe): anything else
// in the file's place counts as unreadable.
bool readFile(const std::string& path, std::string& out) {
    try {
        out = readRegularFile(path, std::numeric_limits<std::size_t>::max(), AtNul::Keep);
        return true;
    } catch (const EFileError&) {
        return false;
    }
}

// Owner-only, and replaced whole: a reader sees the old file or the new one. Answers
// the error text, empty on success.
std::string writeWhole(const std::string& path, const std::string& content) {
    return tryReplaceFile(path, content, 0600);
}

bool writeAtomically(const std::string& path, const std::string& content) {
    return writeWhole(path, content).empty();
}

} // namespace

class FileRegistryKey : public RegistryKey {
public:
    FileRegistryKey(FileRegistryStore& store, RootKey root, std::string path)
        : store_(store), root_(root), path_(std::move(path)) {}

    bool writable() const override { return root_ == RootKey::CurrentUser; }

    std::optional<RegValue> value(const std::string& name) const override {
        return store_.tree(root_).value(path_, name);
    }
    bool setValue(const std::string& name, const RegValue& value) override {
        return writable() && store_.setValue(path_, name, value);
    }
    bool deleteValue(const std::string& name) override {
        return writable() && store_.deleteValue(path_, name);
    }
    std::vector<std::string> valueNames() const override {
        std::vector<std::string> names;
        if (const RegTree::Key* key = store_.tree(root_).key(path_))
            for (const auto& v : key->values)
                names.push_back(v.first);
        return names;
    }
    std::vector<std::string> subkeyNames() const override {
        return store_.tree(root_).subkeyNames(path_);
    }

private:
    FileRegistryStore& store_;
    RootKey root_;
    std::string path_;
};

FileRegistryStore::FileRegistryStore(std::string userFolder, std::string machineFile)
    : folder_(std::move(userFolder)), machineFile_(std::move(machineFile)) {
    std::string content;
    if (!machineFile_.empty() && readFile(machineFile_, content))
        machine_ = parseRegEdit4(content, kMachineRoot).tree;
    removeStaleTemporaries(userFile());
    refresh();
    own_ = user_;
}

FileRegistryStore::~FileRegistryStore() {
    if (heldFd_ >= 0)
        ::close(heldFd_);
}

void FileRegistryStore::holdCurrentFile() {
    if (heldFd_ >= 0)
        ::close(heldFd_);
    heldFd_ = ::open(userFile().c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    stamp_ = stampOf();
}

FileRegistryStore::Stamp FileRegistryStore::stampOf() const {
    struct stat st {};
    if (::stat(userFile().c_str(), &st) != 0)
        return {};
    return {static_cast<long long>(st.st_size),
            static_cast<long long>(st.st_mtim.tv_sec) * 1000000000LL + st.st_mtim.tv_nsec,
            static_cast<long long>(st.st_ino)};
}

RegTree FileRegistryStore::readDisk() {
    std::string content;
    if (!readFile(userFile(), content)) {
        // A file that exists but cannot be read is moved aside, so that the next write
        // does not replace what could not be read.
        struct stat st {};
        if (::stat(userFile().c_str(), &st) == 0) {
            const std::string aside = asideName();
            if (::rename(userFile().c_str(), aside.c_str()) == 0)
                setAside_.push_back(aside);
        }
        return {};
    }
    RegParseResult parsed = parseRegEdit4(content, kUserRoot);
    if (parsed.damaged)
        keepAside(content);
    return std::move(parsed.tree);
}

std::string FileRegistryStore::asideName() const {
    char when[32];
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    ::localtime_r(&now, &local);
    std::strftime(when, sizeof when, "%Y%m%d-%H%M%S", &local);
    std::string name = userFile() + ".damaged-" + when;
    std::error_code ignored;
    for (int n = 2; std::filesystem::exists(name, ignored); ++n)
        name = userFile() + ".damaged-" + when + "-" + std::to_string(n);
    return name;
}

void FileRegistryStore::keepAside(const std::string& content) {
    if (content == lastDamaged_)
        return;
    lastDamaged_ = content;
    const std::string name = asideName();
    if (writeAtomically(name, content))
        setAside_.push_back(name);
}

void FileRegistryStore::replay(RegTree& tree, const Change& change) {
    switch (change.kind) {
    case Change::CreateKey:
        tree.createKey(change.path);
        break;
    case Change::SetValue:
        if (change.unchanged && tree.value(change.path, change.name))
            break;
        // This copy's value wins even when the other copy deleted the key meanwhile.
        tree.createKey(change.path);
        tree.setValue(change.path, change.name, change.value);
        break;
    case Change::DeleteValue:
        tree.deleteValue(change.path, change.name);
        break;
    case Change::DeleteKey:
        tree.deleteKey(change.path);
        break;
    }
}

void FileRegistryStore::refresh() {
    const Stamp now = stampOf();
    if (loaded_ && now == stamp_)
        return;
    std::error_code ignored;
    std::filesystem::create_directories(folder_, ignored);
    const FileLock lock(lockFile());
    RegTree disk = readDisk();
    holdCurrentFile();
    for (const Change& c : pending_)
        replay(disk, c);
    user_ = std::move(disk);
    loaded_ = true;
}

bool FileRegistryStore::write() {
    if (pending_.empty())
        return true;
    std::error_code ignored;
    std::filesystem::create_directories(folder_, ignored);
    const FileLock lock(lockFile());
    RegTree disk = readDisk();
    for (const Change& c : pending_)
        replay(disk, c);
    const std::string error = writeWhole(userFile(), writeRegEdit4(disk, kUserRoot));
    lastWriteOk_ = error.empty();
    lastError_ =
        lastWriteOk_ ? std::string() : "Cannot create file \"" + userFile() + "\". " + error;
    if (!lastWriteOk_)
        return false;
    user_ = std::move(disk);
    pending_.clear();
    holdCurrentFile();
    return true;
}

void FileRegistryStore::record(Change change) {
    replay(user_, change);
    pending_.push_back(std::move(change));
}

std::unique_ptr<RegistryKey> FileRegistryStore::openKey(RootKey root, const std::string& path,
                                                        bool create) {
    if (!fitsRegEdit4(path) || !keyPathWithinLimits(path))
        return nullptr;
    if (root == RootKey::LocalMachine)
        return machine_.hasKey(path) ? std::make_unique<FileRegistryKey>(*this, root, path)
                                     : nullptr;
    refresh();
    if (!user_.hasKey(path)) {
        if (!create)
            return nullptr;
        record({Change::CreateKey, path, {}, {}});
        if (batchDepth_ == 0 && !write())
            return nullptr;
    }
    return std::make_unique<FileRegistryKey>(*this, root, path);
}

bool FileRegistryStore::deleteKey(RootKey root, const std::string& path) {
    if (root == RootKey::LocalMachine || path.empty())
        return false;
    refresh();
    if (!user_.hasKey(path))
        return false;
    record({Change::DeleteKey, path, {}, {}});
    own_.deleteKey(path);
    return batchDepth_ > 0 || write();
}

bool FileRegistryStore::setValue(const std::string& path, const std::string& name,
                                 const RegValue& value) {
    if (!fitsRegEdit4(name) || !valueNameWithinLimits(name) || !user_.hasKey(path))
        return false;
    const std::optional<RegValue> before = own_.value(path, name);
    const bool unchanged = before && *before == value;
    if (!unchanged) {
        own_.createKey(path);
        own_.setValue(path, name, value);
    }
    record({Change::SetValue, path, name, value, unchanged});
    return batchDepth_ > 0 || write();
}

bool FileRegistryStore::deleteValue(const std::string& path, const std::string& name) {
    if (!user_.key(path) || !user_.deleteValue(path, name))
        return false;
    own_.deleteValue(path, name);
    pending_.push_back({Change::DeleteValue, path, name, {}});
    return batchDepth_ > 0 || write();
}

void FileRegistryStore::beginBatch() {
    ++batchDepth_;
}

void FileRegistryStore::commitBatch() {
    if (batchDepth_ > 0 && --batchDepth_ == 0)
        write();
}

} // namespace platform
