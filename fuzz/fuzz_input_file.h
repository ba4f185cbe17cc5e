// For readers that only take paths: the input goes to one temporary file per
// process, rewritten for every run and removed at exit.
#pragma once

#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

class FuzzInputFile {
  public:
    FuzzInputFile() : path_("/tmp/scriptdesk-fuzz-" + std::to_string(getpid())) {}
    ~FuzzInputFile() { std::remove(path_.c_str()); }

    const char* Write(const uint8_t* data, size_t size) {
        FILE* file = std::fopen(path_.c_str(), "wb");
        if (!file || std::fwrite(data, 1, size, file) != size || std::fclose(file) != 0)
            std::abort();
        return path_.c_str();
    }

  private:
    std::string path_;
};
