// Owner of one dynamically loaded library.
#pragma once

class PluginLibrary {
public:
    PluginLibrary() = default;
    PluginLibrary(const PluginLibrary&) = delete;
    PluginLibrary& operator=(const PluginLibrary&) = delete;
    virtual ~PluginLibrary() { Free(); }

    // Loads baseName plus the platform suffix; prints the failure message.
    bool Load(const char* baseName);
    void* GetExport(const char* name) const;
    // True when a library was freed.
    bool Free();

private:
    void* module = nullptr;
};
