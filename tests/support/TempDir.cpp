#include "tests/support/TempDir.h"

#include "platform/AppPaths.h"
#include "platform/FileRegistryStore.h"

#include <fstream>
#include <sstream>

TempAppDir::TempAppDir()
    : registry_(std::make_unique<platform::FileRegistryStore>(
          registryDir_.path().toStdString(), registryDir_.path().toStdString() + "/lm.reg")) {
    platform::setExecutableFolderForTesting(path());
    platform::setRegistryStoreForTesting(registry_.get());
}

TempAppDir::~TempAppDir() {
    platform::setRegistryStoreForTesting(nullptr);
    platform::setExecutableFolderForTesting({});
}

std::string TempAppDir::path() const {
    return dir_.path().toStdString() + "/";
}

std::string readBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream out;
    out << in.rdbuf();
    return out.str();
}

void writeBytes(const std::string& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << bytes;
}
