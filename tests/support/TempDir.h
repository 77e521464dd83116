#pragma once

#include <QTemporaryDir>
#include <memory>
#include <string>

namespace platform {
class FileRegistryStore;
}

// A temporary folder that also stands in for the executable's folder, so that files
// the program keeps beside itself land there and not beside the test binary. It holds
// an empty registry of its own as well, so that no test reads or writes the user's.
class TempAppDir {
public:
    TempAppDir();
    ~TempAppDir();
    std::string path() const; // ends with a separator
    std::string file(const std::string& name) const { return path() + name; }
    platform::FileRegistryStore& registry() const { return *registry_; }

private:
    QTemporaryDir dir_;
    QTemporaryDir registryDir_; // apart, so the program's folder holds only its own files
    std::unique_ptr<platform::FileRegistryStore> registry_;
};

std::string readBytes(const std::string& path);
void writeBytes(const std::string& path, const std::string& bytes);
