#pragma once

#include <QTemporaryDir>
#include <string>

// A temporary folder that also stands in for the executable's folder, so that files
// the program keeps beside itself land there and not beside the test binary.
class TempAppDir {
public:
    TempAppDir();
    ~TempAppDir();
    std::string path() const; // ends with a separator
    std::string file(const std::string& name) const { return path() + name; }

private:
    QTemporaryDir dir_;
};

std::string readBytes(const std::string& path);
void writeBytes(const std::string& path, const std::string& bytes);
