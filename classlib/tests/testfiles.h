// Files and folders for tests that check what a program wrote to disk.
#pragma once

#include <string>
#include <vector>

// A fresh folder under the temporary folder, deleted with everything in it.
class TTempFolder {
public:
    TTempFolder();
    ~TTempFolder();
    TTempFolder(const TTempFolder&) = delete;
    TTempFolder& operator=(const TTempFolder&) = delete;
    // Without a trailing backslash.
    const std::string& Path() const { return path_; }

private:
    std::string path_;
};

// Deletes a file, or a folder with everything in it; read-only files too.
void DeleteTree(const std::string& path);
// The names in a folder (given without a trailing backslash: a GBK name may
// end in a trail byte that looks like one), without "." and "..", sorted.
std::vector<std::string> FolderEntries(const std::string& folder);
// The file's bytes, or "(missing)" when it cannot be opened.
std::string ReadBytes(const std::string& path);
// Makes or replaces the file with exactly these bytes.
void WriteBytes(const std::string& path, const std::string& bytes);
